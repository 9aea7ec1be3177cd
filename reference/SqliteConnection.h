#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlError;

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

    // Reads the table through once. A file that is not a table file, a damaged
    // or cut-off one, and one without the table then fail here, with the
    // store's own message, rather than later as a table without fields or
    // with rows quietly missing.
    void requireTable(const QString& table) const;

    // The text of a store error as the user is to see it: the store's own
    // words, without the driver's account of which call failed.
    static QString messageOf(const QSqlError& error);

private:
    QString m_name;
};
