#include "map/StreetCatalogue.h"

#include <QtTest>

class TestStreetLists : public QObject {
    Q_OBJECT
private slots:
    void incrementalSelect_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");
        QTest::newRow("capital") << "Лен" << "Ленина";
        QTest::newRow("small Cyrillic now folds") << "лен" << "Ленина";
        QTest::newRow("all capitals") << "ЛЕНИНА" << "Ленина";
        QTest::newRow("empty selects the first") << "" << "40 лет Победы";
        QTest::newRow("digits") << "50" << "50 лет ВЛКСМ";
        QTest::newRow("longer than every name") << "Ленина и ещё длиннее, чем любая улица" << "";
        QTest::newRow("nothing begins so") << "xyz" << "";
        QTest::newRow("leading space matches nothing") << " Лен" << "";
    }
    void incrementalSelect()
    {
        QFETCH(QString, typed);
        QFETCH(QString, selected);
        const QStringList names = streetListNames();
        const int index = incrementalMatch(names, typed);
        QCOMPARE(index < 0 ? QString() : names[index], selected);
    }

    void foldingCoversYoAndLatin()
    {
        const QStringList items{"Ёлочная", "Yard", "ёж"};
        QCOMPARE(incrementalMatch(items, "ёл"), 0);
        QCOMPARE(incrementalMatch(items, "ЁЖ"), 2);
        QCOMPARE(incrementalMatch(items, "yA"), 1);
        // Е and Ё stay different letters.
        QCOMPARE(incrementalMatch(items, "Ел"), -1);
    }

    void listsAgreeWithTheCatalogue()
    {
        const QStringList list = streetListNames();
        const QStringList combos = comboStreetNames();
        QCOMPARE(list.size(), 86);
        QCOMPARE(combos.size(), 82);
        const StreetCatalogue catalogue = StreetCatalogue::load();
        QCOMPARE(int(catalogue.rows().size()), 83);
        for (const StreetRow& row : catalogue.rows())
            QVERIFY2(list.contains(row.name), qPrintable(row.name));
    }
};

QTEST_MAIN(TestStreetLists)
#include "tst_street_lists.moc"
