#include "directory/TableStore.h"

#include "base/AppError.h"
#include "directory/RussianText.h"

#include <QAtomicInt>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <QVariant>

#include <sqlite3.h>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("talv-prdata-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

} // namespace

QString TableStore::messageOf(const QSqlError& error)
{
    const QString store = error.databaseText().trimmed();
    if (!store.isEmpty())
        return store;
    const QString driver = error.driverText().trimmed();
    return driver.isEmpty() ? error.text() : driver;
}

TableStore::TableStore(const QString& filePath)
    : m_filePath(filePath)
    , m_connectionName(nextConnectionName())
{
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        // "mode=rw" refuses to create a missing file; a file the system will not
        // let us write (a read-only disc) is opened for reading, and a write then
        // fails with the store's "readonly database".
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        db.setDatabaseName(QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
        if (!db.open()) {
            failure = messageOf(db.lastError());
            if (failure.isEmpty())
                failure = QStringLiteral("unable to open database file");
        } else if (sqlite3* h = handle(); !h) {
            failure = QStringLiteral("the SQLite driver gives no connection handle");
        } else if (const int rc = RussianText::registerWith(h); rc != SQLITE_OK) {
            failure = QString::fromUtf8(sqlite3_errstr(rc));
        } else {
            // The wait is the store's own decision, not the driver's default.
            sqlite3_busy_timeout(h, kLockWaitMilliseconds);
        }
        if (!failure.isEmpty())
            db.close();
    }
    if (!failure.isEmpty()) {
        QSqlDatabase::removeDatabase(m_connectionName);
        throw AppError(failure);
    }
}

TableStore::~TableStore()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase TableStore::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

sqlite3* TableStore::handle() const
{
    const QSqlDatabase db = database();
    if (!db.driver())
        return nullptr;
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

void TableStore::setBusyTimeout(int milliseconds)
{
    if (sqlite3* h = handle())
        sqlite3_busy_timeout(h, milliseconds);
}

QSqlQuery TableStore::prepared(const QString& sql, const QVariantList& values, bool forwardOnly) const
{
    QSqlQuery query(database());
    query.setForwardOnly(forwardOnly);
    if (!query.prepare(sql))
        throw AppError(messageOf(query.lastError()));
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query;
}

QSqlQuery TableStore::select(const DirectoryStatement& statement) const
{
    QSqlQuery query = prepared(statement.sql, statement.values, false);
    if (!query.exec())
        throw AppError(messageOf(query.lastError()));
    return query;
}

qint64 TableStore::count(const DirectoryStatement& statement) const
{
    QSqlQuery query = prepared(statement.countSql, statement.values, true);
    if (!query.exec() || !query.next())
        throw AppError(messageOf(query.lastError()));
    return query.value(0).toLongLong();
}

void TableStore::execute(const DirectoryStatement& statement)
{
    QSqlDatabase db = database();
    if (!db.transaction())
        throw AppError(messageOf(db.lastError()));
    QString failure;
    {
        QSqlQuery query(db);
        if (!query.prepare(statement.sql)) {
            failure = messageOf(query.lastError());
        } else {
            for (const QVariant& value : statement.values)
                query.addBindValue(value);
            if (!query.exec())
                failure = messageOf(query.lastError());
        }
    }
    if (failure.isEmpty() && !db.commit())
        failure = messageOf(db.lastError());
    if (!failure.isEmpty()) {
        // Nothing of a refused write stays; what was stored before is untouched.
        db.rollback();
        throw AppError(failure);
    }
}
