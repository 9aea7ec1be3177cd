// The street name cut out of a record's address, and whether the
// street catalogue has it.
#include "directory/StreetNameFromAddress.h"
#include "map/StreetCatalogue.h"

#include <QtTest>

class TestStreetNameFromAddress : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_catalogue = StreetCatalogue::load(); }

    void partTable_data()
    {
        QTest::addColumn<QString>("adr");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("house and flat") << "Ленина 25 кв 3" << "Ленина" << true;
        QTest::newRow("leading spaces") << "  Ленина 25" << "Ленина" << true;
        QTest::newRow("no house number") << "Ленина" << "Ленина" << true;
        QTest::newRow("a flat, no house number") << "Ленина кв 3" << "Ленина" << true;
        QTest::newRow("case differs") << "ленина 5" << "ленина" << false;
        QTest::newRow("kind word first") << "ул. Ленина 5" << "ул." << false;
        QTest::newRow("comma after the name") << "Ленина, 5" << "Ленина," << false;
        QTest::newRow("50 лет Октября with house and flat") << "50 лет Октября 12 кв 4" << "50 лет Октября" << true;
        QTest::newRow("50 лет Октября alone") << "50 лет Октября" << "50 лет Октября" << true;
        QTest::newRow("50 лет") << "50 лет" << "50 лет" << false;
        QTest::newRow("50") << "50" << "50" << false;
        QTest::newRow("two spaces after 50") << "50  лет Октября 3" << "50  лет" << false;
        QTest::newRow("81 морской бригады") << "81 морской бригады 3" << "81 морской бригады" << true;
        QTest::newRow("Восточная промзона") << "Восточная промзона" << "Восточная промзона" << true;
        QTest::newRow("Восточная промзона 5") << "Восточная промзона 5" << "Восточная промзона 5" << false;
        QTest::newRow("Буденовское шоссе 4") << "Буденовское шоссе 4" << "Буденовское" << false;
        QTest::newRow("empty") << "" << "" << false;
        QTest::newRow("only spaces") << "     " << "" << false;
        QTest::newRow("null text (no current record)") << QString() << "" << false;
    }
    void partTable()
    {
        QFETCH(QString, adr);
        QFETCH(QString, name);
        QFETCH(bool, found);
        const QString looked = StreetNameFromAddress(adr);
        QCOMPARE(looked, name);
        QCOMPARE(m_catalogue.find(looked) != nullptr, found);
    }

    void moreEdges_data()
    {
        QTest::addColumn<QString>("adr");
        QTest::addColumn<QString>("name");
        QTest::newRow("40 лет Победы") << "40 лет Победы 7" << "40 лет Победы";
        QTest::newRow("50 лет ВЛКСМ with flat") << "50 лет ВЛКСМ 1 кв 2" << "50 лет ВЛКСМ";
        QTest::newRow("trailing control characters") << "Мира\t\r\n" << "Мира";
        QTest::newRow("tab inside the first word") << "Мира\t5 кв 1" << "Мира\t5";
        QTest::newRow("tab at the end of the first word") << "Мира\t 5" << "Мира";
        QTest::newRow("control characters around") << QString::fromUtf16(u"\x01\x02Мира 5\x03") << "Мира";
        QTest::newRow("50 then a space at the end") << "50 " << "50";
        QTest::newRow("Восточная then two spaces") << "Восточная  промзона" << "Восточная  промзона";
        QTest::newRow("special word case-sensitive") << "восточная промзона" << "восточная";
        QTest::newRow("no-break space is no separator") << QString::fromUtf16(u"Мира\u00A05") << QString::fromUtf16(u"Мира\u00A05");
        QTest::newRow("house without a street") << " 5" << "5";
        QTest::newRow("flat alone") << " кв 3" << "кв";
        QTest::newRow("long text") << QString(QStringLiteral("Ленина ") + QString(10000, QLatin1Char('x'))) << "Ленина";
    }
    void moreEdges()
    {
        QFETCH(QString, adr);
        QFETCH(QString, name);
        QCOMPARE(StreetNameFromAddress(adr), name);
    }

    void everyCatalogueNameIsFoundFromTheAddDialogsForm()
    {
        // An address written by the add dialog finds its street when the name is
        // one word, or three words after one of the special first words; a
        // special name of two words takes the house number along, and another
        // name of several words gives its first word alone.
        int found = 0;
        for (const StreetRow& row : m_catalogue.rows()) {
            const QString looked = StreetNameFromAddress(row.name + QStringLiteral(" 12 кв 5"));
            const QStringList words = row.name.split(QLatin1Char(' '));
            const bool special = QStringList({"50", "40", "81", "Восточная"}).contains(words.first());
            if (words.size() == 1 || (special && words.size() == 3)) {
                QCOMPARE(looked, row.name);
                ++found;
            } else {
                QVERIFY2(looked != row.name, qPrintable(row.name));
            }
        }
        QVERIFY(found >= 75);
    }

private:
    StreetCatalogue m_catalogue;
};

QTEST_APPLESS_MAIN(TestStreetNameFromAddress)
#include "tst_street_name_from_address.moc"
