#pragma once

#include "reference/SqliteConnection.h"

#include <QString>
#include <memory>

class QSqlTableModel;

// The filter expression that keeps the rows whose `field` begins with `typed`,
// case-sensitively; an empty expression (every row) when `typed` holds nothing
// but blanks and control characters. The typed text is used as typed, untrimmed,
// and every character of it is matched literally: an apostrophe is a character
// of the name, not the end of the expression.
QString prefixFilterExpression(const QString& field, const QString& typed);

// Whether a grid cell is drawn in the heading style: the Name cell of a row whose
// Id is exactly "1".
bool isHeadingCell(const QString& id, int column);

// The city dialling codes table GOROD.DB: its table model (what the grid and the
// navigator work on), the prefix filters of the two search fields, and the
// navigator's writes, each to the one row it was made on. Every refusal of the
// store is thrown as AppError with the store's own message.
class CityCodesTable {
public:
    // The three fields of the table, then the row id that identifies each row
    // in every change and delete (not a field of the file).
    enum Column { NameColumn = 0, KodColumn = 1, IdColumn = 2, RowIdColumn = 3 };

    CityCodesTable(const QString& filePath, const QString& connectionName);
    ~CityCodesTable();

    QSqlTableModel* model() const { return m_model.get(); }

    // The name field's and the code field's change: the edited field alone sets
    // the filter; the other field's text plays no part.
    void filterByName(const QString& typed);
    void filterByCode(const QString& typed);

    // Inserts an empty row before `row` (at the end when `row` is past it) and
    // returns its position. It is written by post().
    int insertRow(int row);
    // Writes pending edits and inserts, all or none. A written row that does
    // not match the filter leaves the list. A refusal leaves nothing pending
    // and the rows as the file holds them.
    void post();
    // Deletes the row from the table at once.
    void deleteRow(int row);
    bool hasPendingChanges() const;
    // Reads every row of the filtered result, for the navigator's "last".
    void fetchAll();
    QString id(int row) const;

private:
    void applyFilter(const QString& expression);
    void reselect();

    SqliteConnection m_connection;
    std::unique_ptr<QSqlTableModel> m_model;
};
