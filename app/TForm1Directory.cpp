#include "app/TForm1.h"

#include "app/FormLayout.h"
#include "app/NavigatorWindows.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>

using namespace FormLayout;

// The phone directory part of the main window: the grid, its pop-up menu, the
// record count and the buttons beside the grid.

void TForm1::createDirectoryGrid()
{
    m_label3 = place(new QLabel(QStringLiteral("Выбрано "), this), QStringLiteral("Label3"), QRect(8, 600, 60, 13));

    m_dbGrid1 = place(new QTableView(this), QStringLiteral("DBGrid1"), QRect(0, 616, 985, 97));
    auto* columns = new QStandardItemModel(0, 4, m_dbGrid1);
    columns->setHorizontalHeaderLabels({QStringLiteral("Телефон"), QStringLiteral("Фамилия И.О."),
                                        QStringLiteral("Адрес"), QStringLiteral("Коментарии")});
    m_dbGrid1->setModel(columns);
    m_dbGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_dbGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_dbGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_dbGrid1->verticalHeader()->setDefaultSectionSize(17);
    m_dbGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_dbGrid1, &QWidget::customContextMenuRequested, this, &TForm1::showGridMenu);

    m_popupMenu1 = new QMenu(this);
    m_popupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu* sortBy = m_popupMenu1->addMenu(QStringLiteral("Сортировать по"));
    sortBy->addAction(QStringLiteral("Телефон"));
    sortBy->addAction(QStringLiteral("Адрес"));
    sortBy->addAction(QStringLiteral("Фамилия И.О."));
    sortBy->addAction(QStringLiteral("Коментарий"));
    m_popupMenu1->addAction(QStringLiteral("Поиск"));
    m_popupMenu1->addAction(QStringLiteral("Добавить"));
    m_popupMenu1->addAction(QStringLiteral("Удалить"));
    m_popupMenu1->addAction(QStringLiteral("Изменить"));
    m_popupMenu1->addSeparator();
    QAction* exit = m_popupMenu1->addAction(QStringLiteral("Выход"));
    exit->setObjectName(QStringLiteral("N8"));
    connect(exit, &QAction::triggered, this, &TForm1::N8Click);

    pictureButton(this, QStringLiteral("SpeedButton2"), QRect(988, 616, 33, 49), QStringLiteral("edit-find"), 22,
                  QStringLiteral("Поиск на карте"));
    pictureButton(this, QStringLiteral("SpeedButton3"), QRect(988, 669, 33, 49), QStringLiteral("view-filter"), 22,
                  QStringLiteral("Поиск по таблице"));
}

void TForm1::showGridMenu(const QPoint& at)
{
    m_popupMenu1->popup(m_dbGrid1->viewport()->mapToGlobal(at));
}

void TForm1::openPhoneDirectory()
{
}
