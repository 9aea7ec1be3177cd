#include "reference/SqliteConnection.h"

#include "app/AppError.h"

#include <QSqlError>
#include <QUrl>

SqliteConnection::SqliteConnection(const QString& connectionName, const QString& filePath)
    : m_name(connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // "mode=rw" refuses to create the file, so a missing table is an error.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    if (!db.open()) {
        const QString message = db.lastError().text();
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
