#include "reference/TForm14.h"

#include "app/AppPaths.h"
#include "base/AppError.h"
#include "base/HandlerBoundary.h"
#include "reference/EnterpriseTable.h"
#include "reference/NavigatorBar.h"
#include "reference/Outline.h"

#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlTableModel>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>

namespace {
const QString kTreeResource = QStringLiteral(":/data/reference/enterprise-tree.txt");

// Tree and memo sit on the window's own background and write in navy.
void useFormColours(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    palette.setColor(QPalette::Text, QColor(0, 0, 128));
    widget->setPalette(palette);
}
} // namespace

TForm14::TForm14(const QString& appDir, QWidget* parent)
    : QDialog(parent)
    , m_tablePath(appFilePath(appDir, QStringLiteral("bussines.db")))
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Справочник предприятий и организаций"));
    setFixedSize(710, 485);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 0, 710, 29);

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setGeometry(0, 32, 321, 449);
    TreeView1->setFrameShape(QFrame::NoFrame);
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(19);
    useFormColours(TreeView1);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::VLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(327, 32, 3, 449);

    DBMemo1 = new QPlainTextEdit(this);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setGeometry(336, 32, 369, 449);
    DBMemo1->setFrameShape(QFrame::NoFrame);
    DBMemo1->setReadOnly(true);
    useFormColours(DBMemo1);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->hide();
    DBNavigator1 = new NavigatorBar(this);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->hide();
    Button1 = new QPushButton(QStringLiteral("Button1"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->hide();
    Button2 = new QPushButton(QStringLiteral("Button2"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->hide();

    QFile treeFile(kTreeResource);
    if (!treeFile.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(kTreeResource, treeFile.errorString()));
    fillTree(TreeView1, parseOutline(QString::fromUtf8(treeFile.readAll())));

    connect(TreeView1, &QTreeWidget::currentItemChanged, this, handler(this, &TForm14::TreeView1Change));
    connect(Button1, &QPushButton::clicked, this, handler(this, &TForm14::Button1Click));
    connect(Button2, &QPushButton::clicked, this, handler(this, &TForm14::Button2Click));
}

TForm14::~TForm14()
{
    DBGrid1->setModel(nullptr);
}

EnterpriseTable& TForm14::table()
{
    if (!m_table) {
        m_table = std::make_unique<EnterpriseTable>(m_tablePath, QStringLiteral("TForm14.bussines"));
        DBGrid1->setModel(m_table->model());
        DBMemo1->setPlainText(m_table->currentInfo());
    }
    return *m_table;
}

void TForm14::showFromToolbar()
{
    table();
    exec();
}

void TForm14::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    runHandler([this] { table(); });
}

void TForm14::TreeView1Change(QTreeWidgetItem* node)
{
    if (!node)
        return;
    if (table().locate(node->text(0)))
        DBMemo1->setPlainText(table().currentInfo());
}

void TForm14::Button1Click()
{
    fillTree(TreeView1, readOutlineFile(enterpriseOutlinePath()));
}

void TForm14::Button2Click()
{
    table().writeNames(enterpriseOutlinePath());
}
