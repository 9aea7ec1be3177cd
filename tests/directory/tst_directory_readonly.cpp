// A phone directory on a read-only disc: the program starts and lists, sorts
// and searches; adding, changing and deleting show the store's error, the
// dialogs keep their texts, and the file is left exactly as it was.
// Run through run-unprivileged.sh: root ignores the permissions this test sets.
#include "NavigatorFixture.h"

#include "directory/DirectoryModel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace DirectoryFixture;

namespace {

const QList<Row> kRows = {
    {"21455", "Иванов И.И.", "Ленина 25 кв 3", ""},
    {"23310", "Петрова А.С.", "Мира 12", "врач"},
    {"24488", "Аптека №1", "Ленина 40", "круглосуточно"},
};

const QFileDevice::Permissions kReadOnlyFile = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
const QFileDevice::Permissions kReadOnlyFolder = kReadOnlyFile | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;

} // namespace

class TestDirectoryReadOnly : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString appdata = qEnvironmentVariable("TALV_TEST_APPDATA", QStringLiteral(TALV_APPDATA_DIR));
        QVERIFY(m_app.prepare(appdata, kRows));
        QVERIFY(QFile::setPermissions(path(), kReadOnlyFile));
        QVERIFY(QFile::setPermissions(m_app.folder(), kReadOnlyFolder));
        {
            QFile probe(path());
            if (probe.open(QIODevice::ReadWrite)) {
                probe.close();
                restorePermissions();
                QSKIP("File permissions do not bind for this user (root): run the test through run-unprivileged.sh");
            }
        }
        m_bytes = fileBytes(path());
        QVERIFY(!m_bytes.isEmpty());
        QCOMPARE(m_app.start(), QString());
        m_main = m_app.main;
        m_view = m_app.view;
        m_label3 = m_app.label3;
        m_view->confirm = [](QWidget*, const QString&) { return true; };
    }

    void cleanupTestCase() { restorePermissions(); }

    void listsSortsAndSearches()
    {
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 3 записей"));
        QCOMPARE(m_view->model().rowCount(), 3);
        action("N2")->trigger();
        QCOMPARE(m_view->model().data(m_view->model().index(0, 0)).toString(), QStringLiteral("21455"));
        TForm2& search = *m_app.windows.form2;
        search.Edit2->setText(QStringLiteral("петрова"));
        search.setDirectory(m_view);
        search.Button1->click();
        QCOMPARE(m_label3->text(), QStringLiteral(" Выбрано 1 записей"));
        search.Button2Click();
        search.Button1->click();
        QCOMPARE(fileBytes(path()), m_bytes);
    }

    void addShowsTheStoresErrorAndKeepsTheTexts()
    {
        action("N4")->trigger();
        const QString label = m_label3->text();
        DialogDriver driver;
        driver.then([](QWidget* w) {
            auto* d = qobject_cast<TForm7*>(w);
            d->Edit1->setText(QStringLiteral("29999"));
            d->Edit2->setText(QStringLiteral("Новиков П.П."));
            d->ComboBox1->setEditText(QStringLiteral("Мира"));
            d->Edit3->setText(QStringLiteral("5"));
            d->Button1->click();
        });
        driver.then([](QWidget* w) { press(w, QMessageBox::Ok); });
        QStringList kept;
        driver.then([&](QWidget* w) {
            auto* d = qobject_cast<TForm7*>(w);
            kept << d->Edit1->text() << d->Edit2->text() << d->ComboBox1->currentText() << d->Edit3->text();
            d->Button2->click();
        });
        QTimer::singleShot(0, this, [this] { action("N10")->trigger(); });
        QTRY_VERIFY(driver.stepsLeft() == 0 && driver.idle());
        QCOMPARE(driver.classNames(), QStringList({"TForm7", "QMessageBox", "TForm7"}));
        QVERIFY2(driver.seen[1].text.contains(QStringLiteral("readonly")), qPrintable(driver.seen[1].text));
        QCOMPARE(kept, QStringList({"29999", "Новиков П.П.", "Мира", "5"}));
        QCOMPARE(fileBytes(path()), m_bytes);
        // The query stays closed; the marks and the count are as they were.
        QVERIFY(!m_view->isOpen());
        QCOMPARE(m_view->model().rowCount(), 0);
        QCOMPARE(m_view->sortMark(), SortField::Fio);
        QCOMPARE(m_label3->text(), label);
    }

    void changeAndDeleteShowTheStoresError()
    {
        action("N3")->trigger();
        QVERIFY(m_view->isOpen());
        m_view->grid().setCurrentIndex(m_view->model().index(1, 0));
        QVERIFY(errorOf([&] { action("N11")->trigger(); }).contains(QStringLiteral("readonly")));
        QCOMPARE(fileBytes(path()), m_bytes);

        action("N3")->trigger();
        TForm9& change = *m_app.windows.form9;
        change.setDirectory(m_view);
        change.clearFields();
        change.fill(m_view->currentRecord());
        change.Edit2->setText(QStringLiteral("Изменённый"));
        QVERIFY(errorOf([&] { change.Button1->click(); }).contains(QStringLiteral("readonly")));
        QCOMPARE(change.Edit2->text(), QStringLiteral("Изменённый"));
        QCOMPARE(m_view->sortMark(), SortField::Adr);
        QCOMPARE(fileBytes(path()), m_bytes);
        QCOMPARE(readDirectory(path()), kRows);
    }

private:
    QString path() const { return m_app.prdata(); }
    QAction* action(const char* name) { return m_app.action(name); }
    void restorePermissions()
    {
        QFile::setPermissions(m_app.folder(), kReadOnlyFolder | QFile::WriteOwner);
        QFile::setPermissions(path(), kReadOnlyFile | QFile::WriteOwner);
    }

    NavigatorFixture m_app;
    QByteArray m_bytes;
    TForm1* m_main = nullptr;
    DirectoryView* m_view = nullptr;
    QLabel* m_label3 = nullptr;
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestDirectoryReadOnly test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_directory_readonly.moc"
