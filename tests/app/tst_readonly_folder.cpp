// The program run from a read-only application folder, as from a disc: it
// starts, shows the map and the phone directory, and every window reads and
// searches; every write shows the store's error and leaves the folder as it
// was, to the byte, with no file added. Run through run-unprivileged.sh: root
// ignores the permissions this test sets.
#include "DamagedFolder.h"
#include "ModalScript.h"

#include "app/NavigatorApplication.h"
#include "app/NavigatorWindows.h"
#include "app/Startup.h"
#include "directory/DirectoryModel.h"
#include "directory/DirectoryView.h"
#include "map/LandmarkTable.h"
#include "map/MapControl.h"
#include "map/MapView.h"
#include "reference/CityCodesTable.h"
#include "reference/TForm15.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlTableModel>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>

using namespace DamagedFolder;
using namespace ModalScripts;

namespace {

const QString kReadOnlyError = QStringLiteral("attempt to write a readonly database");

QStringList columnOf(const QAbstractItemModel& model, int column)
{
    QStringList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values << model.data(model.index(row, column)).toString();
    return values;
}

bool allStartWith(const QStringList& values, const QString& prefix)
{
    return std::all_of(values.cbegin(), values.cend(), [&](const QString& v) { return v.startsWith(prefix); });
}

} // namespace

