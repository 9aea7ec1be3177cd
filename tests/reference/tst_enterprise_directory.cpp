#include "ReferenceFixtures.h"
#include "tests/app/ModalWatcher.h"

#include "base/AppError.h"
#include "reference/EnterpriseTable.h"
#include "reference/NavigatorBar.h"
#include "reference/Outline.h"
#include "reference/TForm14.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

using namespace ReferenceFixtures;

Q_DECLARE_METATYPE(QList<OutlineNode>)

// The enterprise directory: outlines, Locate by prefix on `name`, the memo,
// and the hidden buttons that write and read "8.txt".
class TestEnterpriseDirectory : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_tempFolder;

    QStringList topTexts(QTreeWidget* tree)
    {
        QStringList texts;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            texts.append(tree->topLevelItem(i)->text(0));
        return texts;
    }

    QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& text)
    {
        const QList<QTreeWidgetItem*> items = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return items.isEmpty() ? nullptr : items.first();
    }

private slots:
    void initTestCase()
    {
        // The hidden buttons use the system's temporary folder: point it here.
        qputenv("TMPDIR", m_tempFolder.path().toLocal8Bit());
        QCOMPARE(enterpriseOutlinePath(), m_tempFolder.path() + QStringLiteral("/8.txt"));
    }

    void init()
    {
        QVERIFY(copyAppData(QStringLiteral("bussines.db"), m_dir.path()));
    }

    void outline_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("depths");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("tabs") << "А\n\tБ\n\t\tВ\nГ\n" << QList<int>{0, 1, 2, 0} << QStringList{"А", "Б", "В", "Г"};
        QTest::newRow("blanks count like tabs") << "А\n Б\n \tВ\n" << QList<int>{0, 1, 2} << QStringList{"А", "Б", "В"};
        QTest::newRow("carriage returns and empty lines") << "А\r\n\r\n\tБ\r\n" << QList<int>{0, 1} << QStringList{"А", "Б"};
        QTest::newRow("no final line feed") << "А\n\tБ" << QList<int>{0, 1} << QStringList{"А", "Б"};
        QTest::newRow("inner blanks kept") << "Органы власти\n" << QList<int>{0} << QStringList{"Органы власти"};
    }

    void outline()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, depths);
        QFETCH(QStringList, texts);
        const QList<OutlineNode> nodes = parseOutline(text);
        QList<int> gotDepths;
        QStringList gotTexts;
        for (const OutlineNode& node : nodes) {
            gotDepths.append(node.depth);
            gotTexts.append(node.text);
        }
        QCOMPARE(gotDepths, depths);
        QCOMPARE(gotTexts, texts);
    }

    void outlineSkippingALevelIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(AppError, parseOutline(QStringLiteral("А\n\t\tБ\n")));
        QVERIFY_THROWS_EXCEPTION(AppError, parseOutline(QStringLiteral(" А\n")));
    }

    void treeSiblingsAreAlphabetical()
    {
        QTreeWidget tree;
        fillTree(&tree, parseOutline(QStringLiteral("Ж\n\tв\n\tб\nЁлка\nЕль\nА\n")));
        QCOMPARE(topTexts(&tree), (QStringList{"А", "Ель", "Ёлка", "Ж"}));
        QTreeWidgetItem* zh = tree.topLevelItem(3);
        QCOMPARE(zh->child(0)->text(0), QStringLiteral("б"));
        QCOMPARE(zh->child(1)->text(0), QStringLiteral("в"));
    }

    // Locate makes current the first row in table order whose name begins with
    // the text, case-sensitively; without a match the current row stays.
    void locateByPrefix()
    {
        const QString path = m_dir.filePath(QStringLiteral("fixture.db"));
        QFile::remove(path);
        makeDatabase(path, {
            QStringLiteral("CREATE TABLE bussines (name TEXT, Info TEXT)"),
            QStringLiteral("INSERT INTO bussines VALUES ('Аптеки', 'a'), ('Архив городской', 'b'), ('Архив', 'c'),"
                           " ('архивный отдел', 'd')"),
        });
        EnterpriseTable table(path, QStringLiteral("locate"));
        QCOMPARE(table.currentInfo(), QStringLiteral("a"));
        QVERIFY(table.locate(QStringLiteral("Архив")));
        QCOMPARE(table.currentInfo(), QStringLiteral("b")); // first in table order, not the exact name
        QVERIFY(!table.locate(QStringLiteral("Органы власти и управления")));
        QCOMPARE(table.currentInfo(), QStringLiteral("b"));
        QVERIFY(table.locate(QStringLiteral("архив")));
        QCOMPARE(table.currentInfo(), QStringLiteral("d"));
        QVERIFY(!table.locate(QStringLiteral("аптеки")));
        QCOMPARE(table.currentInfo(), QStringLiteral("d"));
    }

    // The shipped tree and table: 19 nodes on two levels, every entry described.
    void windowShowsDescriptions()
    {
        TForm14 form(m_dir.path());
        QCOMPARE(form.windowTitle(), QStringLiteral("Справочник предприятий и организаций"));
        QCOMPARE(topTexts(form.TreeView1), (QStringList{"Органы власти и управления", "Предприятия и организации"}));
        QCOMPARE(form.TreeView1->topLevelItem(0)->childCount(), 10);
        QCOMPARE(form.TreeView1->topLevelItem(1)->childCount(), 7);
        QCOMPARE(form.TreeView1->indentation(), 19);
        QVERIFY(form.DBMemo1->isReadOnly());
        for (QWidget* hidden : {static_cast<QWidget*>(form.DBGrid1), static_cast<QWidget*>(form.DBNavigator1),
                                static_cast<QWidget*>(form.Button1), static_cast<QWidget*>(form.Button2)})
            QVERIFY(hidden->isHidden());
        QCOMPARE(form.Button1->text(), QStringLiteral("Button1"));
        QCOMPARE(form.Button2->text(), QStringLiteral("Button2"));

        for (int c = 0; c < 2; ++c) {
            QTreeWidgetItem* category = form.TreeView1->topLevelItem(c);
            for (int e = 0; e < category->childCount(); ++e) {
                form.TreeView1->setCurrentItem(category->child(e));
                QVERIFY2(!form.DBMemo1->toPlainText().isEmpty(), qPrintable(category->child(e)->text(0)));
            }
        }
        form.TreeView1->setCurrentItem(findItem(form.TreeView1, QStringLiteral("Аптеки")));
        const QString pharmacy = form.DBMemo1->toPlainText();
        QVERIFY(pharmacy.contains(QStringLiteral("аптека")));
        // A category names no record: the memo keeps the previous description.
        form.TreeView1->setCurrentItem(form.TreeView1->topLevelItem(1));
        QCOMPARE(form.DBMemo1->toPlainText(), pharmacy);
        form.TreeView1->setCurrentItem(findItem(form.TreeView1, QStringLiteral("Аптеки")));
        form.TreeView1->expandAll();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ReferenceFixtures::saveShot(&form, QStringLiteral("TForm14.png"));
    }

    // Button2 writes every name, one a line, replacing the file; Button1 reads
    // the file back as the whole tree.
    void hiddenButtonsWriteAndReadTheOutline()
    {
        TForm14 form(m_dir.path());
        const QString outline = enterpriseOutlinePath();
        QFile stale(outline);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("old content that is longer than the new one\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n"
                    "old content that is longer than the new one\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n"
                    "old content that is longer than the new one\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n");
        stale.close();
        form.Button2->click();
        QFile written(outline);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(written.readAll()).split(QLatin1Char('\n'));
        const QStringList names = queryColumn(m_dir.filePath(QStringLiteral("bussines.db")),
                                              QStringLiteral("SELECT name FROM bussines ORDER BY rowid"));
        QCOMPARE(lines, names + QStringList{QString()});

        QFile edited(outline);
        QVERIFY(edited.open(QIODevice::WriteOnly | QIODevice::Truncate));
        edited.write("Службы\n\tПочта\n\tАптеки\n");
        edited.close();
        form.Button1->click();
        QCOMPARE(topTexts(form.TreeView1), QStringList{"Службы"});
        QTreeWidgetItem* services = form.TreeView1->topLevelItem(0);
        QCOMPARE(services->childCount(), 2);
        QCOMPARE(services->child(0)->text(0), QStringLiteral("Аптеки"));
    }

    void missingOutlineFileIsAnError()
    {
        TForm14 form(m_dir.path());
        QFile::remove(enterpriseOutlinePath());
        try {
            form.Button1Click();
            QFAIL("reading a missing outline did not throw");
        } catch (const AppError& e) {
            QVERIFY(e.message().contains(QStringLiteral("8.txt")));
        }
        QCOMPARE(form.TreeView1->topLevelItemCount(), 2); // the tree stays
    }

    // The table is opened when the window is shown, not when it is created: a
    // missing table lets the window be created, and showing it then fails with
    // the store's error; from the tool button the window stays hidden.
    void missingTableIsAnErrorOfShowing()
    {
        QTemporaryDir empty;
        TForm14 form(empty.path());
        QVERIFY_THROWS_EXCEPTION(AppError, form.showFromToolbar());
        QVERIFY(!form.isVisible());
        ModalWatcher watcher;
        form.show();
        QTRY_COMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen[0].text, QStringLiteral("unable to open database file"));
        QCOMPARE(watcher.seen[0].icon, QMessageBox::Critical);
        QVERIFY(form.DBMemo1->toPlainText().isEmpty());
        QVERIFY(!QFile::exists(empty.filePath(QStringLiteral("bussines.db"))));
    }
};

QTEST_MAIN(TestEnterpriseDirectory)
#include "tst_enterprise_directory.moc"
