#pragma once

#include <QSqlDatabase>
#include <QString>

// A named connection to an existing SQLite table file, open for reading and
// writing. The file must already exist: a missing table is the store's
// "unable to open" error rather than a new empty file. Throws AppError with the
// store's message when the file cannot be opened.
class SqliteConnection {
public:
    SqliteConnection(const QString& connectionName, const QString& filePath);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
};
