#pragma once

#include "reference/SqliteConnection.h"

#include <QString>
#include <memory>

class QSqlTableModel;

// The enterprise table bussines.db: its rows in table order with a current row,
// as the enterprise window's memo, grid and navigator see it. Every refusal of
// the store is thrown as AppError with the store's own message.
class EnterpriseTable {
public:
    EnterpriseTable(const QString& filePath, const QString& connectionName);
    ~EnterpriseTable();

    QSqlTableModel* model() const { return m_model.get(); }
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row) { m_currentRow = row; }

    // Makes current the first row, in table order, whose name begins with
    // `prefix` (case-sensitive). Without such a row the current row stays.
    bool locate(const QString& prefix);
    // The Info text of the current row; empty when the table has no rows.
    QString currentInfo() const;
    // Writes the name of every row, first to last, one per line, replacing the
    // file's content.
    void writeNames(const QString& filePath) const;

private:
    SqliteConnection m_connection;
    std::unique_ptr<QSqlTableModel> m_model;
    int m_nameColumn = -1;
    int m_infoColumn = -1;
    int m_currentRow = 0;
};

// The outline file the hidden buttons of the enterprise window write and read:
// "8.txt" in the system's temporary folder.
QString enterpriseOutlinePath();
