#include "reference/TForm8.h"

#include "app/AppPaths.h"
#include "app/WholeCharacters.h"
#include "base/HandlerBoundary.h"
#include "reference/CityCodesTable.h"
#include "reference/HeadingDelegate.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSqlTableModel>
#include <QTableView>
#include <QValidator>
#include <QVBoxLayout>

namespace {

// The heading style and the field widths of HeadingDelegate, with editors that
// cut a text only between characters.
class CityCodesDelegate : public HeadingDelegate {
public:
    using HeadingDelegate::HeadingDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = HeadingDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setValidator(new WholeCharacters(line));
        return editor;
    }
};

} // namespace

TForm8::TForm8(const QString& appDir, QWidget* parent)
    : QDialog(parent)
    , m_table(std::make_unique<CityCodesTable>(appFilePath(appDir, QStringLiteral("GOROD.DB")),
                                               QStringLiteral("TForm8.GOROD")))
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Коды городов Российской Федерации"));
    setFixedSize(285, 448);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(57);
    DBNavigator = new NavigatorBar(panel);
    DBNavigator->setObjectName(QStringLiteral("DBNavigator"));
    DBNavigator->setGeometry(6, 4, 273, 25);
    Label1 = new QLabel(QStringLiteral("Поиск"), panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 32, 40, 21);
    Edit1 = new QLineEdit(panel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(50, 32, 153, 21);
    Edit2 = new QLineEdit(panel);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(208, 32, 65, 21);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    QSqlTableModel* model = m_table->model();
    model->setHeaderData(CityCodesTable::NameColumn, Qt::Horizontal, QStringLiteral("Название"));
    model->setHeaderData(CityCodesTable::KodColumn, Qt::Horizontal, QStringLiteral("Код города"));
    DBGrid1->setModel(model);
    DBGrid1->setItemDelegate(new CityCodesDelegate(DBGrid1));
    DBGrid1->setColumnHidden(CityCodesTable::IdColumn, true);
    DBGrid1->setColumnHidden(CityCodesTable::RowIdColumn, true);
    DBGrid1->setColumnWidth(CityCodesTable::NameColumn, 182);
    DBGrid1->setColumnWidth(CityCodesTable::KodColumn, 80);
    DBGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(DBGrid1);

    confirmDelete = [this] {
        return QMessageBox::question(this, windowTitle(), QStringLiteral("Удалить запись?"),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
    };

    connect(Edit1, &QLineEdit::textChanged, this, handler(this, &TForm8::Edit1Change));
    connect(Edit2, &QLineEdit::textChanged, this, handler(this, &TForm8::Edit2Change));
    connect(DBNavigator, &NavigatorBar::clicked, this, handler(this, &TForm8::DBNavigatorClick));
    // Leaving a row writes its edits, as the table does for a grid bound to it.
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (!m_posting && previous.isValid() && m_table->hasPendingChanges())
                    QMetaObject::invokeMethod(this, handler([this, left = previous.row(), next = current.row()] {
                        postLeftRow(left, next);
                    }), Qt::QueuedConnection);
            });
    // The program can end with the window up (the desktop session ending):
    // nothing typed is lost then either.
    if (QCoreApplication* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, handler(this, &TForm8::postPendingEdits));
    goToRow(0);
}

TForm8::~TForm8()
{
    // The grid lets go of the model before the table closes its connection.
    DBGrid1->setModel(nullptr);
}

void TForm8::showFromToolbar()
{
    exec();
}

void TForm8::postPendingEdits()
{
    const QModelIndex current = DBGrid1->currentIndex();
    if (QWidget* editor = current.isValid() ? DBGrid1->indexWidget(current) : nullptr)
        DBGrid1->itemDelegateForIndex(current)->setModelData(editor, m_table->model(), current);
    if (m_table->hasPendingChanges())
        m_table->post();
}

void TForm8::done(int result)
{
    bool written = false;
    runHandler([&] {
        postPendingEdits();
        written = true;
    });
    if (written)
        QDialog::done(result);
}

void TForm8::Edit1Change()
{
    m_table->filterByName(Edit1->text());
    goToRow(0);
}

void TForm8::Edit2Change()
{
    m_table->filterByCode(Edit2->text());
    goToRow(0);
}

int TForm8::currentRow() const
{
    const QModelIndex current = DBGrid1->currentIndex();
    return current.isValid() ? current.row() : 0;
}

void TForm8::goToRow(int row)
{
    QSqlTableModel* model = m_table->model();
    if (model->rowCount() == 0)
        return;
    const int column = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().column()
                                                         : int(CityCodesTable::NameColumn);
    const QModelIndex target = model->index(std::clamp(row, 0, model->rowCount() - 1), column);
    m_posting = true;
    DBGrid1->setCurrentIndex(target);
    m_posting = false;
    DBGrid1->scrollTo(target);
}

void TForm8::postLeftRow(int, int newRow)
{
    if (!m_table->hasPendingChanges())
        return;
    m_table->post();
    goToRow(newRow);
}

void TForm8::DBNavigatorClick(NavigatorBar::Button button)
{
    DBGrid1->setFocus();
    const int row = currentRow();
    switch (button) {
    case NavigatorBar::First:
    case NavigatorBar::Prior:
    case NavigatorBar::Next:
    case NavigatorBar::Last: {
        if (m_table->hasPendingChanges())
            m_table->post();
        if (button == NavigatorBar::Last)
            m_table->fetchAll();
        const int target = button == NavigatorBar::First ? 0
            : button == NavigatorBar::Prior              ? row - 1
            : button == NavigatorBar::Next               ? row + 1
                                                         : m_table->model()->rowCount() - 1;
        goToRow(target);
        break;
    }
    case NavigatorBar::Insert: {
        if (m_table->hasPendingChanges())
            m_table->post();
        const int at = m_table->insertRow(m_table->model()->rowCount() == 0 ? 0 : currentRow());
        m_posting = true;
        DBGrid1->setCurrentIndex(m_table->model()->index(at, CityCodesTable::NameColumn));
        m_posting = false;
        break;
    }
    case NavigatorBar::Delete:
        if (m_table->model()->rowCount() > 0 && confirmDelete()) {
            m_table->deleteRow(row);
            goToRow(row);
        }
        break;
    case NavigatorBar::Post:
        m_table->post();
        goToRow(row);
        break;
    case NavigatorBar::ButtonCount:
        break;
    }
}
