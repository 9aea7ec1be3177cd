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
// outline file are kept hidden in it as well.
class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(const QString& appDir, QWidget* parent = nullptr);
    ~TForm14() override;

    // What the main window's tool button does with this window: shows it modally.
    void showFromToolbar();

    EnterpriseTable& table() const { return *m_table; }

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

private:
    std::unique_ptr<EnterpriseTable> m_table;
};
