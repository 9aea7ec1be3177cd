#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "reference/NavigatorBar.h"

class CityCodesTable;
class QLabel;
class QLineEdit;
class QTableView;

// The city dialling codes window: the GOROD.DB table in a grid with a record
// navigator, and two search fields that narrow the rows to those whose name or
// code begins with the typed text. Heading rows (regions) are drawn grey and
// bold. The table is opened while the window is created and stays open; what
// is pending in the grid is written when the window closes and before the
// program ends.
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(const QString& appDir, QWidget* parent = nullptr);
    ~TForm8() override;

    // What the main window's tool button does with this window: shows it modally.
    void showFromToolbar();

    // Writes what the user has typed and not yet written: the text of a cell
    // still being edited, and the edits of the current row, which are
    // otherwise written when the cursor leaves the row.
    void postPendingEdits();
    // However the window closes (its close button, Escape, a caller), what is
    // pending is written first; when the store refuses it, its error is shown
    // and the window stays open with the rows as stored.
    void done(int result) override;

    CityCodesTable& table() const { return *m_table; }

    // Asked before a row is deleted; true deletes. A message box by default.
    std::function<bool()> confirmDelete;

    NavigatorBar* DBNavigator = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QTableView* DBGrid1 = nullptr;

    void Edit1Change();
    void Edit2Change();
    void DBNavigatorClick(NavigatorBar::Button button);

private:
    int currentRow() const;
    void goToRow(int row);
    void postLeftRow(int leftRow, int newRow);

    std::unique_ptr<CityCodesTable> m_table;
    bool m_posting = false;
};
