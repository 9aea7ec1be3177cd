#pragma once

#include "reference/PostalFinder.h"
#include "reference/PostalTree.h"

#include <QDialog>

class PostalTreeModel;
class QLabel;
class QLineEdit;
class QToolBar;
class QToolButton;
class QTreeView;

// The text of the postal window's help button.
QString postalHelpText();

// The postal index window: the tree of regions, districts and localities with
// their indices, searched by a piece of a name or an index, match after match.
// The tree is read from the program's resources when the window is created,
// during the main window's start-up. The window keeps its fields, expanded
// nodes, selection, path label and last match from one opening to the next.
class TForm15 : public QDialog {
    Q_OBJECT
public:
    explicit TForm15(QWidget* parent = nullptr);
    ~TForm15() override;

    // What the main window's tool button does with this window: shows it modally.
    void showFromToolbar();

    // Searches from `start` for a node whose text contains `text`; a match is
    // selected, expanded into view and focused, becomes LastFoundIndex, and
    // below the top level puts its path into Label3. No match changes nothing.
    void FindTreeNode(const QString& text, int start);
    int LastFoundIndex() const { return m_finder.lastFoundIndex(); }

    const PostalTree& tree() const { return m_tree; }
    // The display-order position of the tree's selected node, or -1.
    int selectedNode() const;

    QToolBar* ToolBar1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QWidget* ToolBar2 = nullptr;
    QLabel* Label3 = nullptr;
    QTreeView* TreeView1 = nullptr;

    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton2Click();

private:
    void showFound(int node);

    PostalTree m_tree;
    PostalFinder m_finder;
    PostalTreeModel* m_model = nullptr;
};
