#include "directory/DirectoryStatement.h"

#include "directory/RussianText.h"

namespace DirectoryStatements {

namespace {

const QString kColumns = QStringLiteral("select tel, fio, adr, kom, rowid from prdata");
const QString kCount = QStringLiteral("select count(*) from prdata");

// Empty values are stored as empty text, never NULL.
QVariant text(const QString& value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

} // namespace

QString fieldName(SortField field)
{
    switch (field) {
    case SortField::Tel:
        return QStringLiteral("tel");
    case SortField::Adr:
        return QStringLiteral("adr");
    case SortField::Fio:
        return QStringLiteral("fio");
    case SortField::Kom:
        return QStringLiteral("kom");
    case SortField::None:
        break;
    }
    return QString();
}

DirectoryStatement selectAll()
{
    return {kColumns, {}, kCount};
}

DirectoryStatement orderedBy(DirectoryStatement select, SortField field)
{
    if (field != SortField::None)
        select.sql += QStringLiteral(" order by ") + fieldName(field) + QStringLiteral(" collate ")
            + QLatin1String(RussianText::kCollation);
    return select;
}

DirectoryStatement selectAllOrderedBy(SortField field)
{
    return orderedBy(selectAll(), field);
}

DirectoryStatement search(const QString& phone, const QString& name, const QString& street)
{
    QString where = QStringLiteral(" where tel like '%' || ? || '%'");
    QVariantList values{text(phone)};
    if (!name.isEmpty()) {
        where += QStringLiteral(" and fio like '%' || ? || '%'");
        values << text(name);
    }
    if (!street.isEmpty()) {
        where += QStringLiteral(" and adr like '%' || ? || '%'");
        values << text(street);
    }
    return {kColumns + where, values, kCount + where};
}

DirectoryStatement insert(const QString& tel, const QString& fio, const QString& adr, const QString& kom)
{
    return {QStringLiteral("insert into prdata (tel, fio, adr, kom) values(?, ?, ?, ?)"),
            {text(tel), text(fio), text(adr), text(kom)},
            QString()};
}

DirectoryStatement update(const QString& tel, const QString& fio, const QString& adr, const QString& kom,
                          const QVariant& rowId)
{
    return {QStringLiteral("update prdata set tel=?, fio=?, adr=?, kom=? where (rowid=?)"),
            {text(tel), text(fio), text(adr), text(kom), rowId},
            QString()};
}

DirectoryStatement remove(const QVariant& rowId)
{
    return {QStringLiteral("delete from prdata where (rowid=?)"), {rowId}, QString()};
}

} // namespace DirectoryStatements
