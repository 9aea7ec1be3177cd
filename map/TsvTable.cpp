#include "map/TsvTable.h"

#include "base/AppError.h"

#include <QFile>

namespace {

QStringList splitLines(const QByteArray& utf8)
{
    QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

QByteArray readResourceBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return file.readAll();
}

TsvTable parseTsv(const QByteArray& utf8, const QString& name, const QStringList& expectedHeader)
{
    const QStringList lines = splitLines(utf8);
    TsvTable table;
    if (lines.isEmpty() || lines.first().split(QLatin1Char('\t')) != expectedHeader)
        throw AppError(QStringLiteral("%1: unexpected header").arg(name));
    table.header = expectedHeader;
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        if (fields.size() != expectedHeader.size())
            throw AppError(QStringLiteral("%1, line %2: %3 fields instead of %4")
                               .arg(name).arg(i + 1).arg(fields.size()).arg(expectedHeader.size()));
        table.rows << fields;
    }
    return table;
}

TsvTable readTsvResource(const QString& path, const QStringList& expectedHeader)
{
    return parseTsv(readResourceBytes(path), path, expectedHeader);
}

QStringList readLinesResource(const QString& path)
{
    return splitLines(readResourceBytes(path));
}

int tsvInt(const QString& field, const QString& name, int line)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok)
        throw AppError(QStringLiteral("%1, line %2: \"%3\" is not a whole number").arg(name).arg(line).arg(field));
    return value;
}
