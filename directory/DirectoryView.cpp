#include "directory/DirectoryView.h"

#include "app/AppPaths.h"
#include "base/AppError.h"
#include "base/HandlerBoundary.h"
#include "directory/DirectoryModel.h"
#include "directory/TableStore.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QSqlRecord>
#include <QTableView>
#include <QTimer>

namespace {

// The store's word for reading from a closed query.
const QString kClosedQuery = QStringLiteral("Query1: невозможно выполнить эту операцию с закрытым набором данных");

int sortIndex(SortField field)
{
    switch (field) {
    case SortField::Tel:
        return 0;
    case SortField::Adr:
        return 1;
    case SortField::Fio:
        return 2;
    case SortField::Kom:
        return 3;
    case SortField::None:
        break;
    }
    return -1;
}

} // namespace

DirectoryView::DirectoryView(QTableView& grid, QLabel& countLabel, const std::array<QAction*, 4>& sortItems,
                             QObject* parent)
    : QObject(parent)
    , confirm(&DirectoryView::askYesNo)
    , m_grid(grid)
    , m_countLabel(countLabel)
    , m_sortItems(sortItems)
    , m_model(new DirectoryModel(this))
    , m_rest(new QTimer(this))
    , m_statement(DirectoryStatements::selectAll())
{
    m_rest->setInterval(0);
    connect(m_rest, &QTimer::timeout, this, handler(this, &DirectoryView::readMoreRows));
    setObjectName(QStringLiteral("Query1"));
    m_grid.setModel(m_model);
    m_grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid.setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid.setColumnWidth(0, 90);
    m_grid.setColumnWidth(1, 260);
    m_grid.setColumnWidth(2, 260);
    m_grid.horizontalHeader()->setStretchLastSection(true);
    for (QAction* item : m_sortItems) {
        if (item) {
            item->setCheckable(true);
            item->setChecked(false);
        }
    }
}

DirectoryView::~DirectoryView()
{
    // No query may outlive the connection it reads from.
    m_model->clear();
    m_store.reset();
}

TableStore& DirectoryView::store()
{
    if (!m_store) {
        if (m_appDir.isEmpty())
            throw AppError(kClosedQuery);
        m_store = std::make_unique<TableStore>(appFilePath(m_appDir, QStringLiteral("prdata.db")));
    }
    return *m_store;
}

void DirectoryView::closeQuery()
{
    m_rest->stop();
    if (m_open || m_model->query().isActive())
        m_model->clear();
    m_open = false;
}

void DirectoryView::OpenDirectory(const QString& appDir)
{
    m_appDir = appDir;
    closeQuery();
    m_store.reset();
    TableStore& tables = store();
    // The form's own statement is opened and closed at once, nothing read.
    m_statement = DirectoryStatements::selectAll();
    tables.select(m_statement).finish();
    ReloadDirectory(DirectoryStatements::selectAllOrderedBy(SortField::Fio));
    ShowRecordCount();
}

void DirectoryView::ReloadDirectory(const DirectoryStatement& select)
{
    closeQuery();
    m_statement = select;
    QSqlQuery query = store().select(select);
    m_model->setQuery(std::move(query));
    m_open = true;
    if (m_model->rowCount() > 0) {
        m_grid.setCurrentIndex(m_model->index(0, 0));
        m_grid.scrollToTop();
    }
    if (m_model->canFetchMore())
        m_rest->start();
}

void DirectoryView::readMoreRows()
{
    // A few fetches at a time keep the window responsive on a large result.
    for (int i = 0; i < 8 && m_model->canFetchMore(); ++i)
        m_model->fetchMore();
    // The last fetch ran the select to its end, which releases the read lock.
    if (!m_model->canFetchMore())
        m_rest->stop();
}

void DirectoryView::ExecuteDirectoryStatement(const DirectoryStatement& write)
{
    closeQuery();
    m_statement = write;
    store().execute(write);
}

void DirectoryView::ShowRecordCount()
{
    if (!m_open)
        return;
    m_countLabel.setText(RecordCountText(store().count(m_statement)));
    m_countLabel.adjustSize();
}

QString DirectoryView::RecordCountText(qint64 count)
{
    return QStringLiteral(" Выбрано ") + QString::number(count) + QStringLiteral(" записей");
}

void DirectoryView::SetSortMark(SortField field)
{
    m_mark = field;
    showSortMark();
}

void DirectoryView::showSortMark()
{
    const int on = sortIndex(m_mark);
    for (int i = 0; i < int(m_sortItems.size()); ++i) {
        if (m_sortItems[i])
            m_sortItems[i]->setChecked(i == on);
    }
}

SortField DirectoryView::sortMark() const
{
    return m_mark;
}

void DirectoryView::SortBy(SortField field, const QString& phone, const QString& name, const QString& street)
{
    // A checkable menu item turns its own mark over when chosen; the marks are
    // the directory's, and change only when the sort succeeds.
    showSortMark();
    ReloadDirectory(DirectoryStatements::orderedBy(DirectoryStatements::search(phone, name, street), field));
    SetSortMark(field);
}

DirectoryRecord DirectoryView::currentRecord() const
{
    if (!m_open)
        throw AppError(kClosedQuery);
    DirectoryRecord record;
    if (m_model->rowCount() == 0)
        return record;
    int row = m_grid.currentIndex().row();
    if (row < 0 || row >= m_model->rowCount())
        row = 0;
    const QSqlRecord values = m_model->record(row);
    record.tel = values.value(0).toString();
    record.fio = values.value(1).toString();
    record.adr = values.value(2).toString();
    record.kom = values.value(3).toString();
    record.rowId = values.value(kRowIdColumn);
    return record;
}

bool DirectoryView::askYesNo(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Подтверждение"), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
