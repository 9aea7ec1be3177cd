#pragma once

#include <QList>
#include <QString>

// One record of the enterprise table: the entry's name and its description.
struct EnterpriseRecord {
    QString name;
    QString info;
};

// Reads the enterprise descriptions file: each record starts with a line
// "## name" and its description is every line up to the next such line, with
// blank lines at either end dropped. Lines before the first record are notes
// for whoever edits the file.
inline QList<EnterpriseRecord> parseEnterpriseRecords(const QString& text)
{
    QList<EnterpriseRecord> records;
    QStringList body;
    const auto finish = [&] {
        if (records.isEmpty())
            return;
        while (!body.isEmpty() && body.first().trimmed().isEmpty())
            body.removeFirst();
        while (!body.isEmpty() && body.last().trimmed().isEmpty())
            body.removeLast();
        records.last().info = body.join(QLatin1Char('\n'));
        body.clear();
    };
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QStringLiteral("## "))) {
            finish();
            records.append({line.mid(3).trimmed(), {}});
        } else if (!records.isEmpty()) {
            body.append(line);
        }
    }
    finish();
    return records;
}
