#include "reference/CityCodesTable.h"

#include "app/AppError.h"

#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <algorithm>

namespace {
const QString kTableName = QStringLiteral("gorod");

// Blanks and control characters are what a trimmed field loses.
bool isBlankOrControl(QChar c)
{
    return c.unicode() <= u' ';
}
} // namespace

QString prefixFilterExpression(const QString& field, const QString& typed)
{
    if (std::all_of(typed.cbegin(), typed.cend(), isBlankOrControl))
        return {};
    QString literal = typed;
    literal.replace(QLatin1Char('\''), QStringLiteral("''"));
    literal = QLatin1Char('\'') + literal + QLatin1Char('\'');
    // substr compares characters with the binary collation: case matters, and
    // no character of the text acts as a wildcard.
    return QStringLiteral("substr(%1, 1, length(%2)) = %2 COLLATE BINARY").arg(field, literal);
}

bool isHeadingCell(const QString& id, int column)
{
    return column == CityCodesTable::NameColumn && id == QStringLiteral("1");
}

CityCodesTable::CityCodesTable(const QString& filePath, const QString& connectionName)
    : m_connection(connectionName, filePath)
    , m_model(std::make_unique<QSqlTableModel>(nullptr, m_connection.database()))
{
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_model->setTable(kTableName);
    if (m_model->lastError().isValid())
        throw AppError(m_model->lastError().text());
    if (m_model->fieldIndex(QStringLiteral("Name")) != NameColumn
        || m_model->fieldIndex(QStringLiteral("Kod")) != KodColumn
        || m_model->fieldIndex(QStringLiteral("Id")) != IdColumn)
        throw AppError(QStringLiteral("Table %1 has not the fields Name, Kod, Id").arg(kTableName));
    // A new row holds empty texts, not NULLs, so that the row can still be found
    // by its values when it is changed or deleted later.
    QObject::connect(m_model.get(), &QSqlTableModel::primeInsert, [](int, QSqlRecord& record) {
        for (int i = 0; i < record.count(); ++i) {
            record.setValue(i, QString(""));
            record.setGenerated(i, true);
        }
    });
    reselect();
}

CityCodesTable::~CityCodesTable() = default;

void CityCodesTable::filterByName(const QString& typed)
{
    applyFilter(prefixFilterExpression(QStringLiteral("Name"), typed));
}

void CityCodesTable::filterByCode(const QString& typed)
{
    applyFilter(prefixFilterExpression(QStringLiteral("Kod"), typed));
}

void CityCodesTable::applyFilter(const QString& expression)
{
    // Pending edits are written before the rows change under them.
    if (hasPendingChanges())
        post();
    m_model->setFilter(expression);
    reselect();
}

void CityCodesTable::reselect()
{
    if (!m_model->select())
        throw AppError(m_model->lastError().text());
}

int CityCodesTable::insertRow(int row)
{
    const int at = std::clamp(row, 0, m_model->rowCount());
    if (!m_model->insertRow(at))
        throw AppError(m_model->lastError().text());
    return at;
}

void CityCodesTable::post()
{
    if (!m_model->submitAll())
        throw AppError(m_model->lastError().text());
}

void CityCodesTable::deleteRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (!m_model->removeRow(row))
        throw AppError(m_model->lastError().text());
    post();
}

bool CityCodesTable::hasPendingChanges() const
{
    return m_model->isDirty();
}

void CityCodesTable::fetchAll()
{
    while (m_model->canFetchMore())
        m_model->fetchMore();
}

QString CityCodesTable::id(int row) const
{
    return m_model->data(m_model->index(row, IdColumn)).toString();
}
