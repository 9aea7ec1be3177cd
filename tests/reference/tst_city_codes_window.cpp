#include "ReferenceFixtures.h"
#include "tests/app/ModalWatcher.h"

#include "base/AppError.h"
#include "reference/CityCodesTable.h"
#include "reference/TForm8.h"

#include <QLabel>
#include <QTimer>
#include <QLineEdit>
#include <QSqlTableModel>
#include <QTableView>
#include <QToolButton>

using namespace ReferenceFixtures;

// The city codes window over a copy of the GOROD.DB the build writes: the two
// search fields, the navigator and the heading style as drawn.
class TestCityCodesWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Types the code into Торжок's code cell, as the user does, and confirms it
    // with Enter or leaves it in the open editor.
    void typeCode(TForm8& form, const QString& code, bool confirm)
    {
        form.Edit1->setText(QStringLiteral("Торжок"));
        QCOMPARE(form.table().model()->rowCount(), 1);
        const QModelIndex cell = form.table().model()->index(0, CityCodesTable::KodColumn);
        form.DBGrid1->setCurrentIndex(cell);
        form.DBGrid1->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(form.DBGrid1->indexWidget(cell));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, code);
        if (!confirm)
            return;
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!form.DBGrid1->indexWidget(cell));
        QVERIFY(form.table().hasPendingChanges());
    }

    QStringList column(TForm8& form, int col)
    {
        QStringList values;
        QSqlTableModel* model = form.table().model();
        for (int row = 0; row < model->rowCount(); ++row)
            values.append(model->data(model->index(row, col)).toString());
        return values;
    }

