// The phone directory in the running program: the main window's grid with
// its pop-up menu, count and sort marks, the search, add and change dialogs,
// the delete question and "Поиск на карте", each operation with what it leaves
// behind. The program is started once, in an application folder of the test's
// own; each test writes the phone directory afresh and reopens it.
#include "NavigatorFixture.h"

#include "base/AppTitle.h"
#include "directory/DirectoryModel.h"
#include "directory/RussianText.h"
#include "directory/TrimmedText.h"
#include "map/MapView.h"
#include "map/StreetCatalogue.h"
#include "map/StreetFinder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace DirectoryFixture;

namespace {

const QList<Row> kTown = {
    {"21455", "Иванов И.И.", "Ленина 25 кв 3", ""},
    {"23310", "Петрова А.С.", "Мира 12", "врач"},
    {"22017", "Сидоренко В.П.", "50 лет Октября 7 кв 14", ""},
    {"24488", "Аптека №1", "Ленина 40", "круглосуточно"},
    {"21102", "Ковалёв Н.Г.", "Привокзальная 3", ""},
    {"", "иванова т.п.", "Садовая 1", "без телефона"},
    {"25001", "Ёлкин С.С.", "Восточная промзона", "склад"},
    {"26002", "Елкин А.А.", "ул. Ленина 5", ""},
};

const QStringList kByName = {"Аптека №1",   "Елкин А.А.",  "Ёлкин С.С.",   "Иванов И.И.",
                             "иванова т.п.", "Ковалёв Н.Г.", "Петрова А.С.", "Сидоренко В.П."};

QStringList column(const QList<Row>& rows, int c)
{
    QStringList values;
    for (const Row& r : rows)
        values << (c == 0 ? r.tel : c == 1 ? r.fio : c == 2 ? r.adr : r.kom);
    return values;
}

bool sortedRussian(const QStringList& values)
{
    for (int i = 0; i + 1 < values.size(); ++i) {
        if (RussianText::compare(values[i], values[i + 1]) > 0)
            return false;
    }
    return true;
}

QString trickyControls()
{
    return QStringLiteral("a") + QChar(1) + QChar(2) + QChar(7) + QChar(8) + QChar(0x1b) + QStringLiteral("b")
        + QChar(0x7f) + QStringLiteral("c");
}

QString longText()
{
    QString text;
    while (text.size() < 10000)
        text += QStringLiteral("Длинный текст Long text ё№%_\\'\" ");
    text.truncate(10000);
    return trimmedText(text);
}

} // namespace

class TestDirectoryWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_app.prepare(QStringLiteral(TALV_APPDATA_DIR), kTown));
        QCOMPARE(m_app.start(), QString());
        m_main = m_app.main;
        m_view = m_app.view;
        m_label3 = m_app.label3;
        m_startRows = gridRows();
        m_startLabel = m_label3->text();
        m_startMarks = marks();
        m_startCurrentRow = m_view->grid().currentIndex().row();
    }

    void init() { reset(kTown); }

    // --- The grid, start-up, sorting ------------------------------

    void startUpListsByNameWithNoMark()
    {
        QCOMPARE(column(m_startRows, 1), kByName);
        QCOMPARE(m_startLabel, QStringLiteral(" Выбрано 8 записей"));
        QCOMPARE(m_startMarks, QString());
        QCOMPARE(m_startCurrentRow, 0);
        QVERIFY(m_view->isOpen());
    }

    void gridColumnsAndReadOnly()
    {
        auto* grid = m_main->findChild<QTableView*>(QStringLiteral("DBGrid1"));
        QVERIFY(grid);
        QCOMPARE(grid->model(), static_cast<QAbstractItemModel*>(&m_view->model()));
        QStringList captions;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            captions << grid->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(captions, QStringList({"Телефон", "Фамилия И.О.", "Адрес", "Коментарии"}));
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!(grid->model()->flags(grid->model()->index(0, 1)) & Qt::ItemIsEditable));
        QVERIFY(!grid->model()->setData(grid->model()->index(0, 1), QStringLiteral("x")));
        QCOMPARE(readDirectory(path()), kTown);
    }

    void popupMenuItems()
    {
        auto* menu = m_main->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
        QVERIFY(menu);
        QStringList names;
        QStringList captions;
        for (QAction* a : menu->actions()) {
            names << a->objectName();
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        QCOMPARE(names, QStringList({"N1", "N6", "N10", "N11", "N9", "N7", "N8"}));
        QCOMPARE(captions, QStringList({"Сортировать по", "Поиск", "Добавить", "Удалить", "Изменить", "-", "Выход"}));
        QMenu* sortBy = menu->actions().first()->menu();
        QVERIFY(sortBy);
        names.clear();
        captions.clear();
        for (QAction* a : sortBy->actions()) {
            names << a->objectName();
            captions << a->text();
            QVERIFY(a->isCheckable());
        }
        QCOMPARE(names, QStringList({"N2", "N3", "N4", "N5"}));
        QCOMPARE(captions, QStringList({"Телефон", "Адрес", "Фамилия И.О.", "Коментарий"}));
    }

    void buttonsBesideTheGrid()
    {
        auto* onMap = m_main->findChild<QToolButton*>(QStringLiteral("SpeedButton2"));
        auto* inTable = m_main->findChild<QToolButton*>(QStringLiteral("SpeedButton3"));
        QVERIFY(onMap && inTable);
        QCOMPARE(onMap->toolTip(), QStringLiteral("Поиск на карте"));
        QCOMPARE(inTable->toolTip(), QStringLiteral("Поиск по таблице"));
        // "Поиск по таблице" opens the search dialog.
        DialogDriver driver;
        inTable->click();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(driver.classNames(), QStringList({"TForm2"}));
        QCOMPARE(driver.seen[0].title, QStringLiteral("Поиск"));
    }

    void recordCountText()
    {
        QCOMPARE(DirectoryView::RecordCountText(0), QStringLiteral(" Выбрано 0 записей"));
        QCOMPARE(DirectoryView::RecordCountText(1), QStringLiteral(" Выбрано 1 записей"));
        QCOMPARE(DirectoryView::RecordCountText(200000), QStringLiteral(" Выбрано 200000 записей"));
    }

    void sortBeforeAnySearch_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("field");
        QTest::newRow("Телефон") << "N2" << 0;
        QTest::newRow("Адрес") << "N3" << 2;
        QTest::newRow("Фамилия И.О.") << "N4" << 1;
        QTest::newRow("Коментарий") << "N5" << 3;
    }
    void sortBeforeAnySearch()
    {
        QFETCH(QString, item);
        QFETCH(int, field);
        // Another program removes a record: the count is not refreshed by a sort.
        QCOMPARE(sqlExec(path(), QStringLiteral("delete from prdata where tel='21102'")), QString());
        action(item)->trigger();
        const QList<Row> rows = gridRows();
        // Empty search texts: "%%" for the phone, which an empty phone matches too.
        QCOMPARE(rows.size(), kTown.size() - 1);
        QVERIFY2(sortedRussian(column(rows, field)), qPrintable(describe(rows)));
        QCOMPARE(marks(), item);
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 8 записей"));
        QCOMPARE(m_view->grid().currentIndex().row(), 0);
    }

    void sortAppliesTheSearchTextsEvenCancelled()
    {
        const QList<Row> before = gridRows();
        form2().Edit2->setText(QStringLiteral("  иванов "));
        DialogDriver driver;
        driver.then([](QWidget* w) { qobject_cast<TForm2*>(w)->Button3->click(); });
        action("N6")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(gridRows(), before); // the cancelled search changed nothing
        action("N3")->trigger();
        QCOMPARE(column(gridRows(), 1), QStringList({"Иванов И.И.", "иванова т.п."}));
        QCOMPARE(marks(), QStringLiteral("N3"));
        // The list shrank, the count stays.
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 8 записей"));
    }

    // --- The search dialog -----------------------------------------

    void searchDialogForm()
    {
        TForm2& f = form2();
        QCOMPARE(f.windowTitle(), QStringLiteral("Поиск"));
        QCOMPARE(f.size(), QSize(373, 151));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QCOMPARE(f.Label1->text(), QStringLiteral("Телефон"));
        QCOMPARE(f.Label2->text(), QStringLiteral("Ф.И.О / Организация"));
        QCOMPARE(f.Label4->text(), QStringLiteral("Улица"));
        QCOMPARE(f.Button1->text(), QStringLiteral("Ок"));
        QCOMPARE(f.Button2->text(), QStringLiteral("Очистить"));
        QCOMPARE(f.Button3->text(), QStringLiteral("Отмена"));
        QCOMPARE(f.Edit1->maxLength(), 10);
        for (QWidget* hidden : {static_cast<QWidget*>(f.Edit4), static_cast<QWidget*>(f.Edit5),
                                static_cast<QWidget*>(f.Label5), static_cast<QWidget*>(f.Label6)})
            QVERIFY(hidden->isHidden());
        QVERIFY(f.ComboBox1->isEditable());
        const QStringList names = comboStreetNames();
        QCOMPARE(int(names.size()), 82);
        QCOMPARE(items(*f.ComboBox1), names);
        QCOMPARE(items(*form7().ComboBox1), names);
        f.Edit1->setText(QStringLiteral("12345678901234"));
        QCOMPARE(f.Edit1->text(), QStringLiteral("1234567890"));
    }

    void searchOkFiltersCountsAndKeepsTheMark()
    {
        action("N2")->trigger();
        TForm2& f = form2();
        f.Edit1->setText(QStringLiteral("2"));
        f.Edit2->setText(QStringLiteral("   "));
        f.ComboBox1->setEditText(QStringLiteral(" Ленина "));
        f.setDirectory(m_view);
        f.Button1->click();
        // Containment, the store's order, no order clause.
        QCOMPARE(column(gridRows(), 0), QStringList({"21455", "24488", "26002"}));
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 3 записей"));
        QCOMPARE(marks(), QStringLiteral("N2"));
        QVERIFY(!m_view->statement().sql.contains(QStringLiteral("order")));
        QCOMPARE(m_view->statement().values, QVariantList({"2", "Ленина"}));
    }

    void searchIgnoresCaseAndKeepsWildcards_data()
    {
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("street");
        QTest::addColumn<QStringList>("fio");
        QTest::newRow("all empty") << "" << "" << "" << column(kTown, 1);
        QTest::newRow("capitals find small letters") << "" << "ИВАНОВ" << "" << QStringList({"Иванов И.И.", "иванова т.п."});
        QTest::newRow("Ё finds ё") << "" << "ёлкин" << "" << QStringList({"Ёлкин С.С."});
        QTest::newRow("street inside a longer text") << "" << "" << "ленина" << QStringList({"Иванов И.И.", "Аптека №1", "Елкин А.А."});
        QTest::newRow("percent sign") << "2%5" << "" << "" << QStringList({"Иванов И.И.", "Ёлкин С.С."});
        QTest::newRow("underscore") << "2_0" << "" << "" << QStringList({"Сидоренко В.П.", "Ёлкин С.С.", "Елкин А.А."});
        QTest::newRow("phone with no match") << "99" << "" << "" << QStringList();
        QTest::newRow("a street not in the list") << "" << "" << "промзона" << QStringList({"Ёлкин С.С."});
        QTest::newRow("quote") << "" << "\"" << "" << QStringList();
    }
    void searchIgnoresCaseAndKeepsWildcards()
    {
        QFETCH(QString, phone);
        QFETCH(QString, name);
        QFETCH(QString, street);
        QFETCH(QStringList, fio);
        TForm2& f = form2();
        f.Edit1->setText(phone);
        f.Edit2->setText(name);
        f.ComboBox1->setEditText(street);
        f.setDirectory(m_view);
        QCOMPARE(errorOf([&] { f.Button1->click(); }), QString());
        QCOMPARE(column(gridRows(), 1), fio);
        QCOMPARE(m_label3->text(), DirectoryView::RecordCountText(fio.size()));
    }

    void searchTextsStayUntilCleared()
    {
        TForm2& f = form2();
        f.Edit1->setText(QStringLiteral("214"));
        f.Edit2->setText(QStringLiteral("Иванов"));
        f.ComboBox1->setEditText(QStringLiteral("Ленина"));
        f.Edit4->setText(QStringLiteral("5"));
        f.Edit5->setText(QStringLiteral("6"));
        DialogDriver driver;
        QStringList seenTexts;
        driver.then([&](QWidget* w) {
            auto* d = qobject_cast<TForm2*>(w);
            seenTexts << d->Edit1->text() << d->Edit2->text() << d->ComboBox1->currentText();
            d->Button2->click(); // "Очистить": the dialog stays open
            seenTexts << QString::number(d->isVisible());
            seenTexts << d->Edit1->text() + d->Edit2->text() + d->ComboBox1->currentText() + d->Edit4->text()
                    + d->Edit5->text();
            d->Button3->click();
        });
        action("N6")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(seenTexts, QStringList({"214", "Иванов", "Ленина", "1", ""}));
        QCOMPARE(gridRows(), m_startRows); // not rerun
        // After "Очистить" and "Отмена" a sort lists what an empty search lists.
        action("N4")->trigger();
        QCOMPARE(column(gridRows(), 1), kByName);
    }

    void searchKeys()
    {
        TForm2& f = form2();
        DialogDriver driver;
        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TForm2*>(w);
            d->Edit1->setText(QStringLiteral("214"));
            QTest::keyClick(d->Edit1, Qt::Key_Return);
        });
        action("N6")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(column(gridRows(), 0), QStringList({"21455"}));
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 1 записей"));

        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TForm2*>(w);
            d->Edit1->clear();
            d->Edit2->setText(QStringLiteral("Петрова"));
            QTest::keyClick(d->Edit2, Qt::Key_Escape);
        });
        action("N6")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(column(gridRows(), 0), QStringList({"21455"}));

        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TForm2*>(w);
            d->Edit2->clear();
            d->ComboBox1->setEditText(QStringLiteral("Мира"));
            QTest::keyClick(d->ComboBox1->lineEdit(), Qt::Key_Enter);
        });
        action("N6")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(column(gridRows(), 0), QStringList({"23310"}));
        QCOMPARE(f.ComboBox1->count(), 82); // the typed street was not added to the list
        QCOMPARE(driver.classNames(), QStringList({"TForm2", "TForm2", "TForm2"}));
    }

    // The street boxes of both dialogs keep exactly what is typed: no name is
    // completed into the box, whatever the case, and the search looks for the
    // typed text; the drop-down still offers every name.
    void streetBoxesKeepWhatIsTyped_data()
    {
        QTest::addColumn<bool>("search");
        QTest::addColumn<QString>("typed");
        for (const bool search : {true, false}) {
            for (const char* typed : {"Со", "со", "Ленин", "ленина"})
                QTest::addRow("%s, %s", search ? "search" : "add", typed) << search << QString::fromUtf8(typed);
        }
    }

    void streetBoxesKeepWhatIsTyped()
    {
        QFETCH(bool, search);
        QFETCH(QString, typed);
        QDialog& dialog = search ? static_cast<QDialog&>(form2()) : static_cast<QDialog&>(form7());
        QComboBox* box = search ? form2().ComboBox1 : form7().ComboBox1;
        dialog.show();
        const auto hidden = qScopeGuard([&dialog] { dialog.hide(); });
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        box->setEditText(QString());
        box->lineEdit()->setFocus();
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, box->lineEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(box->currentText(), typed);
        QCOMPARE(box->lineEdit()->selectedText(), QString());
        if (!search) {
            // Enter has no meaning in the add dialog, and takes no name either.
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
            QCOMPARE(box->currentText(), typed);
        }
        QCOMPARE(items(*box), comboStreetNames());
        if (search) {
            QCOMPARE(form2().streetText(), typed);
            form2().setDirectory(m_view);
            form2().Button1->click();
            QCOMPARE(m_view->statement().values, QVariantList({"", typed}));
        }
    }

    // --- Adding -----------------------------------------------------------

    void addDialogForm()
    {
        TForm7& f = form7();
        QCOMPARE(f.windowTitle(), QStringLiteral("Добавить запись"));
        QCOMPARE(f.size(), QSize(462, 169));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QCOMPARE(f.Label1->text(), QStringLiteral("Телефон"));
        QCOMPARE(f.Label2->text(), QStringLiteral("Фамилия И О"));
        QCOMPARE(f.Label3->text(), QStringLiteral("Адрес"));
        QCOMPARE(f.Label4->text(), QStringLiteral("Коментарий"));
        QCOMPARE(f.Label5->text(), QStringLiteral("дом"));
        QCOMPARE(f.Label6->text(), QStringLiteral("кв."));
        QCOMPARE(f.Button1->text(), QStringLiteral("Ок"));
        QCOMPARE(f.Button2->text(), QStringLiteral("Отмена"));
        QVERIFY(f.ComboBox1->isEditable());
        for (QLineEdit* e : {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.ComboBox1->lineEdit()})
            QVERIFY(e->maxLength() >= 1000000); // no length limit
    }

    void addStoresListsAllAndClearsTheMark()
    {
        action("N4")->trigger();
        form7().Edit1->setText(QStringLiteral("left over"));
        DialogDriver driver;
        QStringList atOpening;
        driver.then([&](QWidget* w) {
            auto* d = qobject_cast<TForm7*>(w);
            atOpening << d->Edit1->text() << d->Edit2->text() << d->ComboBox1->currentText() << d->Edit3->text()
                      << d->Edit4->text() << d->Edit5->text();
            d->Edit1->setText(QStringLiteral(" 29999 "));
            d->Edit2->setText(QStringLiteral("Новиков П.П."));
            d->ComboBox1->setEditText(QStringLiteral("Мира"));
            d->Edit3->setText(QStringLiteral("5"));
            d->Edit4->setText(QStringLiteral("12"));
            d->Edit5->setText(QStringLiteral("новый\t"));
            d->Button1->click();
        });
        action("N10")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(driver.classNames(), QStringList({"TForm7"}));
        QCOMPARE(atOpening, QStringList({"", "", "", "", "", ""}));
        QList<Row> expected = kTown;
        expected.append({"29999", "Новиков П.П.", "Мира 5 кв 12", "новый"});
        QCOMPARE(readDirectory(path()), expected);
        QCOMPARE(gridRows(), expected); // the store's own order
        QCOMPARE(marks(), QString());
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 9 записей"));
        QCOMPARE(m_view->grid().currentIndex().row(), 0);
    }

    void addJoinsTheAddress_data()
    {
        QTest::addColumn<QString>("street");
        QTest::addColumn<QString>("house");
        QTest::addColumn<QString>("flat");
        QTest::addColumn<QString>("adr");
        QTest::newRow("street, house and flat") << "Мира" << "5" << "12" << "Мира 5 кв 12";
        QTest::newRow("street alone") << "Мира" << "" << "" << "Мира";
        QTest::newRow("street and flat") << "Мира" << "" << "3" << "Мира кв 3";
        QTest::newRow("a house without a street") << "" << "5" << "" << " 5";
        QTest::newRow("a flat alone") << "" << "" << "3" << " кв 3";
        QTest::newRow("house of blanks") << "Мира" << "   " << "" << "Мира";
        QTest::newRow("blanks trimmed") << "  Мира  " << " 5 " << " 7 " << "Мира 5 кв 7";
        QTest::newRow("several words") << "50 лет Октября" << "7а" << "" << "50 лет Октября 7а";
        QTest::newRow("nothing") << "" << "" << "" << "";
    }
    void addJoinsTheAddress()
    {
        QFETCH(QString, street);
        QFETCH(QString, house);
        QFETCH(QString, flat);
        QFETCH(QString, adr);
        writeDirectory(path(), {});
        m_view->OpenDirectory(m_app.folder());
        TForm7& f = form7();
        f.clearFields();
        f.ComboBox1->setEditText(street);
        f.Edit3->setText(house);
        f.Edit4->setText(flat);
        f.setDirectory(m_view);
        f.Button1->click();
        QCOMPARE(readDirectory(path()), QList<Row>({{"", "", adr, ""}}));
    }

    void addEmptyRecordAndDuplicates()
    {
        TForm7& f = form7();
        f.setDirectory(m_view);
        f.clearFields();
        f.Button1->click();
        f.Edit1->setText(QStringLiteral("21455"));
        f.Edit2->setText(QStringLiteral("Иванов И.И."));
        f.ComboBox1->setEditText(QStringLiteral("Ленина"));
        f.Edit3->setText(QStringLiteral("25"));
        f.Edit4->setText(QStringLiteral("3"));
        f.Button1->click();
        f.Button1->click();
        const QList<Row> rows = readDirectory(path());
        QCOMPARE(rows.mid(kTown.size()),
                 QList<Row>({{"", "", "", ""}, kTown[0], kTown[0]})); // empty text, not NULL; no duplicate check
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 11 записей"));
        // The search dialog's texts filter the next sort again.
        form2().Edit2->setText(QStringLiteral("Иванов И"));
        action("N2")->trigger();
        QCOMPARE(column(gridRows(), 1), QStringList({"Иванов И.И.", "Иванов И.И.", "Иванов И.И."}));
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 11 записей"));
    }

    void addKeysHaveNoMeaning()
    {
        DialogDriver driver;
        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TForm7*>(w);
            d->Edit1->setText(QStringLiteral("27777"));
            QTest::keyClick(d->Edit1, Qt::Key_Return);
            QTest::keyClick(d->Edit2, Qt::Key_Escape);
            QTest::keyClick(d->ComboBox1->lineEdit(), Qt::Key_Enter);
        });
        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TForm7*>(w);
            QVERIFY(d && d->isVisible());
            d->Button2->click();
        });
        action("N10")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(driver.classNames(), QStringList({"TForm7", "TForm7"}));
        QCOMPARE(readDirectory(path()), kTown);
    }

    // --- Changing and deleting -------------------------------------

    void changeDialogForm()
    {
        TForm9& f = form9();
        QCOMPARE(f.windowTitle(), QStringLiteral("Изменить"));
        QCOMPARE(f.size(), QSize(393, 157));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QCOMPARE(f.Label1->text(), QStringLiteral("Телефон"));
        QCOMPARE(f.Label2->text(), QStringLiteral("Фамилия И.О. / Организация"));
        QCOMPARE(f.Label3->text(), QStringLiteral("Адрес"));
        QCOMPARE(f.Label4->text(), QStringLiteral("Коментарий"));
        QCOMPARE(f.Button1->text(), QStringLiteral("Изменить"));
        QCOMPARE(f.Button2->text(), QStringLiteral("Отмена"));
    }

    void changeStoresTheCurrentRowAlone()
    {
        const Row twin{" 27000 ", "  Пробелов П.П. ", "Мира 1 ", " x"};
        reset({kTown[0], twin, twin, kTown[1]});
        const int second = rowWhere([&](const Row& r) { return r == twin; }, 2);
        selectRow(second);
        DialogDriver driver;
        QStringList shown;
        driver.then([&](QWidget* w) {
            auto* d = qobject_cast<TForm9*>(w);
            shown << d->Edit1->text() << d->Edit2->text() << d->Edit3->text() << d->Edit4->text();
            d->Edit2->setText(QStringLiteral(" Пробелова П.П.  "));
            d->Edit3->setText(QStringLiteral("Садовая 2"));
            d->Button1->click();
        });
        action("N9")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(driver.classNames(), QStringList({"TForm9"}));
        QCOMPARE(shown, QStringList({"27000", "Пробелов П.П.", "Мира 1", "x"}));
        QCOMPARE(m_questions, QStringList({"Изменить запись?"}));
        // One of the twins changed, stored trimmed; the other is as it was.
        const QList<Row> after = readDirectory(path());
        const Row changed{"27000", "Пробелова П.П.", "Садовая 2", "x"};
        QCOMPARE(int(after.size()), 4);
        QCOMPARE(after[0], kTown[0]);
        QCOMPARE(after[3], kTown[1]);
        QVERIFY2((after[1] == twin && after[2] == changed) || (after[1] == changed && after[2] == twin),
                 qPrintable(describe(after)));
        QCOMPARE(marks(), QStringLiteral("N4"));
        QVERIFY(sortedRussian(column(gridRows(), 1)));
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 4 записей"));
        QCOMPARE(m_view->grid().currentIndex().row(), 0);
    }

    void changeAnswerNoKeepsTheDialogOpen()
    {
        action("N2")->trigger();
        m_answer = false;
        DialogDriver driver;
        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TForm9*>(w);
            d->Edit2->setText(QStringLiteral("Новое имя"));
            d->Button1->click();
        });
        QString kept;
        driver.then([&](QWidget* w) {
            auto* d = qobject_cast<TForm9*>(w);
            kept = d->Edit2->text();
            QTest::keyClick(d->Edit2, Qt::Key_Escape);
        });
        action("N9")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(driver.classNames(), QStringList({"TForm9", "TForm9"}));
        QCOMPARE(kept, QStringLiteral("Новое имя"));
        QCOMPARE(m_questions, QStringList({"Изменить запись?"}));
        QCOMPARE(readDirectory(path()), kTown);
        QCOMPARE(marks(), QStringLiteral("N2"));
    }

    void changeEnterAsksEscapeCancels()
    {
        DialogDriver driver;
        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TForm9*>(w);
            d->Edit4->setText(QStringLiteral("изменено клавишей"));
            QTest::keyClick(d->Edit4, Qt::Key_Return);
        });
        selectRow(rowWhere([](const Row& r) { return r.tel == QLatin1String("23310"); }));
        action("N9")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(m_questions, QStringList({"Изменить запись?"}));
        QCOMPARE(readDirectory(path()).at(1).kom, QStringLiteral("изменено клавишей"));
    }

    void deleteOneOfTwoIdenticalRecords()
    {
        const Row twin = kTown[0];
        reset({twin, kTown[1], twin});
        action("N2")->trigger();
        selectRow(rowWhere([&](const Row& r) { return r == twin; }, 2));
        action("N11")->trigger();
        QCOMPARE(m_questions, QStringList({QStringLiteral("Удалить запись? \"21455, Иванов И.И. ... \"")}));
        QCOMPARE(readDirectory(path()), QList<Row>({twin, kTown[1]}));
        QCOMPARE(marks(), QStringLiteral("N4"));
        QCOMPARE(column(gridRows(), 1), QStringList({"Иванов И.И.", "Петрова А.С."}));
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 2 записей"));
    }

    void deleteAnswerNoChangesNothing()
    {
        action("N3")->trigger();
        const QList<Row> before = gridRows();
        m_answer = false;
        selectRow(2);
        action("N11")->trigger();
        QCOMPARE(int(m_questions.size()), 1);
        QCOMPARE(readDirectory(path()), kTown);
        QCOMPARE(gridRows(), before);
        QCOMPARE(marks(), QStringLiteral("N3"));
    }

    void questionsAreMessageBoxesWithYesAndNo()
    {
        m_view->confirm = &DirectoryView::askYesNo;
        selectRow(rowWhere([](const Row& r) { return r.tel == QLatin1String("23310"); }));
        DialogDriver driver;
        driver.then([](QWidget* w) { press(w, QMessageBox::No); });
        action("N11")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(int(driver.seen.size()), 1);
        QCOMPARE(driver.seen[0].className, QStringLiteral("QMessageBox"));
        QCOMPARE(driver.seen[0].text, QStringLiteral("Удалить запись? \"23310, Петрова А.С. ... \""));
        QCOMPARE(readDirectory(path()), kTown);

        // Closing the box without an answer counts as No.
        driver.then([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        action("N11")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(readDirectory(path()), kTown);

        driver.then([](QWidget* w) { press(w, QMessageBox::Yes); });
        action("N11")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(readDirectory(path()).size(), kTown.size() - 1);

        // The change question, answered No, then Yes.
        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TForm9*>(w);
            d->Edit1->setText(QStringLiteral("11111"));
            d->Button1->click();
        });
        driver.then([](QWidget* w) { press(w, QMessageBox::No); });
        driver.then([](QWidget* w) { qobject_cast<TForm9*>(w)->Button1->click(); });
        driver.then([](QWidget* w) { press(w, QMessageBox::Yes); });
        driver.seen.clear();
        action("N9")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(driver.classNames(), QStringList({"TForm9", "QMessageBox", "TForm9", "QMessageBox"}));
        QCOMPARE(driver.seen[1].text, QStringLiteral("Изменить запись?"));
        // The current record after the delete was the first by name.
        const QList<Row> after = readDirectory(path());
        const auto pharmacy = std::find_if(after.begin(), after.end(),
                                           [](const Row& r) { return r.fio == QStringLiteral("Аптека №1"); });
        QVERIFY(pharmacy != after.end());
        QCOMPARE(pharmacy->tel, QStringLiteral("11111"));
    }

    void emptyGridHasNoCurrentRecord()
    {
        TForm2& f = form2();
        f.Edit1->setText(QStringLiteral("99"));
        f.setDirectory(m_view);
        f.Button1->click();
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 0 записей"));
        DialogDriver driver;
        QStringList shown;
        driver.then([&](QWidget* w) {
            auto* d = qobject_cast<TForm9*>(w);
            shown << d->Edit1->text() + d->Edit2->text() + d->Edit3->text() + d->Edit4->text();
            d->Button1->click();
        });
        form9().Edit1->setText(QStringLiteral("left over"));
        action("N9")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(shown, QStringList({""}));
        QCOMPARE(readDirectory(path()), kTown);
        QCOMPARE(marks(), QStringLiteral("N4"));
        QCOMPARE(column(gridRows(), 1), kByName);

        f.Button1->click();
        QCOMPARE(m_view->model().rowCount(), 0);
        m_questions.clear();
        action("N11")->trigger();
        QCOMPARE(m_questions, QStringList({QStringLiteral("Удалить запись? \",  ... \"")}));
        QCOMPARE(readDirectory(path()), kTown);
        QCOMPARE(column(gridRows(), 1), kByName);
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 8 записей"));
    }

    // --- Failures --------------------------------------------------------------

    void refusedStatementLeavesTheQueryClosed()
    {
        action("N2")->trigger();
        const QString label = m_label3->text();
        QCOMPARE(sqlExec(path(), QStringLiteral("alter table prdata rename to prdata_away")), QString());

        QVERIFY(errorOf([&] { action("N4")->trigger(); }).contains(QStringLiteral("no such table: prdata")));
        QVERIFY(!m_view->isOpen());
        QCOMPARE(m_view->model().rowCount(), 0);
        QCOMPARE(marks(), QStringLiteral("N2"));
        QCOMPARE(m_label3->text(), label);

        // With the query closed a record cannot be read: the change dialog is
        // emptied but not shown, and the delete question is not asked.
        DialogDriver driver;
        form9().Edit1->setText(QStringLiteral("left over"));
        const QString closed = errorOf([&] { action("N9")->trigger(); });
        QVERIFY2(closed.contains(QStringLiteral("закрыт")), qPrintable(closed));
        QCOMPARE(form9().Edit1->text(), QString());
        QCOMPARE(errorOf([&] { action("N11")->trigger(); }), closed);
        QVERIFY(m_questions.isEmpty());
        QCOMPARE(errorOf([&] { m_main->findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->click(); }), closed);

        // A refused add keeps the dialog's texts; marks and count stay.
        TForm7& add = form7();
        add.clearFields();
        add.Edit1->setText(QStringLiteral("28888"));
        add.setDirectory(m_view);
        QVERIFY(errorOf([&] { add.Button1->click(); }).contains(QStringLiteral("no such table")));
        QCOMPARE(add.Edit1->text(), QStringLiteral("28888"));
        QCOMPARE(marks(), QStringLiteral("N2"));
        QCOMPARE(m_label3->text(), label);
        QCOMPARE(int(driver.seen.size()), 0);

        // The next operation that opens the query brings the grid back.
        QCOMPARE(sqlExec(path(), QStringLiteral("alter table prdata_away rename to prdata")), QString());
        TForm2& search = form2();
        search.setDirectory(m_view);
        search.Button1->click();
        QVERIFY(m_view->isOpen());
        QCOMPARE(gridRows(), kTown);
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 8 записей"));
        QCOMPARE(readDirectory(path()), kTown);
    }

    void errorIsShownAndTheAddDialogStaysOpen()
    {
        QCOMPARE(sqlExec(path(), QStringLiteral("alter table prdata rename to prdata_away")), QString());
        DialogDriver driver;
        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TForm7*>(w);
            d->Edit1->setText(QStringLiteral("28888"));
            d->Edit2->setText(QStringLiteral("Ошибкин О.О."));
            d->Button1->click();
        });
        driver.then([](QWidget* w) { press(w, QMessageBox::Ok); });
        QStringList kept;
        driver.then([&](QWidget* w) {
            auto* d = qobject_cast<TForm7*>(w);
            kept << d->Edit1->text() << d->Edit2->text();
            d->Button2->click();
        });
        // Pressed as the user does, so that the error goes through the event loop.
        QTimer::singleShot(0, this, [this] { action("N10")->trigger(); });
        QTRY_VERIFY(driver.stepsLeft() == 0 && driver.idle());
        QCOMPARE(driver.classNames(), QStringList({"TForm7", "QMessageBox", "TForm7"}));
        QVERIFY2(driver.seen[1].text.contains(QStringLiteral("no such table: prdata")), qPrintable(driver.seen[1].text));
        QCOMPARE(driver.seen[1].title, applicationTitle());
        QCOMPARE(kept, QStringList({"28888", "Ошибкин О.О."}));
        QCOMPARE(sqlExec(path(), QStringLiteral("alter table prdata_away rename to prdata")), QString());
        QCOMPARE(readDirectory(path()), kTown);
    }

    // --- Texts that broke the joined statements --------------------------------

    void trickyTextsThroughTheDialogs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("apostrophe") << "O'Brien";
        QTest::newRow("double quotes") << "Магазин \"Ромашка\"";
        QTest::newRow("both quotes") << "it's \"quoted\"";
        QTest::newRow("percent") << "100% скидка";
        QTest::newRow("underscore") << "a_b";
        QTest::newRow("backslashes") << "C:\\путь\\файл";
        QTest::newRow("injection, double") << "\"); delete from prdata; --";
        QTest::newRow("injection, single") << "'); delete from prdata where ('1'='1";
        QTest::newRow("control characters") << trickyControls();
        QTest::newRow("Cyrillic and Latin") << "Ёлкин Yolkin ЁЛКИН ёлкин";
        QTest::newRow("10,000 characters") << longText();
    }
    void trickyTextsThroughTheDialogs()
    {
        QFETCH(QString, text);
        // Add: every field holds the text.
        TForm7& add = form7();
        add.setDirectory(m_view);
        add.clearFields();
        add.Edit1->setText(text);
        add.Edit2->setText(text);
        add.ComboBox1->setEditText(text);
        add.Edit5->setText(text);
        QCOMPARE(errorOf([&] { add.Button1->click(); }), QString());
        const Row stored{text, text, text, text};
        QCOMPARE(readDirectory(path()).last(), stored);

        // Search: each field finds it, as typed (the phone field takes 10 characters).
        TForm2& search = form2();
        search.setDirectory(m_view);
        search.Edit1->setText(text);
        search.Edit2->setText(text);
        search.ComboBox1->setEditText(text);
        QCOMPARE(errorOf([&] { search.Button1->click(); }), QString());
        QVERIFY2(gridRows().contains(stored), qPrintable(describe(gridRows()).left(200)));
        QVERIFY(!gridRows().contains(kTown[1]));

        // Change it, with the text in the new values too.
        selectRow(rowWhere([&](const Row& r) { return r == stored; }));
        DialogDriver driver;
        QString shownName;
        driver.then([&](QWidget* w) {
            auto* d = qobject_cast<TForm9*>(w);
            shownName = d->Edit2->text();
            d->Edit3->setText(QStringLiteral("Мира 1 ") + text);
            d->Button1->click();
        });
        action("N9")->trigger();
        QTRY_VERIFY(driver.idle());
        QCOMPARE(shownName, text);
        const Row changed{text, text, QStringLiteral("Мира 1 ") + text, text};
        QCOMPARE(readDirectory(path()).last(), changed);

        // Delete it: the question carries the texts as they are.
        selectRow(rowWhere([&](const Row& r) { return r == changed; }));
        m_questions.clear();
        QCOMPARE(errorOf([&] { action("N11")->trigger(); }), QString());
        QCOMPARE(m_questions, QStringList({QStringLiteral("Удалить запись? \"") + text + QStringLiteral(", ") + text
                                           + QStringLiteral(" ... \"")}));
        QCOMPARE(readDirectory(path()), kTown);
    }

    // --- "Поиск на карте" -------------------------------------------------

    void streetOnTheMap_data()
    {
        QTest::addColumn<QString>("adr");
        QTest::addColumn<QString>("street");
        QTest::newRow("house and flat") << "Ленина 25 кв 3" << "Ленина";
        QTest::newRow("leading spaces") << "  Ленина 25" << "Ленина";
        QTest::newRow("several words") << "50 лет Октября 12 кв 4" << "50 лет Октября";
        QTest::newRow("Восточная промзона") << "Восточная промзона" << "Восточная промзона";
        QTest::newRow("81 морской бригады") << "81 морской бригады 3" << "81 морской бригады";
        QTest::newRow("case differs") << "ленина 5" << "";
        QTest::newRow("kind word") << "ул. Ленина 5" << "";
        QTest::newRow("comma") << "Ленина, 5" << "";
        QTest::newRow("50 лет") << "50 лет" << "";
        QTest::newRow("two spaces") << "50  лет Октября 3" << "";
        QTest::newRow("house number taken along") << "Восточная промзона 5" << "";
        QTest::newRow("Буденовское шоссе") << "Буденовское шоссе 4" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("only spaces") << "   " << "";
    }
    void streetOnTheMap()
    {
        QFETCH(QString, adr);
        QFETCH(QString, street);
        reset({{"1", "Первый", "Мира 1", ""}, {"2", "Второй", adr, ""}});
        StreetFinder* finder = m_main->streetFinder();
        QVERIFY(finder);
        // Start from a street of its own, so that "nothing changed" shows.
        finder->GoToStreet(QStringLiteral("Мира"));
        m_main->mapView().setDetailMode(false);
        const int before = finder->highlightedStreet();
        const QPoint origin = m_main->mapView().viewOrigin();
        selectRow(rowWhere([](const Row& r) { return r.tel == QLatin1String("2"); }));
        m_main->findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->click();
        QVERIFY(m_main->mapView().detailMode());
        if (street.isEmpty()) {
            QCOMPARE(finder->highlightedStreet(), before);
            QCOMPARE(m_main->mapView().viewOrigin(), origin);
        } else {
            const StreetRow* row = finder->catalogue().find(street);
            QVERIFY(row);
            QCOMPARE(finder->highlightedStreet(), row->street);
        }
    }

    void streetOnTheMapWithoutACurrentRecord()
    {
        TForm2& f = form2();
        f.Edit1->setText(QStringLiteral("99"));
        f.setDirectory(m_view);
        f.Button1->click();
        QCOMPARE(m_view->model().rowCount(), 0);
        StreetFinder* finder = m_main->streetFinder();
        finder->GoToStreet(QStringLiteral("Мира"));
        m_main->mapView().setDetailMode(false);
        const int before = finder->highlightedStreet();
        m_main->findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->click();
        QVERIFY(m_main->mapView().detailMode());
        QCOMPARE(finder->highlightedStreet(), before);
    }

