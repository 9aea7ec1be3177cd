#include "reference/CityCodesTable.h"

#include "base/AppError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <algorithm>

namespace {
const QString kTableName = QStringLiteral("gorod");
const QString kRowId = QStringLiteral("rowid");

// The model of the grid and the navigator. The table has no key, and a plain
// table model would find the row to change or delete by all of its values,
// reaching every row equal to it. Each row is found by SQLite's own row id
// instead, read as a fourth column that the file does not hold: a GOROD.DB of
// any age opens as it is, and stays readable by any SQLite tool.
class CityCodesModel : public QSqlTableModel {
public:
    using QSqlTableModel::QSqlTableModel;

    bool select() override
    {
        const bool selected = QSqlTableModel::select();
        // A failed select forgets the key; the next one must still have it.
        QSqlIndex key(tableName(), kRowId);
        key.append(QSqlField(kRowId, QMetaType(QMetaType::LongLong), tableName()));
        setPrimaryKey(key);
        return selected;
    }

protected:
    QString selectStatement() const override
    {
        QString statement = QStringLiteral("SELECT Name, Kod, Id, rowid FROM ") + tableName();
        if (!filter().isEmpty())
            statement += QStringLiteral(" WHERE ") + filter();
        return statement;
    }
};

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
    // The typed text enters the expression as the hex digits of its UTF-8 bytes,
    // compared with the first bytes of the field: no character of it can end
    // the literal or the statement (an apostrophe, a NUL, which also ends what
    // SQLite's length() counts), none acts as a wildcard, and the comparison is
    // binary, so case matters. The table is UTF-8, where one text begins with
    // another exactly when its bytes begin with the other's bytes.
    const QByteArray bytes = typed.toUtf8();
    return QStringLiteral("substr(CAST(%1 AS BLOB), 1, %2) = X'%3'")
        .arg(field, QString::number(bytes.size()), QString::fromLatin1(bytes.toHex()));
}

bool isHeadingCell(const QString& id, int column)
{
    return column == CityCodesTable::NameColumn && id == QStringLiteral("1");
}

CityCodesTable::CityCodesTable(const QString& filePath, const QString& connectionName)
    : m_connection(connectionName, filePath)
    , m_model(std::make_unique<CityCodesModel>(nullptr, m_connection.database()))
{
    m_connection.requireTable(kTableName);
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_model->setTable(kTableName);
    if (m_model->lastError().isValid())
        throw AppError(SqliteConnection::messageOf(m_model->lastError()));
    if (m_model->fieldIndex(QStringLiteral("Name")) != NameColumn
        || m_model->fieldIndex(QStringLiteral("Kod")) != KodColumn
        || m_model->fieldIndex(QStringLiteral("Id")) != IdColumn)
        throw AppError(QStringLiteral("В таблице %1 нет полей Name, Kod, Id").arg(kTableName));
    // A new row holds empty texts, not NULLs, as the rows of the shipped table
    // do; its row id is the store's to give.
    QObject::connect(m_model.get(), &QSqlTableModel::primeInsert, [](int, QSqlRecord& record) {
        for (int i = 0; i < record.count(); ++i) {
            const bool rowId = i == RowIdColumn;
            record.setValue(i, rowId ? QVariant() : QVariant(QString("")));
            record.setGenerated(i, !rowId);
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
        throw AppError(SqliteConnection::messageOf(m_model->lastError()));
}

int CityCodesTable::insertRow(int row)
{
    const int at = std::clamp(row, 0, m_model->rowCount());
    if (!m_model->insertRow(at))
        throw AppError(SqliteConnection::messageOf(m_model->lastError()));
    return at;
}

void CityCodesTable::post()
{
    // The pending rows are written in one transaction: a refusal of any of
    // them leaves the file as it was, with none of the others written.
    QSqlDatabase db = m_connection.database();
    const bool together = db.transaction();
    QString message;
    if (!m_model->submitAll())
        message = SqliteConnection::messageOf(m_model->lastError());
    else if (together && !db.commit())
        message = SqliteConnection::messageOf(db.lastError());
    else
        return;
    if (together)
        db.rollback();
    // A refused write leaves nothing pending: the grid shows the table as it is
    // stored, and the next search or move does not try the same write again
    // (on a read-only disc it would fail every time and no search would run).
    m_model->revertAll();
    m_model->select();
    throw AppError(message);
}

void CityCodesTable::deleteRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (!m_model->removeRow(row))
        throw AppError(SqliteConnection::messageOf(m_model->lastError()));
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
