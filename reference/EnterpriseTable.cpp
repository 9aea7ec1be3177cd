#include "reference/EnterpriseTable.h"

#include "base/AppError.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlTableModel>

QString enterpriseOutlinePath()
{
    return QDir::tempPath() + QStringLiteral("/8.txt");
}

EnterpriseTable::EnterpriseTable(const QString& filePath, const QString& connectionName)
    : m_connection(connectionName, filePath)
    , m_model(std::make_unique<QSqlTableModel>(nullptr, m_connection.database()))
{
    m_connection.requireTable(QStringLiteral("bussines"));
    m_model->setEditStrategy(QSqlTableModel::OnRowChange);
    m_model->setTable(QStringLiteral("bussines"));
    m_nameColumn = m_model->fieldIndex(QStringLiteral("name"));
    m_infoColumn = m_model->fieldIndex(QStringLiteral("Info"));
    if (m_model->lastError().isValid())
        throw AppError(SqliteConnection::messageOf(m_model->lastError()));
    if (m_nameColumn < 0 || m_infoColumn < 0)
        throw AppError(QStringLiteral("В таблице bussines нет полей name, Info"));
    if (!m_model->select())
        throw AppError(SqliteConnection::messageOf(m_model->lastError()));
    while (m_model->canFetchMore())
        m_model->fetchMore();
}

EnterpriseTable::~EnterpriseTable() = default;

bool EnterpriseTable::locate(const QString& prefix)
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->data(m_model->index(row, m_nameColumn)).toString().startsWith(prefix)) {
            m_currentRow = row;
            return true;
        }
    }
    return false;
}

QString EnterpriseTable::currentInfo() const
{
    if (m_currentRow >= m_model->rowCount())
        return {};
    return m_model->data(m_model->index(m_currentRow, m_infoColumn)).toString();
}

void EnterpriseTable::writeNames(const QString& filePath) const
{
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(filePath), file.errorString()));
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QString name = m_model->data(m_model->index(row, m_nameColumn)).toString();
        file.write(name.toUtf8());
        file.write("\n");
    }
    if (!file.flush())
        throw AppError(QStringLiteral("Cannot write file \"%1\". %2").arg(QDir::toNativeSeparators(filePath), file.errorString()));
}