class TestReadOnlyFolder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!permissionsBind())
            QSKIP("File permissions do not bind for this user (root): run the test through run-unprivileged.sh");
        QVERIFY(m_folder.isValid());
        QVERIFY(copyTree(appData(), m_folder.path()));
        makeReadOnly(m_folder.path());
        m_before = snapshot(m_folder.path());
        QVERIFY(m_before.contains(QStringLiteral("prdata.db")) && m_before.contains(QStringLiteral("talvfoto/07.jpg")));

        m_entered = std::make_unique<EnteredFolder>(m_folder.path());
        ModalScript script;
        QCOMPARE(startNavigator(*static_cast<NavigatorApplication*>(qApp), m_windows), StartOutcome::Running);
        QCOMPARE(script.boxTexts(), QStringList());
        m_main = m_windows.form1.get();
        m_view = m_main->findChild<DirectoryView*>(QStringLiteral("Query1"));
        QVERIFY(m_view);
    }

    void cleanupTestCase()
    {
        m_entered.reset();
        makeWritable(m_folder.path());
    }

    void startsWithTheMapAndTheDirectory()
    {
        QVERIFY(m_main->isVisible());
        QCOMPARE(m_main->startupSequence().completedSteps(), m_main->startupSequence().stepNames());
        QVERIFY(!m_main->mapControl().wholeMapPicture().isNull());
        QCOMPARE(label3(), QStringLiteral(" Выбрано 3000 записей"));
        QVERIFY(m_view->isOpen());
        QVERIFY(m_view->model().rowCount() > 0);
    }

    void directorySearchesAndSorts()
    {
        ModalScript script;
        script.then(QStringLiteral("TForm2"), [](QWidget* w) {
            auto* search = static_cast<TForm2*>(w);
            search->Edit2->setText(QStringLiteral("Иванов"));
            search->Button1->click();
        });
        QVERIFY(inLoop([&] { button("SpeedButton3")->click(); }));
        QCOMPARE(script.stepsLeft(), 0);
        QCOMPARE(script.boxTexts(), QStringList());
        const QStringList names = columnOf(m_view->model(), 1);
        QVERIFY(!names.isEmpty() && names.size() < 3000);
        QVERIFY(std::all_of(names.cbegin(), names.cend(), [](const QString& n) { return n.contains("Иванов"); }));
        QCOMPARE(label3(), QStringLiteral(" Выбрано %1 записей").arg(names.size()));

        // A sort keeps the search's texts; with them emptied it lists everything.
        QVERIFY(inLoop([&] { action("N2")->trigger(); }));
        QCOMPARE(m_view->model().rowCount(), names.size());
        m_windows.form2->Button2Click();
        QVERIFY(inLoop([&] { action("N4")->trigger(); }));
        QCOMPARE(script.boxTexts(), QStringList());
        QCOMPARE(m_view->sortMark(), SortField::Fio);
    }

    void directoryWritesShowTheStoresError()
    {
        ModalScript script;
        script.then(QStringLiteral("TForm7"), [](QWidget* w) {
            auto* add = static_cast<TForm7*>(w);
            add->Edit1->setText(QStringLiteral("29999"));
            add->Edit2->setText(QStringLiteral("Новиков П.П."));
            add->Button1->click();
        });
        script.then(QStringLiteral("TForm7"), [this](QWidget* w) {
            auto* add = static_cast<TForm7*>(w);
            m_kept = add->Edit2->text();
            add->Button2->click();
        });
        QVERIFY(inLoop([&] { action("N10")->trigger(); }));
        QCOMPARE(m_kept, QStringLiteral("Новиков П.П."));

        QVERIFY(inLoop([&] { action("N4")->trigger(); }));
        script.then(QStringLiteral("TForm9"), [](QWidget* w) {
            auto* change = static_cast<TForm9*>(w);
            change->Edit2->setText(QStringLiteral("Изменённый"));
            change->Button1->click();
        });
        script.then(QStringLiteral("QMessageBox"), [](QWidget* w) { press(w, QMessageBox::Yes); });
        script.then(QStringLiteral("TForm9"), [](QWidget* w) { static_cast<TForm9*>(w)->Button2->click(); });
        QVERIFY(inLoop([&] { action("N9")->trigger(); }));

        QVERIFY(inLoop([&] { action("N4")->trigger(); }));
        script.then(QStringLiteral("QMessageBox"), [](QWidget* w) { press(w, QMessageBox::Yes); });
        QVERIFY(inLoop([&] { action("N11")->trigger(); }));

        QCOMPARE(script.stepsLeft(), 0);
        const QStringList texts = script.boxTexts();
        QCOMPARE(texts.size(), 5);
        QCOMPARE(texts[0], kReadOnlyError);
        QCOMPARE(texts[1], QStringLiteral("Изменить запись?"));
        QCOMPARE(texts[2], kReadOnlyError);
        QVERIFY2(texts[3].startsWith(QStringLiteral("Удалить запись? \"")), qPrintable(texts[3]));
        QCOMPARE(texts[4], kReadOnlyError);

        // The directory reopens whole after the refused writes.
        QVERIFY(inLoop([&] { action("N4")->trigger(); }));
        QVERIFY(m_view->isOpen() && m_view->model().rowCount() > 0);
        QCOMPARE(script.boxTexts().size(), 5);
    }

    void cityCodesSearchAndRefuseWrites()
    {
        ModalScript script;
        int filtered = -1;
        bool byName = false;
        bool byCode = false;
        script.then(QStringLiteral("TForm8"), [&](QWidget* w) {
            auto* codes = static_cast<TForm8*>(w);
            const QSqlTableModel& model = *codes->table().model();
            codes->Edit1->setText(QStringLiteral("Бар"));
            byName = model.rowCount() > 0 && allStartWith(columnOf(model, CityCodesTable::NameColumn), "Бар");
            codes->Edit1->clear();
            codes->Edit2->setText(QStringLiteral("3852"));
            byCode = model.rowCount() > 0 && allStartWith(columnOf(model, CityCodesTable::KodColumn), "3852");
            codes->Edit2->clear();
            // A new row, posted.
            codes->DBNavigator->button(NavigatorBar::Insert)->click();
            const int row = codes->DBGrid1->currentIndex().row();
            codes->table().model()->setData(model.index(row, CityCodesTable::NameColumn), QStringLiteral("Тальвинск"));
            codes->DBNavigator->button(NavigatorBar::Post)->click();
        });
        script.then(QStringLiteral("TForm8"), [](QWidget* w) {
            // A changed cell, posted.
            auto* codes = static_cast<TForm8*>(w);
            QSqlTableModel* model = codes->table().model();
            model->setData(model->index(0, CityCodesTable::KodColumn), QStringLiteral("00000"));
            codes->DBNavigator->button(NavigatorBar::Post)->click();
        });
        script.then(QStringLiteral("TForm8"), [](QWidget* w) {
            static_cast<TForm8*>(w)->DBNavigator->button(NavigatorBar::Delete)->click();
        });
        script.then(QStringLiteral("QMessageBox"), [](QWidget* w) { press(w, QMessageBox::Yes); });
        script.then(QStringLiteral("TForm8"), [&](QWidget* w) {
            // The refused writes left nothing pending: the search goes on.
            auto* codes = static_cast<TForm8*>(w);
            codes->Edit1->setText(QStringLiteral("Барнаул"));
            filtered = codes->table().model()->rowCount();
            codes->done(0);
        });
        QVERIFY(inLoop([&] { button("SpeedButton8")->click(); }));
        QCOMPARE(script.stepsLeft(), 0);
        QVERIFY(byName);
        QVERIFY(byCode);
        QCOMPARE(filtered, 1);
        QCOMPARE(script.boxTexts(), QStringList({kReadOnlyError, kReadOnlyError, QStringLiteral("Удалить запись?"), kReadOnlyError}));
    }

    void postalWindowSearches()
    {
        ModalScript script;
        int found = -1;
        int next = -1;
        script.then(QStringLiteral("TForm15"), [&](QWidget* w) {
            auto* postal = static_cast<TForm15*>(w);
            postal->Edit1->setText(QStringLiteral("МАЙКОП"));
            postal->SpeedButton1->click();
            found = postal->LastFoundIndex();
            postal->SpeedButton3->click();
            next = postal->LastFoundIndex();
            postal->done(0);
        });
        QVERIFY(inLoop([&] { button("SpeedButton11")->click(); }));
        QCOMPARE(script.stepsLeft(), 0);
        QVERIFY(found > 0);
        QVERIFY(next > found);
        QCOMPARE(script.boxTexts(), QStringList());
    }

    void enterpriseWindowShowsAnEntry()
    {
        ModalScript script;
        QString memo;
        script.then(QStringLiteral("TForm14"), [&](QWidget* w) {
            auto* enterprises = static_cast<TForm14*>(w);
            const auto items = enterprises->TreeView1->findItems(QStringLiteral("Архив"),
                                                                 Qt::MatchExactly | Qt::MatchRecursive);
            if (!items.isEmpty())
                enterprises->TreeView1->setCurrentItem(items.first());
            memo = enterprises->DBMemo1->toPlainText();
            enterprises->done(0);
        });
        // The window's button is hidden from the user; it is pressed all the same.
        QVERIFY(inLoop([&] { button("SpeedButton10")->click(); }));
        QCOMPARE(script.stepsLeft(), 0);
        QVERIFY(!memo.isEmpty());
        QCOMPARE(script.boxTexts(), QStringList());
    }

    void landmarkPhotoOpens()
    {
        ModalScript script;
        button("SpeedButton4")->click();
        const QPoint origin = m_main->mapView().viewOrigin();
        QVERIFY(inLoop([&] { QTest::mouseClick(&m_main->mapControl(), Qt::RightButton, {}, QPoint(2080, 1860) - origin); }));
        QCOMPARE(script.titlesOf(QStringLiteral("TForm5")).size(), 1);
        QVERIFY(!m_windows.form5->photo().isNull());
        QCOMPARE(script.boxTexts(), QStringList());
    }

    // Last: what every other test did left the folder as it was.
    void nothingChangedOnDisk()
    {
        const QMap<QString, QByteArray> after = snapshot(m_folder.path());
        QCOMPARE(after.keys(), m_before.keys());
        for (auto it = m_before.cbegin(); it != m_before.cend(); ++it)
            QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
    }

private:
    QString label3() const { return m_main->findChild<QLabel*>(QStringLiteral("Label3"))->text(); }
    QAction* action(const char* name) const { return m_main->findChild<QAction*>(QLatin1String(name)); }
    QToolButton* button(const char* name) const { return m_main->findChild<QToolButton*>(QLatin1String(name)); }

    // First, so that it goes last: the windows close before the folder goes.
    QTemporaryDir m_folder;
    std::unique_ptr<EnteredFolder> m_entered;
    NavigatorWindows m_windows;
    TForm1* m_main = nullptr;
    DirectoryView* m_view = nullptr;
    QMap<QString, QByteArray> m_before;
    QString m_kept;
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestReadOnlyFolder test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_readonly_folder.moc"
