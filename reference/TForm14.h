#pragma once

#include <QDialog>
#include <memory>

class EnterpriseTable;
class NavigatorBar;
class QFrame;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// The enterprise directory: a fixed tree of the town's authorities and
// enterprises and, beside it, the description (Info) of the entry chosen, read
// from bussines.db. The main window's button for it is hidden, so users never
// see it; a grid, a navigator and two buttons that write and read the tree as an
// outline file are kept hidden in it as well. The table is opened when the
// window is shown, not when it is created, so that a damaged or missing file
// stops nothing but the showing.
class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(const QString& appDir, QWidget* parent = nullptr);
    ~TForm14() override;

    // What the main window's tool button does with this window: opens the
    // table and shows the window modally. A table that cannot be opened is the
    // store's error, and the window is not shown.
    void showFromToolbar();

    // The table, opened on its first use (throws the store's error); the
    // memo then shows the first record's description.
    EnterpriseTable& table();

    QToolBar* ToolBar1 = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QPlainTextEdit* DBMemo1 = nullptr;
    QTableView* DBGrid1 = nullptr;
    NavigatorBar* DBNavigator1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    void TreeView1Change(QTreeWidgetItem* node);
    // Replaces the tree with the outline file "8.txt" of the temporary folder.
    void Button1Click();
    // Writes the name of every record into "8.txt" of the temporary folder.
    void Button2Click();

protected:
    // A window shown by other means opens its table too; its error is shown.
    void showEvent(QShowEvent* event) override;

private:
    QString m_tablePath;
    std::unique_ptr<EnterpriseTable> m_table;
};
