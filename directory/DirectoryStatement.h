#pragma once

#include <QString>
#include <QVariantList>

// One statement of the phone directory: its SQL text with "?" where a value
// goes, and the values, bound as parameters. No text a user typed is ever
// joined into the SQL, so quotes and apostrophes are searched for and stored as
// typed; the statements keep their meaning with bound values.
struct DirectoryStatement {
    QString sql;
    QVariantList values;
    // For a select: the statement that counts its rows (no order clause).
    QString countSql;

    bool operator==(const DirectoryStatement&) const = default;
};

// The sort items of the grid's pop-up menu, and "none".
enum class SortField { None, Tel, Adr, Fio, Kom };

// The column list of every select of the grid: the four fields in the grid's
// order, then the row id that identifies the current record.
inline constexpr int kRowIdColumn = 4;

namespace DirectoryStatements {

// "select * from prdata" (the whole table in the store's own order).
DirectoryStatement selectAll();
// "select * from prdata order by <field>", in the Russian alphabetical order.
DirectoryStatement selectAllOrderedBy(SortField field);
// SearchStatement of three texts, each already trimmed: the phone
// condition always, the name and street conditions only for a text that is
// not empty; each as "field like '%' || text || '%'", so that a "%" or "_" of
// a text stays a wildcard. No order clause.
DirectoryStatement search(const QString& phone, const QString& name, const QString& street);
// A select with the order fragment of a sort item added.
DirectoryStatement orderedBy(DirectoryStatement select, SortField field);

// The insert of one record.
DirectoryStatement insert(const QString& tel, const QString& fio, const QString& adr, const QString& kom);
// The update and delete, of the row with the given row id alone; with no
// row id (no current record) they match no row.
DirectoryStatement update(const QString& tel, const QString& fio, const QString& adr, const QString& kom,
                          const QVariant& rowId);
DirectoryStatement remove(const QVariant& rowId);

// The field name of a sort item ("tel", "adr", "fio", "kom"); empty for none.
QString fieldName(SortField field);

} // namespace DirectoryStatements