private slots:
    void init()
    {
        QVERIFY(copyAppData(QStringLiteral("GOROD.DB"), m_dir.path()));
    }

    void namesCaptionAndColumns()
    {
        TForm8 form(m_dir.path());
        QCOMPARE(form.windowTitle(), QStringLiteral("Коды городов Российской Федерации"));
        QCOMPARE(form.size(), QSize(285, 448));
        QCOMPARE(form.Label1->text(), QStringLiteral("Поиск"));
        QSqlTableModel* model = form.table().model();
        QCOMPARE(model->headerData(CityCodesTable::NameColumn, Qt::Horizontal).toString(), QStringLiteral("Название"));
        QCOMPARE(model->headerData(CityCodesTable::KodColumn, Qt::Horizontal).toString(), QStringLiteral("Код города"));
        QVERIFY(form.DBGrid1->isColumnHidden(CityCodesTable::IdColumn));
        QVERIFY(!form.DBGrid1->isColumnHidden(CityCodesTable::NameColumn));
        for (const char* name : {"DBNavigator", "Edit1", "Edit2", "DBGrid1", "Label1"})
            QVERIFY2(form.findChild<QWidget*>(QString::fromLatin1(name)), name);
        for (const char* name : {"first", "prior", "next", "last", "insert", "delete", "post"})
            QVERIFY2(form.DBNavigator->findChild<QToolButton*>(QString::fromLatin1(name)), name);
    }

    // The shipped table: a heading before each region's cities, headings with
    // Id "1", every other row "0", names within the 30-character field.
    void shippedTableShape()
    {
        TForm8 form(m_dir.path());
        form.table().fetchAll();
        const QStringList names = column(form, CityCodesTable::NameColumn);
        const QStringList ids = column(form, CityCodesTable::IdColumn);
        QVERIFY(names.size() > 2000);
        QCOMPARE(ids.first(), QStringLiteral("1"));
        QVERIFY(ids.count(QStringLiteral("1")) > 80);
        QCOMPARE(ids.count(QStringLiteral("1")) + ids.count(QStringLiteral("0")), ids.size());
        for (const QString& name : names)
            QVERIFY2(!name.isEmpty() && name.size() <= 30, qPrintable(name));
        const int tver = int(names.indexOf(QStringLiteral("Тверская область")));
        QVERIFY(tver >= 0);
        QCOMPARE(ids[tver], QStringLiteral("1"));
        QCOMPARE(column(form, CityCodesTable::KodColumn)[tver], QStringLiteral("482"));
        QVERIFY(names.contains(QStringLiteral("Респ. Татарстан (Татарстан)")));
    }

    // The edited field alone filters; a blank edited field shows every row even
    // though the other field still holds text.
    void searchFields()
    {
        TForm8 form(m_dir.path());
        form.table().fetchAll();
        const int all = form.table().model()->rowCount();
        form.show();
        ReferenceFixtures::typeText(form.Edit2, QStringLiteral("482"));
        for (const QString& code : column(form, CityCodesTable::KodColumn))
            QVERIFY(code.startsWith(QStringLiteral("482")));
        ReferenceFixtures::typeText(form.Edit1, QStringLiteral("К"));
        QCOMPARE(form.Edit2->text(), QStringLiteral("482"));
        const QStringList names = column(form, CityCodesTable::NameColumn);
        QVERIFY(names.size() > 10);
        for (const QString& name : names)
            QVERIFY(name.startsWith(QStringLiteral("К")));
        QTest::keyClick(form.Edit1, Qt::Key_Backspace);
        ReferenceFixtures::typeText(form.Edit1, QStringLiteral("  "));
        form.table().fetchAll();
        QCOMPARE(form.table().model()->rowCount(), all);
        // An apostrophe is only a character of the name.
        form.Edit1->setText(QStringLiteral("О'"));
        QCOMPARE(form.table().model()->rowCount(), 0);
    }

    // The heading row's Name cell is grey; its code cell and ordinary rows are not.
    void headingStyleAsDrawn()
    {
        TForm8 form(m_dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Edit1->setText(QStringLiteral("Тверь"));
        form.Edit1->setText(QStringLiteral("Тве"));
        QCOMPARE(column(form, CityCodesTable::IdColumn).first(), QStringLiteral("1"));
        QCOMPARE(column(form, CityCodesTable::IdColumn)[1], QStringLiteral("0"));
        form.DBGrid1->clearSelection();
        form.DBGrid1->setCurrentIndex({});
        const QImage picture = form.DBGrid1->viewport()->grab().toImage();
        QSqlTableModel* model = form.table().model();
        const auto pixelNear = [&](int row, int col) {
            const QRect cell = form.DBGrid1->visualRect(model->index(row, col));
            return picture.pixelColor(cell.right() - 3, cell.bottom() - 2);
        };
        QCOMPARE(pixelNear(0, CityCodesTable::NameColumn), QColor(192, 192, 192));
        QVERIFY(pixelNear(0, CityCodesTable::KodColumn) != QColor(192, 192, 192));
        QVERIFY(pixelNear(1, CityCodesTable::NameColumn) != QColor(192, 192, 192));
        form.Edit1->setText(QString());
        ReferenceFixtures::saveShot(&form, QStringLiteral("TForm8.png"));
    }

    // Deleting asks first: "No" keeps the row, "Yes" deletes it from the table.
    void deleteAsksFirst()
    {
        const QString path = m_dir.filePath(QStringLiteral("GOROD.DB"));
        TForm8 form(m_dir.path());
        form.Edit1->setText(QStringLiteral("Торжок"));
        QCOMPARE(form.table().model()->rowCount(), 1);
        form.confirmDelete = [] { return false; };
        form.DBNavigator->button(NavigatorBar::Delete)->click();
        QCOMPARE(queryColumn(path, QStringLiteral("SELECT count(*) FROM gorod WHERE Name = 'Торжок'")), QStringList{"1"});
        form.confirmDelete = [] { return true; };
        form.DBNavigator->button(NavigatorBar::Delete)->click();
        QCOMPARE(queryColumn(path, QStringLiteral("SELECT count(*) FROM gorod WHERE Name = 'Торжок'")), QStringList{"0"});
        QCOMPARE(form.table().model()->rowCount(), 0);
    }

    // Two rows inserted and given the same name, posted, found by the name
    // filter: "Да" to the delete question takes the row the cursor is on alone.
    void deletingOneOfTwoSameNamedRows()
    {
        const QString path = m_dir.filePath(QStringLiteral("GOROD.DB"));
        const QString count = QStringLiteral("SELECT count(*) FROM gorod WHERE Name = 'Тальвинск'");
        TForm8 form(m_dir.path());
        QSqlTableModel* model = form.table().model();
        for (int i = 0; i < 2; ++i) {
            form.DBNavigator->button(NavigatorBar::Insert)->click();
            QVERIFY(model->setData(form.DBGrid1->currentIndex().siblingAtColumn(CityCodesTable::NameColumn),
                                   QStringLiteral("Тальвинск")));
            form.DBNavigator->button(NavigatorBar::Post)->click();
        }
        QCOMPARE(queryColumn(path, count), QStringList{"2"});
        form.Edit1->setText(QStringLiteral("Тальвинск"));
        QCOMPARE(model->rowCount(), 2);
        form.DBGrid1->setCurrentIndex(model->index(1, CityCodesTable::NameColumn));
        form.confirmDelete = [] { return true; };
        form.DBNavigator->button(NavigatorBar::Delete)->click();
        QCOMPARE(queryColumn(path, count), QStringList{"1"});
        QCOMPARE(model->rowCount(), 1);
    }

    // Insert and post through the navigator; the new row does not match the
    // filter, so it is stored but not listed.
    void insertAndPostThroughNavigator()
    {
        const QString path = m_dir.filePath(QStringLiteral("GOROD.DB"));
        TForm8 form(m_dir.path());
        form.Edit1->setText(QStringLiteral("Тве"));
        const int listed = form.table().model()->rowCount();
        form.DBNavigator->button(NavigatorBar::Insert)->click();
        QCOMPARE(form.table().model()->rowCount(), listed + 1);
        const int row = form.DBGrid1->currentIndex().row();
        QSqlTableModel* model = form.table().model();
        QVERIFY(model->setData(model->index(row, CityCodesTable::NameColumn), QStringLiteral("Тальвинск")));
        QVERIFY(model->setData(model->index(row, CityCodesTable::KodColumn), QStringLiteral("86199")));
        form.DBNavigator->button(NavigatorBar::Post)->click();
        QCOMPARE(form.table().model()->rowCount(), listed);
        QCOMPARE(queryColumn(path, QStringLiteral("SELECT Kod FROM gorod WHERE Name = 'Тальвинск'")), QStringList{"86199"});
    }

    // Moving to another row in the grid writes the edits of the row left.
    void leavingAnEditedRowPostsIt()
    {
        const QString path = m_dir.filePath(QStringLiteral("GOROD.DB"));
        TForm8 form(m_dir.path());
        form.Edit2->setText(QStringLiteral("482"));
        QSqlTableModel* model = form.table().model();
        const QString name = model->data(model->index(1, CityCodesTable::NameColumn)).toString();
        form.DBGrid1->setCurrentIndex(model->index(1, CityCodesTable::KodColumn));
        QVERIFY(model->setData(model->index(1, CityCodesTable::KodColumn), QStringLiteral("48299")));
        const QString sql = QStringLiteral("SELECT Kod FROM gorod WHERE Name = '%1'").arg(name);
        QVERIFY(queryColumn(path, sql) != QStringList{"48299"});
        form.DBGrid1->setCurrentIndex(model->index(3, CityCodesTable::KodColumn));
        QTRY_VERIFY(!form.table().hasPendingChanges());
        QCOMPARE(queryColumn(path, sql), QStringList{"48299"});
        QCOMPARE(form.DBGrid1->currentIndex().row(), 3);
    }

    // A code typed into a cell and confirmed with Enter is pending while the
    // cursor stays on the row; however the window closes, and when the program
    // ends with the window still up, it is written first. So is a code still
    // in its cell's editor.
    void closingWritesWhatIsPending_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("confirmed");
        // A quit closes the windows first; an exit of the loop leaves them up.
        for (const char* way : {"close button", "Escape", "done", "quit", "exit"})
            QTest::newRow(way) << QString::fromLatin1(way) << true;
        QTest::newRow("close button, editor open") << QStringLiteral("close button") << false;
    }

    void closingWritesWhatIsPending()
    {
        QFETCH(QString, way);
        QFETCH(bool, confirmed);
        const QString path = m_dir.filePath(QStringLiteral("GOROD.DB"));
        const QString stored = QStringLiteral("SELECT Kod FROM gorod WHERE Name = 'Торжок'");
        TForm8 form(m_dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        typeCode(form, QStringLiteral("48299"), confirmed);
        QCOMPARE(queryColumn(path, stored), QStringList{"48251"});

        ModalWatcher watcher;
        if (way == QLatin1String("close button")) {
            form.close();
        } else if (way == QLatin1String("Escape")) {
            QTest::keyClick(form.DBGrid1, Qt::Key_Escape);
        } else if (way == QLatin1String("done")) {
            form.done(QDialog::Accepted);
        } else {
            QTimer::singleShot(0, qApp, [way] {
                if (way == QLatin1String("quit"))
                    QCoreApplication::quit();
                else
                    QCoreApplication::exit(0);
            });
            QCoreApplication::exec();
        }
        QCOMPARE(queryColumn(path, stored), QStringList{"48299"});
        QVERIFY(!form.table().hasPendingChanges());
        QCOMPARE(form.isVisible(), way == QLatin1String("exit"));
        QCOMPARE(watcher.seen.size(), 0);
    }

    // A pending code the store refuses at the close: its error is shown, the
    // window stays with the row as stored, and the next close closes it.
    void refusedWriteAtTheCloseIsShown()
    {
        const QString path = m_dir.filePath(QStringLiteral("GOROD.DB"));
        makeDatabase(path, {QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON gorod BEGIN "
                                           "SELECT RAISE(ABORT, 'the codes are kept'); END")});
        TForm8 form(m_dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        typeCode(form, QStringLiteral("48299"), true);
        ModalWatcher watcher;
        form.close();
        QTRY_COMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen[0].text, QStringLiteral("the codes are kept"));
        QCOMPARE(watcher.seen[0].icon, QMessageBox::Critical);
        QVERIFY(form.isVisible());
        QVERIFY(!form.table().hasPendingChanges());
        QCOMPARE(form.table().model()->data(form.table().model()->index(0, CityCodesTable::KodColumn)).toString(),
                 QStringLiteral("48251"));
        QCOMPARE(queryColumn(path, QStringLiteral("SELECT Kod FROM gorod WHERE Name = 'Торжок'")), QStringList{"48251"});
        form.close();
        QVERIFY(!form.isVisible());
        QCOMPARE(watcher.seen.size(), 1);
    }

    void navigatorMoves()
    {
        TForm8 form(m_dir.path());
        form.Edit2->setText(QStringLiteral("482"));
        const int rows = form.table().model()->rowCount();
        QVERIFY(rows > 3);
        QCOMPARE(form.DBGrid1->currentIndex().row(), 0);
        form.DBNavigator->button(NavigatorBar::Next)->click();
        form.DBNavigator->button(NavigatorBar::Next)->click();
        QCOMPARE(form.DBGrid1->currentIndex().row(), 2);
        form.DBNavigator->button(NavigatorBar::Prior)->click();
        QCOMPARE(form.DBGrid1->currentIndex().row(), 1);
        form.DBNavigator->button(NavigatorBar::Last)->click();
        QCOMPARE(form.DBGrid1->currentIndex().row(), rows - 1);
        form.DBNavigator->button(NavigatorBar::Next)->click();
        QCOMPARE(form.DBGrid1->currentIndex().row(), rows - 1);
        form.DBNavigator->button(NavigatorBar::First)->click();
        QCOMPARE(form.DBGrid1->currentIndex().row(), 0);
    }

    void missingTableEndsCreation()
    {
        QTemporaryDir empty;
        QVERIFY_THROWS_EXCEPTION(AppError, TForm8(empty.path()));
        QVERIFY(!QFile::exists(empty.filePath(QStringLiteral("GOROD.DB"))));
    }
};

QTEST_MAIN(TestCityCodesWindow)
#include "tst_city_codes_window.moc"