private:
    QString path() const { return m_app.prdata(); }
    TForm2& form2() { return *m_app.windows.form2; }
    TForm7& form7() { return *m_app.windows.form7; }
    TForm9& form9() { return *m_app.windows.form9; }
    QAction* action(const char* name) { return m_app.action(name); }
    QAction* action(const QString& name) { return action(name.toLatin1().constData()); }

    // Writes the directory afresh and reopens it as start-up does; the search
    // texts are cleared, the marks off, the questions answered Yes.
    void reset(const QList<Row>& rows)
    {
        writeDirectory(path(), rows);
        m_view->OpenDirectory(m_app.folder());
        m_view->SetSortMark(SortField::None);
        form2().Button2Click();
        m_questions.clear();
        m_answer = true;
        m_view->confirm = [this](QWidget*, const QString& question) {
            m_questions << question;
            return m_answer;
        };
    }

    QList<Row> gridRows()
    {
        DirectoryModel& model = m_view->model();
        while (model.canFetchMore())
            model.fetchMore();
        QList<Row> rows;
        for (int r = 0; r < model.rowCount(); ++r) {
            const auto cell = [&](int c) { return model.data(model.index(r, c)).toString(); };
            rows.append({cell(0), cell(1), cell(2), cell(3)});
        }
        return rows;
    }

    // The grid row of the nth (1-based) record that satisfies the predicate.
    int rowWhere(const std::function<bool(const Row&)>& predicate, int nth = 1)
    {
        const QList<Row> rows = gridRows();
        for (int r = 0; r < rows.size(); ++r) {
            if (predicate(rows[r]) && --nth == 0)
                return r;
        }
        return -1;
    }

    void selectRow(int row)
    {
        QVERIFY(row >= 0);
        m_view->grid().setCurrentIndex(m_view->model().index(row, 1));
    }

    QString marks() const
    {
        QStringList on;
        for (const char* name : {"N2", "N3", "N4", "N5"}) {
            auto* a = m_main->findChild<QAction*>(QLatin1String(name));
            if (a && a->isChecked())
                on << QLatin1String(name);
        }
        return on.join(QLatin1Char(','));
    }

    static QStringList items(const QComboBox& combo)
    {
        QStringList names;
        for (int i = 0; i < combo.count(); ++i)
            names << combo.itemText(i);
        return names;
    }

    NavigatorFixture m_app;
    TForm1* m_main = nullptr;
    DirectoryView* m_view = nullptr;
    QLabel* m_label3 = nullptr;
    QList<Row> m_startRows;
    QString m_startLabel;
    QString m_startMarks;
    int m_startCurrentRow = -1;
    QStringList m_questions;
    bool m_answer = true;
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestDirectoryWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_directory_window.moc"
