#include "ReferenceFixtures.h"

#include "base/AppError.h"
#include "reference/CityCodesTable.h"

#include <QSqlTableModel>

using namespace ReferenceFixtures;

// The city codes table over a small fixture: prefix filters as the two search
// fields apply them, the heading decision, and the navigator's writes.
class TestCityCodesTable : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    QStringList listedNames(const CityCodesTable& table)
    {
        QStringList names;
        for (int row = 0; row < table.model()->rowCount(); ++row)
            names.append(table.model()->data(table.model()->index(row, CityCodesTable::NameColumn)).toString());
        return names;
    }

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("GOROD.DB"));
        QFile::remove(m_path);
        makeDatabase(m_path, {
            QStringLiteral("CREATE TABLE gorod (Name TEXT, Kod TEXT, Id TEXT)"),
            QStringLiteral("INSERT INTO gorod VALUES ('Тверская область', '482', '1'), ('Тверь', '4822', '0'),"
                           " ('тверской посёлок', '48230', '0'), ('Торжок', '48251', '0'),"
                           " ('Республика Татарстан', '843', '1'), ('Казань', '843', '0'),"
                           " ('Ирбит', '34355', '01'), ('О''Брайен', '84300', '0'), ('Сто%', '1', '0')"),
        });
    }

    void filters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");

        const QStringList all = {"Тверская область", "Тверь", "тверской посёлок", "Торжок", "Республика Татарстан",
                                 "Казань", "Ирбит", "О'Брайен", "Сто%"};
        QTest::newRow("capital letter") << "name" << "Т" << QStringList{"Тверская область", "Тверь", "Торжок"};
        QTest::newRow("small letter selects other rows") << "name" << "т" << QStringList{"тверской посёлок"};
        QTest::newRow("longer prefix") << "name" << "Твер" << QStringList{"Тверская область", "Тверь"};
        QTest::newRow("empty field shows all") << "name" << "" << all;
        QTest::newRow("blanks only show all") << "name" << "   " << all;
        QTest::newRow("control characters count as blanks") << "name" << " \t\x01" << all;
        QTest::newRow("leading blank is typed text") << "name" << " Т" << QStringList{};
        QTest::newRow("trailing blank is typed text") << "name" << "Тверь " << QStringList{};
        QTest::newRow("heading listed only when it matches") << "name" << "Ка" << QStringList{"Казань"};
        QTest::newRow("apostrophe is a character") << "name" << "О'Б" << QStringList{"О'Брайен"};
        QTest::newRow("lone apostrophe") << "name" << "'" << QStringList{};
        QTest::newRow("percent sign is no wildcard") << "name" << "%" << QStringList{};
        QTest::newRow("percent sign matched literally") << "name" << "Сто%" << QStringList{"Сто%"};
        QTest::newRow("code prefix") << "code" << "843" << QStringList{"Республика Татарстан", "Казань", "О'Брайен"};
        QTest::newRow("code prefix is no substring") << "code" << "22" << QStringList{};
        QTest::newRow("code blank shows all") << "code" << " " << all;
    }

    void filters()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        CityCodesTable table(m_path, QStringLiteral("filters"));
        if (field == QStringLiteral("name"))
            table.filterByName(typed);
        else
            table.filterByCode(typed);
        QCOMPARE(listedNames(table), expected);
    }

    // The last edited field alone filters: the code filter is dropped, not
    // combined, when the name field changes.
    void lastEditedFieldAloneFilters()
    {
        CityCodesTable table(m_path, QStringLiteral("last-edited"));
        table.filterByCode(QStringLiteral("482"));
        QCOMPARE(listedNames(table), (QStringList{"Тверская область", "Тверь", "тверской посёлок", "Торжок"}));
        table.filterByName(QStringLiteral("Ка"));
        QCOMPARE(listedNames(table), QStringList{"Казань"});
        table.filterByName(QString());
        QCOMPARE(table.model()->rowCount(), 9);
    }

    void headingCell_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("heading");
        QTest::newRow("heading name cell") << "1" << int(CityCodesTable::NameColumn) << true;
        QTest::newRow("heading code cell keeps normal look") << "1" << int(CityCodesTable::KodColumn) << false;
        QTest::newRow("ordinary row") << "0" << int(CityCodesTable::NameColumn) << false;
        QTest::newRow("id 01 is ordinary") << "01" << int(CityCodesTable::NameColumn) << false;
        QTest::newRow("id with blank is ordinary") << "1 " << int(CityCodesTable::NameColumn) << false;
        QTest::newRow("empty id is ordinary") << "" << int(CityCodesTable::NameColumn) << false;
    }

    void headingCell()
    {
        QFETCH(QString, id);
        QFETCH(int, column);
        QFETCH(bool, heading);
        QCOMPARE(isHeadingCell(id, column), heading);
    }

    // A row added while a filter is active is stored even though the filter
    // then hides it.
    void newRowNotMatchingFilterIsStoredButNotListed()
    {
        CityCodesTable table(m_path, QStringLiteral("insert"));
        table.filterByName(QStringLiteral("Т"));
        const int row = table.insertRow(1);
        QSqlTableModel* model = table.model();
        QVERIFY(model->setData(model->index(row, CityCodesTable::NameColumn), QStringLiteral("Москва")));
        QVERIFY(model->setData(model->index(row, CityCodesTable::KodColumn), QStringLiteral("495")));
        table.post();
        QVERIFY(!table.hasPendingChanges());
        QCOMPARE(listedNames(table), (QStringList{"Тверская область", "Тверь", "Торжок"}));
        QCOMPARE(queryColumn(m_path, QStringLiteral("SELECT Kod FROM gorod WHERE Name = 'Москва'")), QStringList{"495"});
    }

    void editedCellIsWrittenByPost()
    {
        CityCodesTable table(m_path, QStringLiteral("edit"));
        table.filterByName(QStringLiteral("Торж"));
        QSqlTableModel* model = table.model();
        QVERIFY(model->setData(model->index(0, CityCodesTable::KodColumn), QStringLiteral("48252")));
        QCOMPARE(queryColumn(m_path, QStringLiteral("SELECT Kod FROM gorod WHERE Name = 'Торжок'")), QStringList{"48251"});
        table.post();
        QCOMPARE(queryColumn(m_path, QStringLiteral("SELECT Kod FROM gorod WHERE Name = 'Торжок'")), QStringList{"48252"});
    }

    // An inserted row holds empty texts, not NULLs, and can be changed after
    // it was posted.
    void postedEmptyRowCanBeChangedLater()
    {
        CityCodesTable table(m_path, QStringLiteral("empty-row"));
        table.insertRow(0);
        table.post();
        QCOMPARE(queryColumn(m_path, QStringLiteral("SELECT count(*) FROM gorod WHERE Name = '' AND Kod = '' AND Id = ''")),
                 QStringList{"1"});
        const int stored = int(listedNames(table).indexOf(QString()));
        QVERIFY(stored >= 0);
        QVERIFY(table.model()->setData(table.model()->index(stored, CityCodesTable::NameColumn), QStringLiteral("Кимры")));
        table.post();
        QCOMPARE(queryColumn(m_path, QStringLiteral("SELECT count(*) FROM gorod WHERE Name = 'Кимры'")), QStringList{"1"});
        QCOMPARE(queryColumn(m_path, QStringLiteral("SELECT count(*) FROM gorod")), QStringList{"10"});
    }

    void deleteRemovesTheRowFromTheTable()
    {
        CityCodesTable table(m_path, QStringLiteral("delete"));
        table.filterByName(QStringLiteral("Каз"));
        table.deleteRow(0);
        QCOMPARE(table.model()->rowCount(), 0);
        QCOMPARE(queryColumn(m_path, QStringLiteral("SELECT count(*) FROM gorod WHERE Name = 'Казань'")), QStringList{"0"});
        QCOMPARE(queryColumn(m_path, QStringLiteral("SELECT count(*) FROM gorod")), QStringList{"8"});
    }

    // Two rows equal in every field, in a table made without a key, as every
    // GOROD.DB is: a change or a delete reaches the row the user is on alone,
    // and the file keeps its three fields.
    void oneOfTwoEqualRows_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("delete the second") << true << QStringList{"first 48236"};
        QTest::newRow("change the second") << false << QStringList{"first 48236", "second 48299"};
    }

    void oneOfTwoEqualRows()
    {
        QFETCH(bool, remove);
        QFETCH(QStringList, stored);
        makeDatabase(m_path, {QStringLiteral("INSERT INTO gorod VALUES ('Кимры', '48236', '0'), ('Кимры', '48236', '0')")});
        const QStringList ids = queryColumn(m_path, QStringLiteral("SELECT rowid FROM gorod WHERE Name = 'Кимры' ORDER BY rowid"));
        QCOMPARE(ids.size(), 2);
        {
            CityCodesTable table(m_path, QStringLiteral("equal-rows"));
            table.filterByName(QStringLiteral("Кимры"));
            QCOMPARE(table.model()->rowCount(), 2);
            if (remove) {
                table.deleteRow(1);
            } else {
                QVERIFY(table.model()->setData(table.model()->index(1, CityCodesTable::KodColumn), QStringLiteral("48299")));
                table.post();
            }
            QCOMPARE(table.model()->rowCount(), remove ? 1 : 2);
        }
        const QString which = QStringLiteral("SELECT CASE rowid WHEN %1 THEN 'first' WHEN %2 THEN 'second' END || ' ' || Kod "
                                             "FROM gorod WHERE Name = 'Кимры' ORDER BY rowid").arg(ids[0], ids[1]);
        QCOMPARE(queryColumn(m_path, which), stored);
        QCOMPARE(queryColumn(m_path, QStringLiteral("SELECT count(*) FROM gorod")), QStringList{remove ? "10" : "11"});
        QCOMPARE(queryColumn(m_path, QStringLiteral("SELECT name FROM pragma_table_info('gorod')")),
                 (QStringList{"Name", "Kod", "Id"}));
    }

    // A refusal of the store reaches the caller as an error carrying the
    // store's own message.
    void storeRefusalIsThrownWithItsMessage()
    {
        makeDatabase(m_path, {QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON gorod BEGIN "
                                             "SELECT RAISE(ABORT, 'no new rows here'); END")});
        CityCodesTable table(m_path, QStringLiteral("refusal"));
        table.insertRow(0);
        try {
            table.post();
            QFAIL("post did not throw");
        } catch (const AppError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("no new rows here")), qPrintable(e.message()));
        }
    }

    // Edits of two rows posted together, the second refused: neither is
    // stored, nothing stays pending, and the rows read as the file holds them.
    void refusedPostWritesNothing()
    {
        makeDatabase(m_path, {QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON gorod WHEN new.Kod = 'нет' BEGIN "
                                             "SELECT RAISE(ABORT, 'this code is refused'); END")});
        CityCodesTable table(m_path, QStringLiteral("half-written"));
        table.filterByName(QStringLiteral("Т"));
        QSqlTableModel* model = table.model();
        QCOMPARE(listedNames(table), (QStringList{"Тверская область", "Тверь", "Торжок"}));
        QVERIFY(model->setData(model->index(0, CityCodesTable::KodColumn), QStringLiteral("4820")));
        QVERIFY(model->setData(model->index(1, CityCodesTable::KodColumn), QStringLiteral("нет")));
        QVERIFY_THROWS_EXCEPTION(AppError, table.post());
        QVERIFY(!table.hasPendingChanges());
        QCOMPARE(queryColumn(m_path, QStringLiteral("SELECT Kod FROM gorod WHERE Name LIKE 'Тве%' ORDER BY rowid")),
                 (QStringList{"482", "4822"}));
        QCOMPARE(model->data(model->index(0, CityCodesTable::KodColumn)).toString(), QStringLiteral("482"));
        QCOMPARE(model->data(model->index(1, CityCodesTable::KodColumn)).toString(), QStringLiteral("4822"));
    }

    void missingFileIsAnErrorAndStaysMissing()
    {
        const QString missing = m_dir.filePath(QStringLiteral("nothing/GOROD.DB"));
        QVERIFY_THROWS_EXCEPTION(AppError, CityCodesTable(missing, QStringLiteral("missing")));
        QVERIFY(!QFile::exists(missing));
        const QString absent = m_dir.filePath(QStringLiteral("ABSENT.DB"));
        try {
            CityCodesTable table(absent, QStringLiteral("absent"));
            QFAIL("opening a missing table did not throw");
        } catch (const AppError& e) {
            QVERIFY(!e.message().trimmed().isEmpty());
        }
        QVERIFY(!QFile::exists(absent));
    }

    void fileWithoutTheTableIsAnError()
    {
        const QString other = m_dir.filePath(QStringLiteral("other.db"));
        QFile::remove(other);
        makeDatabase(other, {QStringLiteral("CREATE TABLE something (a TEXT)")});
        QVERIFY_THROWS_EXCEPTION(AppError, CityCodesTable(other, QStringLiteral("other")));
    }
};

QTEST_MAIN(TestCityCodesTable)
#include "tst_city_codes_table.moc"
