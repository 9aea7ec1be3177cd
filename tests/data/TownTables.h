#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

// The town's tables as the checks read them: UTF-8 text, a header row, fields
// separated by tabs and taken verbatim (label texts keep their spaces).
struct TableRow {
    int line = 0;  // line number in the file, for messages
    QStringList fields;

    int number(int column) const { return fields.value(column).toInt(); }
};

struct Table {
    QString path;
    QStringList header;
    QList<TableRow> rows;
    QString error;  // empty when the file was read
};

inline QStringList readLines(const QString& path, QString* error = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return {};
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();  // the final line break
    return lines;
}

inline Table readTable(const QString& path)
{
    Table table;
    table.path = path;
    const QStringList lines = readLines(path, &table.error);
    if (lines.isEmpty()) {
        if (table.error.isEmpty())
            table.error = path + QStringLiteral(": empty");
        return table;
    }
    table.header = lines.first().split(QLatin1Char('\t'));
    for (int i = 1; i < lines.size(); ++i)
        table.rows.append({i + 1, lines[i].split(QLatin1Char('\t'))});
    return table;
}

inline QString dataPath(const char* relative)
{
    return QStringLiteral(TALV_DATA_DIR "/") + QLatin1String(relative);
}

// "labels.tsv line 12: " before a message about that row.
inline QByteArray where(const Table& table, const TableRow& row, const QString& what)
{
    return (table.path.section(QLatin1Char('/'), -1) + QStringLiteral(" line %1: ").arg(row.line) + what)
        .toUtf8();
}
