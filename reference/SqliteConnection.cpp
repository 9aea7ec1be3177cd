#include "reference/SqliteConnection.h"

#include "base/AppError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

QString SqliteConnection::messageOf(const QSqlError& error)
{
    const QString store = error.databaseText().trimmed();
    if (!store.isEmpty())
        return store;
    const QString driver = error.driverText().trimmed();
    return driver.isEmpty() ? error.text() : driver;
}

SqliteConnection::SqliteConnection(const QString& connectionName, const QString& filePath)
    : m_name(connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // "mode=rw" refuses to create the file, so a missing table is an error. A
    // file that may not be written (a read-only disc) is opened for reading,
    // and a write then fails with the store's "readonly database".
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    if (!db.open()) {
        const QString message = messageOf(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw AppError(message);
    }
}

SqliteConnection::~SqliteConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

void SqliteConnection::requireTable(const QString& table) const
{
    QString failure;
    {
        QSqlQuery query(database());
        QString quoted = table;
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        if (!query.exec(QStringLiteral("select count(*) from \"%1\"").arg(quoted)) || !query.next())
            failure = messageOf(query.lastError());
    }
    if (!failure.isEmpty())
        throw AppError(failure);
}
