// The street catalogue and the two lists of street names.

#include "TownTables.h"

#include <QMap>
#include <QPoint>
#include <QSet>
#include <QtTest>

namespace {

const char* const MultiWordNames[] = {"50 лет Октября", "50 лет ВЛКСМ", "40 лет Победы",
                                      "81 морской бригады", "Восточная промзона", "Буденовское шоссе"};
const char* const ListOnlyNames[] = {"Линейная", "Промышленное шоссе", "Чижова"};
const char* const MissingFromCombos[] = {"Кольцевая", "Мелиоративная", "Плугина", "Проселочная"};

QStringList fromUtf8(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out.append(QString::fromUtf8(t));
    return out;
}

}  // namespace

class StreetCatalogueTest : public QObject {
    Q_OBJECT

private:
    Table catalogue;
    QMap<int, QString> names;
    QMap<int, QPoint> anchors;
    QMap<int, QList<QPoint>> labelPoints;
    QStringList streetList, comboList;

private slots:
    void initTestCase()
    {
        catalogue = readTable(dataPath("streets/catalogue.tsv"));
        QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
        for (const TableRow& row : catalogue.rows) {
            names.insert(row.number(0), row.fields.value(1));
            anchors.insert(row.number(0), QPoint(row.number(2), row.number(3)));
        }
        const Table labels = readTable(dataPath("streets/labels.tsv"));
        QVERIFY2(labels.error.isEmpty(), qPrintable(labels.error));
        for (const TableRow& row : labels.rows)
            labelPoints[row.number(0)].append(QPoint(row.number(1), row.number(2)));
        QString error;
        streetList = readLines(dataPath("streets/street-list.txt"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        comboList = readLines(dataPath("streets/combo-list.txt"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void tableShape()
    {
        QCOMPARE(catalogue.header, QStringList({"street", "name", "anchor_x", "anchor_y"}));
        QCOMPARE(catalogue.rows.size(), 83);
        for (int i = 0; i < catalogue.rows.size(); ++i) {
            const TableRow& row = catalogue.rows[i];
            QVERIFY2(row.fields.size() == 4, where(catalogue, row, QStringLiteral("four fields expected")));
            QVERIFY2(row.number(0) == i + 1, where(catalogue, row, QStringLiteral("not in StreetId order")));
        }
    }

    // The address lookup cuts names at spaces and knows only these six
    // multi-word names by their first word.
    void namesAreDistinctAndSingleWords()
    {
        QSet<QString> seen;
        const QStringList multi = [] {
            QStringList l;
            for (const char* n : MultiWordNames)
                l.append(QString::fromUtf8(n));
            return l;
        }();
        for (const TableRow& row : catalogue.rows) {
            const QString name = row.fields[1];
            QVERIFY2(!name.isEmpty() && name.trimmed() == name, where(catalogue, row, QStringLiteral("blank name")));
            QVERIFY2(!seen.contains(name), where(catalogue, row, QStringLiteral("name used twice")));
            seen.insert(name);
            if (multi.contains(name))
                continue;
            QVERIFY2(!name.contains(QLatin1Char(' ')), where(catalogue, row, QStringLiteral("more than one word")));
            for (const QString& first : fromUtf8({"50", "40", "81", "Восточная"}))
                QVERIFY2(!name.startsWith(first), where(catalogue, row, QStringLiteral("begins like a multi-word name")));
        }
        for (const QString& name : multi)
            QVERIFY2(seen.contains(name), qPrintable(name));
    }

    void givenRows_data()
    {
        QTest::addColumn<int>("street");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("anchor");
        const struct {
            int street;
            const char* name;
            int x, y;
        } given[] = {
            {2, "Ленина", 1319, 1540},          {15, "50 лет Октября", 1587, 738},
            {25, "Мелиоративная", 382, 733},    {26, "Шолохова", 384, 735},
            {27, "Социалистическая", 382, 739}, {33, "50 лет ВЛКСМ", 290, 1203},
            {38, "Мира", 310, 1759},            {46, "81 морской бригады", 133, 1134},
            {47, nullptr, 43, 1618},            {48, nullptr, 43, 1618},
            {78, "40 лет Победы", 2938, 1349},  {82, "Буденовское шоссе", 618, 621},
            {83, "Восточная промзона", 2873, 787},
        };
        for (const auto& g : given)
            QTest::addRow("street %d", g.street)
                << g.street << (g.name ? QString::fromUtf8(g.name) : QString()) << QPoint(g.x, g.y);
    }

    void givenRows()
    {
        QFETCH(int, street);
        QFETCH(QString, name);
        if (!name.isNull())
            QCOMPARE(names.value(street), name);
        QTEST(anchors.value(street), "anchor");
    }

    void anchorsReachTheirLimits()
    {
        int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
        for (const QPoint& a : anchors) {
            minX = std::min(minX, a.x());
            maxX = std::max(maxX, a.x());
            minY = std::min(minY, a.y());
            maxY = std::max(maxY, a.y());
        }
        QCOMPARE(minX, 19);
        QCOMPARE(maxX, 3061);
        QCOMPARE(minY, 33);
        QCOMPARE(maxY, 2065);
    }

    // The view jumps to the anchor: one of the street's labels must be in it.
    void everyAnchorShowsALabelOfItsStreet()
    {
        for (auto it = anchors.cbegin(); it != anchors.cend(); ++it) {
            const QRect view(it.value(), QSize(798, 519));
            bool seen = false;
            for (const QPoint& p : labelPoints.value(it.key()))
                seen = seen || view.contains(p);
            QVERIFY2(seen, qPrintable(QStringLiteral("street %1: no label point in the view at its anchor").arg(it.key())));
        }
    }

    // An 800-pixel map control moves these views left; a 616-pixel one none.
    void anchorsBeyondTheRightLimit()
    {
        QSet<int> beyond;
        for (auto it = anchors.cbegin(); it != anchors.cend(); ++it) {
            if (it.value().x() > 3684 - 800)
                beyond.insert(it.key());
            QVERIFY(it.value().x() <= 3684 - 616);
        }
        QCOMPARE(beyond, QSet<int>({67, 68, 69, 70, 71, 72, 78, 79}));
    }

    void streetListHoldsAllNamesInAlphabeticalOrder()
    {
        QStringList expected(names.values());
        for (const char* n : ListOnlyNames)
            expected.append(QString::fromUtf8(n));
        QCOMPARE(streetList.size(), 86);
        QCOMPARE(QSet<QString>(streetList.cbegin(), streetList.cend()),
                 QSet<QString>(expected.cbegin(), expected.cend()));
        QCOMPARE(streetList.mid(0, 4),
                 fromUtf8({"40 лет Победы", "50 лет ВЛКСМ", "50 лет Октября", "81 морской бригады"}));
        for (int i = 1; i < streetList.size(); ++i)
            QVERIFY2(streetList[i - 1].toLower() < streetList[i].toLower(),
                     qPrintable(QStringLiteral("\"%1\" stands before \"%2\"").arg(streetList[i - 1], streetList[i])));
    }

    // Clicking an item selects the first item beginning with its text, which
    // must be the item itself.
    void noNameBeginsWithAnotherWholeName()
    {
        for (const QString& a : streetList)
            for (const QString& b : streetList)
                QVERIFY2(a == b || !b.startsWith(a), qPrintable(b + QStringLiteral(" begins with ") + a));
        for (const QString& item : streetList)
            if (item.startsWith(QStringLiteral("Лен"))) {
                QCOMPARE(item, QStringLiteral("Ленина"));
                break;
            }
    }

    void comboListLacksFourNames()
    {
        QStringList expected = streetList;
        for (const char* n : MissingFromCombos)
            QVERIFY(expected.removeOne(QString::fromUtf8(n)));
        QCOMPARE(comboList, expected);
        QCOMPARE(comboList.size(), 82);
    }
};

QTEST_GUILESS_MAIN(StreetCatalogueTest)
#include "tst_street_catalogue.moc"
