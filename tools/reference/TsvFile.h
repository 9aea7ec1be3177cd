#pragma once

#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>
#include <stdexcept>

// A tab-separated UTF-8 file with a header row, read whole. Values hold no tabs
// or line breaks, so a plain split is enough.
class TsvFile {
public:
    explicit TsvFile(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read " + path.toStdString() + ": " + file.errorString().toStdString());
        const QString text = QString::fromUtf8(file.readAll());
        QStringList lines = text.split(QLatin1Char('\n'));
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        if (lines.isEmpty())
            throw std::runtime_error("empty file " + path.toStdString());
        const QStringList header = lines.takeFirst().split(QLatin1Char('\t'));
        for (int i = 0; i < header.size(); ++i)
            m_columns.insert(header[i].trimmed(), i);
        m_rows.reserve(lines.size());
        for (const QString& line : std::as_const(lines)) {
            QString row = line;
            if (row.endsWith(QLatin1Char('\r')))
                row.chop(1);
            m_rows.append(row.split(QLatin1Char('\t')));
        }
    }

    qsizetype rowCount() const { return m_rows.size(); }

    // The value of a named column in a row; empty where the row is short.
    QString value(qsizetype row, const QString& column) const
    {
        const auto it = m_columns.constFind(column);
        if (it == m_columns.constEnd())
            throw std::runtime_error("no column " + column.toStdString());
        const QStringList& cells = m_rows[row];
        return *it < cells.size() ? cells[*it] : QString();
    }

private:
    QHash<QString, int> m_columns;
    QList<QStringList> m_rows;
};
