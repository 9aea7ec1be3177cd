#include "app/TForm1.h"

#include "app/FormLayout.h"
#include "app/NavigatorWindows.h"
#include "base/HandlerBoundary.h"
#include "directory/DirectoryView.h"
#include "directory/StreetNameFromAddress.h"
#include "map/MapView.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QToolButton>

using namespace FormLayout;

// The phone directory part of the main window: the grid, its pop-up menu, the
// record count and the buttons beside the grid. The
// directory's logic is DirectoryView; the dialogs are TForm2, TForm7 and TForm9.
// Errors of the store are thrown as AppError and shown by the event loop; the
// rest of the operation does not run.

void TForm1::createDirectoryGrid()
{
    m_label3 = place(new QLabel(QStringLiteral("Выбрано "), this), QStringLiteral("Label3"), QRect(8, 600, 60, 13));

    m_dbGrid1 = place(new QTableView(this), QStringLiteral("DBGrid1"), QRect(0, 616, 985, 97));
    m_dbGrid1->verticalHeader()->setDefaultSectionSize(17);
    m_dbGrid1->verticalHeader()->hide();
    m_dbGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_dbGrid1, &QWidget::customContextMenuRequested, this, handler(this, &TForm1::showGridMenu));

    m_popupMenu1 = new QMenu(this);
    m_popupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [this](QMenu* menu, const char* name, const QString& caption, void (TForm1::*itemHandler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        if (itemHandler)
            connect(action, &QAction::triggered, this, ::handler(this, itemHandler));
        return action;
    };
    QMenu* sortBy = m_popupMenu1->addMenu(QStringLiteral("Сортировать по"));
    sortBy->menuAction()->setObjectName(QStringLiteral("N1"));
    QAction* n2 = item(sortBy, "N2", QStringLiteral("Телефон"), &TForm1::N2Click);
    QAction* n3 = item(sortBy, "N3", QStringLiteral("Адрес"), &TForm1::N3Click);
    QAction* n4 = item(sortBy, "N4", QStringLiteral("Фамилия И.О."), &TForm1::N4Click);
    QAction* n5 = item(sortBy, "N5", QStringLiteral("Коментарий"), &TForm1::N5Click);
    item(m_popupMenu1, "N6", QStringLiteral("Поиск"), &TForm1::N6Click);
    item(m_popupMenu1, "N10", QStringLiteral("Добавить"), &TForm1::N10Click);
    item(m_popupMenu1, "N11", QStringLiteral("Удалить"), &TForm1::N11Click);
    item(m_popupMenu1, "N9", QStringLiteral("Изменить"), &TForm1::N9Click);
    m_popupMenu1->addSeparator()->setObjectName(QStringLiteral("N7"));
    item(m_popupMenu1, "N8", QStringLiteral("Выход"), &TForm1::N8Click);

    m_directory = new DirectoryView(*m_dbGrid1, *m_label3, {n2, n3, n4, n5}, this);

    auto* onMap = pictureButton(this, QStringLiteral("SpeedButton2"), QRect(988, 616, 33, 49),
                                QStringLiteral("edit-find"), 22, QStringLiteral("Поиск на карте"));
    connect(onMap, &QToolButton::clicked, this, handler(this, &TForm1::SpeedButton2Click));
    auto* inTable = pictureButton(this, QStringLiteral("SpeedButton3"), QRect(988, 669, 33, 49),
                                  QStringLiteral("view-filter"), 22, QStringLiteral("Поиск по таблице"));
    connect(inTable, &QToolButton::clicked, this, handler(this, &TForm1::SpeedButton3Click));
}

void TForm1::showGridMenu(const QPoint& at)
{
    m_popupMenu1->popup(m_dbGrid1->viewport()->mapToGlobal(at));
}

void TForm1::openPhoneDirectory()
{
    m_directory->OpenDirectory(m_appDir);
}

void TForm1::sortDirectory(int field)
{
    // The search dialog's texts as they are now, confirmed or not; empty before
    // the dialog exists.
    QString phone;
    QString name;
    QString street;
    if (m_windows && m_windows->form2) {
        phone = m_windows->form2->phoneText();
        name = m_windows->form2->nameText();
        street = m_windows->form2->streetText();
    }
    m_directory->SortBy(static_cast<SortField>(field), phone, name, street);
}

void TForm1::N2Click()
{
    sortDirectory(int(SortField::Tel));
}

void TForm1::N3Click()
{
    sortDirectory(int(SortField::Adr));
}

void TForm1::N4Click()
{
    sortDirectory(int(SortField::Fio));
}

void TForm1::N5Click()
{
    sortDirectory(int(SortField::Kom));
}

void TForm1::N6Click()
{
    if (m_windows && m_windows->form2)
        m_windows->form2->showFor(*m_directory);
    RepaintViewport();
}

void TForm1::SpeedButton3Click()
{
    N6Click();
}

void TForm1::N10Click()
{
    if (m_windows && m_windows->form7)
        m_windows->form7->showFor(*m_directory);
    RepaintViewport();
}

void TForm1::N9Click()
{
    if (m_windows && m_windows->form9)
        m_windows->form9->showFor(*m_directory);
    RepaintViewport();
}

void TForm1::N11Click()
{
    const DirectoryRecord old = m_directory->currentRecord();
    const QString question = QStringLiteral("Удалить запись? \"") + old.tel + QStringLiteral(", ") + old.fio
        + QStringLiteral(" ... \"");
    if (m_directory->confirm(this, question)) {
        m_directory->ExecuteDirectoryStatement(DirectoryStatements::remove(old.rowId));
        m_directory->SetSortMark(SortField::Fio);
        m_directory->ReloadDirectory(DirectoryStatements::selectAllOrderedBy(SortField::Fio));
        m_directory->ShowRecordCount();
    }
    RepaintViewport();
}

void TForm1::SpeedButton2Click()
{
    const QString address = m_directory->currentRecord().adr;
    const QString name = StreetNameFromAddress(address);
    mapView().setDetailMode(true);
    GoToStreet(name);
}
