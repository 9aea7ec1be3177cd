#include "LandmarkPhotoList.h"

#include "base/AppError.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

QList<LandmarkPhotoEntry> readLandmarkPhotoList(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw AppError(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);

    static const QRegularExpression sizePattern(QStringLiteral("^(\\d+)x(\\d+)$"));
    QList<LandmarkPhotoEntry> entries;
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('|'));
        const QRegularExpressionMatch size = fields.size() == 4 ? sizePattern.match(fields[2].trimmed())
                                                                : QRegularExpressionMatch();
        if (!size.hasMatch())
            throw AppError(QStringLiteral("%1:%2: expected \"code | kind | WxH | sign\"").arg(path).arg(lineNumber));
        LandmarkPhotoEntry entry;
        entry.code = fields[0].trimmed();
        entry.kind = fields[1].trimmed();
        entry.width = size.captured(1).toInt();
        entry.height = size.captured(2).toInt();
        entry.sign = fields[3].trimmed();
        entries.append(entry);
    }
    return entries;
}
