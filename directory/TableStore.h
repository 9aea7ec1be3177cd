#pragma once

#include "directory/DirectoryStatement.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

struct sqlite3;
class QSqlError;

// The table store of the phone directory, SQLite through Qt SQL (the
// QSQLITE driver), opened on the file prdata.db of the application folder with
// the table prdata(tel, fio, adr, kom), all text. The connection carries the
// Russian collation and the case-folding like() (RussianText).
//
// Every refusal of the store (a missing, locked, read-only or damaged file, a
// full disc) is thrown as AppError with the store's own message. Writes run in
// a transaction of their own: a refused write is rolled back whole.
//
// A second navigator may be started from the same folder. A statement that
// meets the other program's lock on the file waits for it a short time
// (kLockWaitMilliseconds) and is then refused with the store's "database is
// locked"; the user sees that error rather than a program that hangs.
class TableStore {
public:
    // How long a statement waits for a lock of another program before it is
    // refused: long enough for the other program's write to end, short
    // enough that the window does not seem to hang.
    static constexpr int kLockWaitMilliseconds = 3000;

    // Opens the existing file; it is never created here.
    explicit TableStore(const QString& filePath);
    ~TableStore();
    TableStore(const TableStore&) = delete;
    TableStore& operator=(const TableStore&) = delete;

    const QString& filePath() const { return m_filePath; }
    QSqlDatabase database() const;
    // The connection of the SQLite C API under the driver.
    sqlite3* handle() const;
    // How long a statement waits for a lock held by another connection
    // (kLockWaitMilliseconds from the opening on).
    void setBusyTimeout(int milliseconds);

    // Runs a select; the result is positioned before its first row and is read
    // lazily as it is fetched.
    QSqlQuery select(const DirectoryStatement& statement) const;
    // The number of rows of a select, counted by the store.
    qint64 count(const DirectoryStatement& statement) const;
    // Runs an insert, update or delete in a transaction.
    void execute(const DirectoryStatement& statement);

    // The text of a store error as the user is to see it.
    static QString messageOf(const QSqlError& error);

private:
    QSqlQuery prepared(const QString& sql, const QVariantList& values, bool forwardOnly) const;

    QString m_filePath;
    QString m_connectionName;
};
