#include "reference/TForm15.h"

#include "base/HandlerBoundary.h"
#include "reference/PostalTreeModel.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QHBoxLayout>
#include <QVBoxLayout>

QString postalHelpText()
{
    return QStringLiteral("Поиск осуществляется по названию объекта или по индексу. ") + QStringLiteral("\n\r")
        + QStringLiteral("Возможно введение не полного названия объекта или индекса. ");
}

namespace {
QWidget* gap(int width, QWidget* parent)
{
    auto* spacer = new QWidget(parent);
    spacer->setFixedWidth(width);
    return spacer;
}
} // namespace

TForm15::TForm15(QWidget* parent)
    : QDialog(parent)
    , m_tree(PostalTree::fromResource())
    , m_finder(m_tree)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Почтовые индексы Российской Федерации"));
    resize(696, 480);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFixedHeight(33);
    ToolBar1->setIconSize(QSize(16, 16));
    Label1 = new QLabel(QStringLiteral("Название   "), ToolBar1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(ToolBar1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(121);
    Label2 = new QLabel(QStringLiteral("  Индекс   "), ToolBar1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit2 = new QLineEdit(ToolBar1);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFixedWidth(121);
    SpeedButton1 = new QToolButton(ToolBar1);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Найти"));
    SpeedButton1->setFixedHeight(23);
    SpeedButton3 = new QToolButton(ToolBar1);
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    SpeedButton3->setText(QStringLiteral("Наити далее"));
    SpeedButton3->setFixedHeight(23);
    SpeedButton2 = new QToolButton(ToolBar1);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    SpeedButton2->setToolTip(QStringLiteral("Справка"));
    SpeedButton2->setFixedHeight(23);
    ToolBar1->addWidget(Label1);
    ToolBar1->addWidget(Edit1);
    ToolBar1->addWidget(Label2);
    ToolBar1->addWidget(Edit2);
    ToolBar1->addWidget(gap(8, ToolBar1));
    ToolBar1->addWidget(SpeedButton1);
    ToolBar1->addWidget(SpeedButton3);
    ToolBar1->addWidget(gap(24, ToolBar1));
    ToolBar1->addWidget(SpeedButton2);

    // The path bar only holds the path label, which must take the bar's whole
    // width whatever the length of the path.
    ToolBar2 = new QWidget(this);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setFixedHeight(22);
    Label3 = new QLabel(ToolBar2);
    Label3->setObjectName(QStringLiteral("Label3"));
    auto* pathLayout = new QHBoxLayout(ToolBar2);
    pathLayout->setContentsMargins(4, 0, 4, 0);
    pathLayout->addWidget(Label3);

    m_model = new PostalTreeModel(m_tree, this);
    TreeView1 = new QTreeView(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(19);
    TreeView1->setUniformRowHeights(true);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setModel(m_model);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(ToolBar2);
    layout->addWidget(TreeView1);

    // Typing into one field empties the other; emptying it is no edit of its own.
    connect(Edit1, &QLineEdit::textEdited, Edit2, &QLineEdit::clear);
    connect(Edit2, &QLineEdit::textEdited, Edit1, &QLineEdit::clear);
    connect(SpeedButton1, &QToolButton::clicked, this, handler(this, &TForm15::SpeedButton1Click));
    connect(SpeedButton3, &QToolButton::clicked, this, handler(this, &TForm15::SpeedButton3Click));
    connect(SpeedButton2, &QToolButton::clicked, this, handler(this, &TForm15::SpeedButton2Click));
}

TForm15::~TForm15()
{
    TreeView1->setModel(nullptr);
}

void TForm15::showFromToolbar()
{
    exec();
}

void TForm15::SpeedButton1Click()
{
    showFound(m_finder.find(Edit1->text(), Edit2->text()));
}

void TForm15::SpeedButton3Click()
{
    showFound(m_finder.findNext(Edit1->text(), Edit2->text()));
}

void TForm15::SpeedButton2Click()
{
    QMessageBox::information(this, QGuiApplication::applicationDisplayName(), postalHelpText());
}

void TForm15::FindTreeNode(const QString& text, int start)
{
    showFound(m_finder.findFrom(text, start));
}

int TForm15::selectedNode() const
{
    const QModelIndexList selected = TreeView1->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : PostalTreeModel::nodeOf(selected.first());
}

void TForm15::showFound(int node)
{
    if (node == PostalTree::kNoNode)
        return;
    const QModelIndex index = m_model->indexOfNode(node);
    for (QModelIndex ancestor = index.parent(); ancestor.isValid(); ancestor = ancestor.parent())
        TreeView1->expand(ancestor);
    TreeView1->setCurrentIndex(index);
    TreeView1->scrollTo(index);
    TreeView1->setFocus();
    Label3->setText(m_finder.pathText());
}
