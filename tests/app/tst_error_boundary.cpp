// Errors of the store raised by event handlers, as the user meets them: each is
// shown in the error box where the handler was called, the handler ends there,
// and the control that ran it (a pop-up menu, a dialog's buttons) goes on
// working. No error travels through Qt's own code to the application's last
// resort. The mouse goes through the window system, as a person's does.
#include "AppFolderFixture.h"
#include "ModalScript.h"

#include "app/NavigatorApplication.h"
#include "app/NavigatorWindows.h"
#include "app/Startup.h"
#include "base/AppTitle.h"
#include "directory/DirectoryModel.h"
#include "directory/DirectoryView.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>

using namespace ModalScripts;

namespace {

const QString kRefusal = QStringLiteral("удалять записи нельзя");
const QString kRefusedPhone = QStringLiteral("00000");
const QString kNoSuchPhone = QStringLiteral("нет такого номера");
// What reading the current record says while the query is closed.
const QString kClosedQuery = QStringLiteral("Query1: невозможно выполнить эту операцию с закрытым набором данных");

NavigatorApplication& app()
{
    return *static_cast<NavigatorApplication*>(qApp);
}

// Runs the statement on the table file past the program.
QStringList query(const QString& path, const QString& sql)
{
    QStringList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (!q.exec(sql))
                values << QStringLiteral("<error> ") + q.lastError().text();
            while (q.next())
                values << q.value(0).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return values;
}

// A click as the window system delivers it, at a point of the widget.
void click(QWidget* widget, QPoint at)
{
    QWindow* window = widget->window()->windowHandle();
    QVERIFY(window);
    QTest::mouseClick(window, Qt::LeftButton, {}, window->mapFromGlobal(widget->mapToGlobal(at)));
}

void click(QWidget* widget)
{
    click(widget, widget->rect().center());
}

} // namespace

class TestErrorBoundary : public QObject {
    Q_OBJECT

    // First, so that it goes last: the program's windows close before the folder goes.
    AppFolderFixture m_folder;
    NavigatorWindows m_windows;
    DirectoryView* m_view = nullptr;
    QMenu* m_menu = nullptr;
    int m_lastResort = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.ready());
        QCOMPARE(query(prdata(), QStringLiteral("create trigger keep before delete on prdata begin "
                                                "select raise(abort, '%1'); end").arg(kRefusal)),
                 QStringList());
        QCOMPARE(query(prdata(), QStringLiteral("create trigger refuse before insert on prdata when new.tel = '%1' "
                                                "begin select raise(abort, '%2'); end").arg(kRefusedPhone, kNoSuchPhone)),
                 QStringList());
        QVERIFY(m_folder.enter());
        QCOMPARE(startNavigator(app(), m_windows), StartOutcome::Running);
        QVERIFY(QTest::qWaitForWindowExposed(m_windows.form1.get()));
        m_view = m_windows.form1->findChild<DirectoryView*>(QStringLiteral("Query1"));
        m_menu = m_windows.form1->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
        QVERIFY(m_view && m_menu);
        m_view->confirm = [](QWidget*, const QString&) { return true; };
    }

    void init() { m_lastResort = app().errorsAtLastResort(); }
    // No error of the test reached the application's last resort.
    void cleanup() { QCOMPARE(app().errorsAtLastResort(), m_lastResort); }

    // "Удалить" refused by the store, then twice more on the query the refusal
    // left closed; the same menu then sorts.
    void popupMenuItemAfterThreeErrors()
    {
        ModalScript boxes;
        const QString count = query(prdata(), QStringLiteral("select count(*) from prdata")).value(0);
        for (int attempt = 1; attempt <= 3; ++attempt) {
            openGridMenu();
            chooseItem(m_menu, "N11");
            QStringList expected{kRefusal};
            while (expected.size() < attempt)
                expected << kClosedQuery;
            QCOMPARE(boxes.boxTexts(), expected);
            QVERIFY(!m_menu->isVisible());
        }
        QCOMPARE(query(prdata(), QStringLiteral("select count(*) from prdata")).value(0), count);

        openGridMenu();
        QAction* sortBy = m_menu->findChild<QAction*>(QStringLiteral("N1"));
        QVERIFY(sortBy && sortBy->menu());
        QMenu* fields = sortBy->menu();
        QTest::mousePress(m_menu->windowHandle(), Qt::LeftButton, {}, m_menu->actionGeometry(sortBy).center());
        QTest::mouseRelease(m_menu->windowHandle(), Qt::LeftButton, {}, m_menu->actionGeometry(sortBy).center());
        QTRY_VERIFY(fields->isVisible());
        chooseItem(fields, "N2");
        QCOMPARE(m_view->sortMark(), SortField::Tel);
        QVERIFY(m_view->isOpen());
        const QString firstPhone = query(prdata(), QStringLiteral("select tel from prdata order by tel limit 1")).value(0);
        QCOMPARE(m_view->model().data(m_view->model().index(0, 0)).toString(), firstPhone);
        QCOMPARE(boxes.boxTexts().size(), 3);
        // Each was the application's error box.
        for (const Seen& seen : boxes.seen)
            QCOMPARE(seen.title, applicationTitle());
    }

    // An insert the store refuses keeps the add dialog open with its texts;
    // its "Ок" then stores the corrected record and closes the dialog.
    void dialogButtonsAfterAnError()
    {
        ModalScript script;
        QStringList errors;
        QString keptPhone;
        script.then(QStringLiteral("TForm7"), [&](QWidget* w) {
            auto* add = static_cast<TForm7*>(w);
            add->Edit1->setText(kRefusedPhone);
            add->Edit2->setText(QStringLiteral("Новиков П.П."));
            click(add->Button1);
            errors = script.boxTexts();
            keptPhone = add->Edit1->text();
            if (!add->isVisible())
                return;
            add->Edit1->setText(QStringLiteral("29999"));
            click(add->Button1);
        });
        QVERIFY(inLoop([this] { m_windows.form1->findChild<QAction*>(QStringLiteral("N10"))->trigger(); }));
        QCOMPARE(script.stepsLeft(), 0);
        QCOMPARE(errors, QStringList{kNoSuchPhone});
        QCOMPARE(keptPhone, kRefusedPhone);
        QCOMPARE(script.boxTexts().size(), 1);
        QVERIFY(!m_windows.form7->isVisible());
        QCOMPARE(query(prdata(), QStringLiteral("select fio from prdata where tel = '29999'")),
                 QStringList{QStringLiteral("Новиков П.П.")});
        QCOMPARE(query(prdata(), QStringLiteral("select count(*) from prdata where tel = '%1'").arg(kRefusedPhone)),
                 QStringList{QStringLiteral("0")});
        QVERIFY(m_view->isOpen());
    }

private:
    QString prdata() const { return m_folder.path() + QStringLiteral("/prdata.db"); }

    // A right click on the grid, as the window system reports it.
    void openGridMenu()
    {
        QTableView& grid = m_view->grid();
        const QPoint at = grid.viewport()->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid.viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid.viewport(), &event);
        QTRY_VERIFY(m_menu->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(m_menu));
    }

    void chooseItem(QMenu* menu, const char* name)
    {
        QAction* item = menu->findChild<QAction*>(QLatin1String(name));
        if (!item) {
            for (QAction* a : menu->actions())
                item = a->objectName() == QLatin1String(name) ? a : item;
        }
        QVERIFY2(item, name);
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestErrorBoundary test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_error_boundary.moc"
