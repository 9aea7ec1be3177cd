// The street label table: counts, ranges, angles, the given rows and the
// conventions of the label texts.

#include "TownTables.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

enum Column { Street, X, Y, Angle, Text };

struct GivenRow {
    int street;
    int index;  // position among the street's placements, in drawing order
    int x, y, angle;
    const char* text;
};

// Rows of the table given in full; split labels piece by piece.
const GivenRow Given[] = {
    {2, 0, 1569, 1758, 6, " ул. Л е н и н а "},
    {2, 1, 2011, 1711, 6, " ул. Л е н и н а "},
    {2, 2, 2461, 1665, 6, " ул. Л е н и н а "},
    {15, 0, 1919, 864, -85, "пер. 50 лет Октября"},
    {15, 1, 1956, 1297, -85, "пер. 50 лет Октября"},
    {15, 2, 2000, 1675, -85, "пер. 50 лет Октября"},
    {23, 0, 2551, 1950, 75, " пер. К и р п "},
    {23, 1, 2569, 1884, 85, "и ч н ы й"},
    {23, 2, 2645, 1425, -86, "пер. К и р п и ч н ы й"},
    {23, 3, 2475, 888, -50, "пер. К и р п и ч н ы й"},
    {33, 0, 420, 1350, -25, " ул. 50  л е т   В Л К С М"},
    {33, 1, 673, 1462, -24, " ул. 50  л е т   В Л К С М"},
    {38, 0, 497, 1946, -11, " ул. М и р а"},
    {38, 1, 695, 1986, -11, " ул. М и р а"},
    {46, 0, 442, 1957, -92, " ул. 81  М о р с к о й "},
    {46, 1, 439, 2069, -75, "с т р е л к о в о й  б р и г а д ы "},
    {46, 2, 384, 1449, 110, "ул. 81 Морской "},
    {46, 3, 355, 1361, 76, "стрелковой"},
    {46, 4, 374, 1301, 60, "бригады"},
    {54, 0, 430, 1597, -20, "ул. Кольце"},
    {54, 1, 484, 1632, -110, "вая"},
    {78, 0, 3227, 1594, 71, "пер. 40  л е т  П о б е д ы "},
    {82, 0, 862, 864, 91, "Б у д е н о в с к о е   ш о с с е"},
    {83, 0, 3184, 1007, 0, "Восточная пром. зона"},
};

// Placements that are pieces of a split label or given in full as such.
bool isPieceOrGivenSpecial(int street, int index)
{
    return (street == 12 && index < 2) || (street == 23 && index < 2) || street == 46 || street == 54
        || street == 83;
}

bool isLongStreet(int street) { return street <= 11 || street == 20 || street == 21; }
bool isLane(int street) { return (street >= 12 && street <= 19) || street == 24; }

QString stripOneSpaceEachEnd(QString text)
{
    if (text.startsWith(QLatin1Char(' ')))
        text.remove(0, 1);
    if (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// The name letter-spaced: one space after every letter of a word, numbers
// kept together, the words two or three spaces apart.
bool isLetterSpaced(const QString& body, const QString& name)
{
    QStringList words;
    for (const QString& word : name.split(QLatin1Char(' '))) {
        static const QRegularExpression digits(QStringLiteral("^\\d+$"));
        if (digits.match(word).hasMatch()) {
            words.append(word);
            continue;
        }
        QStringList letters;
        for (QChar c : word)
            letters.append(QRegularExpression::escape(QString(c)));
        words.append(letters.join(QLatin1Char(' ')));
    }
    const QRegularExpression pattern(QStringLiteral("^") + words.join(QStringLiteral(" {2,3}"))
                                     + QStringLiteral("$"));
    return pattern.match(body).hasMatch();
}

}  // namespace

class StreetLabelsTest : public QObject {
    Q_OBJECT

private:
    Table labels;
    QMap<int, QString> names;                  // StreetId -> catalogue name
    QMap<int, QList<TableRow>> byStreet;       // placements in drawing order

private slots:
    void initTestCase()
    {
        labels = readTable(dataPath("streets/labels.tsv"));
        QVERIFY2(labels.error.isEmpty(), qPrintable(labels.error));
        const Table catalogue = readTable(dataPath("streets/catalogue.tsv"));
        QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
        for (const TableRow& row : catalogue.rows)
            names.insert(row.number(0), row.fields.value(1));
        for (const TableRow& row : labels.rows)
            byStreet[row.number(Street)].append(row);
    }

    void tableShape()
    {
        QCOMPARE(labels.header, QStringList({"street", "x", "y", "angle", "text"}));
        QCOMPARE(labels.rows.size(), 151);
        int previous = 0;
        for (const TableRow& row : labels.rows) {
            QVERIFY2(row.fields.size() == 5, where(labels, row, QStringLiteral("five fields expected")));
            for (int c : {Street, X, Y, Angle}) {
                bool ok = false;
                row.fields[c].toInt(&ok);
                QVERIFY2(ok, where(labels, row, QStringLiteral("field %1 is not a number").arg(c + 1)));
            }
            QVERIFY2(row.number(Street) >= previous,
                     where(labels, row, QStringLiteral("rows are not grouped by street")));
            previous = row.number(Street);
        }
    }

    void placementsPerStreet_data()
    {
        QTest::addColumn<int>("street");
        QTest::addColumn<int>("count");
        QMap<int, int> expected;
        for (int s = 1; s <= 83; ++s)
            expected[s] = 1;
        for (int s : {7, 8, 9, 10, 11, 13, 19, 24, 28, 29, 33, 38, 41, 45, 53, 54, 77, 80})
            expected[s] = 2;
        for (int s : {1, 2, 3, 4, 5, 6, 15, 20, 42, 52, 65})
            expected[s] = 3;
        for (int s : {14, 16, 21, 23})
            expected[s] = 4;
        for (int s : {12, 17, 18, 46})
            expected[s] = 5;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QTest::addRow("street %d", it.key()) << it.key() << it.value();
    }

    void placementsPerStreet()
    {
        QFETCH(int, street);
        QFETCH(int, count);
        QCOMPARE(byStreet.value(street).size(), count);
    }

    void rangesReachTheirLimits()
    {
        const struct {
            Column column;
            int low, high;
        } ranges[] = {{X, 174, 3412}, {Y, 248, 2255}, {Angle, -110, 110}};
        for (const auto& range : ranges) {
            int low = INT_MAX, high = INT_MIN;
            for (const TableRow& row : labels.rows) {
                const int v = row.number(range.column);
                QVERIFY2(v >= range.low && v <= range.high,
                         where(labels, row, QStringLiteral("%1 outside %2..%3").arg(v).arg(range.low).arg(range.high)));
                low = std::min(low, v);
                high = std::max(high, v);
            }
            QCOMPARE(low, range.low);
            QCOMPARE(high, range.high);
        }
    }

    void mostFrequentAngles()
    {
        QMap<int, int> count;
        int sixOffTheLongStreets = 0;
        for (const TableRow& row : labels.rows) {
            ++count[row.number(Angle)];
            if (row.number(Angle) == 6 && !isLongStreet(row.number(Street)))
                ++sixOffTheLongStreets;
            if (row.number(Angle) == -85)
                QVERIFY2(isLane(row.number(Street)), where(labels, row, QStringLiteral("-85 off the lanes")));
        }
        QCOMPARE(count.value(6), 31);
        QCOMPARE(count.value(-85), 17);
        QVERIFY2(sixOffTheLongStreets <= 3, "angle 6 belongs nearly only to the long streets");
        for (auto it = count.cbegin(); it != count.cend(); ++it)
            if (it.key() != 6 && it.key() != -85)
                QVERIFY2(it.value() < 17, qPrintable(QStringLiteral("angle %1 is as frequent as -85").arg(it.key())));
    }

    void lanesCrossAtSteepAngles()
    {
        for (auto it = byStreet.cbegin(); it != byStreet.cend(); ++it) {
            if (!isLane(it.key()))
                continue;
            for (int i = 0; i < it.value().size(); ++i) {
                if (it.key() == 12 && i < 2)
                    continue;  // the split label round the bend
                const TableRow& row = it.value()[i];
                QVERIFY2(row.number(Angle) >= -87 && row.number(Angle) <= -83,
                         where(labels, row, QStringLiteral("lane label not at -83..-87")));
            }
        }
    }

    void givenRows_data()
    {
        QTest::addColumn<int>("street");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("text");
        for (const GivenRow& g : Given)
            QTest::addRow("street %d #%d", g.street, g.index + 1)
                << g.street << g.index << g.x << g.y << g.angle << QString::fromUtf8(g.text);
    }

    void givenRows()
    {
        QFETCH(int, street);
        QFETCH(int, index);
        // value() returns a copy: the row is taken from a list that outlives it.
        const QList<TableRow> rows = byStreet.value(street);
        QVERIFY(index < rows.size());
        const TableRow& row = rows[index];
        QTEST(row.number(X), "x");
        QTEST(row.number(Y), "y");
        QTEST(row.number(Angle), "angle");
        QTEST(row.fields[Text], "text");
    }

    // "пер." and the first four of the lane's twelve letters at 5 degrees; the
    // other eight 67 pixels further right and 6 higher at -25; three whole labels.
    void transportLaneSplitsAtItsBend()
    {
        const QString name = names.value(12);
        QCOMPARE(name.size(), 12);
        const QList<TableRow> rows = byStreet.value(12);
        QCOMPARE(rows.size(), 5);
        QString first = QStringLiteral(" пер. "), rest = QStringLiteral(" ");
        for (int i = 0; i < 12; ++i)
            (i < 4 ? first : rest) += name[i] + QStringLiteral(" ");
        QCOMPARE(rows[0].fields[Text], first);
        QCOMPARE(rows[0].number(Angle), 5);
        QCOMPARE(rows[1].fields[Text], rest);
        QCOMPARE(rows[1].number(Angle), -25);
        QCOMPARE(rows[1].number(X) - rows[0].number(X), 67);
        QCOMPARE(rows[0].number(Y) - rows[1].number(Y), 6);
        QCOMPARE(rows[2].number(Angle), -84);
        QCOMPARE(rows[3].number(Angle), -84);
        QCOMPARE(rows[4].number(Angle), -85);
    }

    void avenueIsAlsoALane()
    {
        int lane = 0, avenue = 0;
        for (const TableRow& row : byStreet.value(17)) {
            const QString core = stripOneSpaceEachEnd(row.fields[Text]);
            QString body;
            if (core.startsWith(QStringLiteral("пер. "))) {
                ++lane;
                body = core.mid(5);
            } else if (core.startsWith(QStringLiteral("просп. "))) {
                ++avenue;
                body = core.mid(7);
            } else {
                QFAIL(where(labels, row, QStringLiteral("neither \"пер.\" nor \"просп.\"")));
            }
            QVERIFY2(isLetterSpaced(body, names.value(17)),
                     where(labels, row, QStringLiteral("not the letter-spaced name")));
        }
        QCOMPARE(lane, 3);
        QCOMPARE(avenue, 2);
    }

    void longStreetsWithATwinAtFiveDegrees_data()
    {
        QTest::addColumn<int>("street");
        for (int s : {9, 10, 11})
            QTest::addRow("street %d", s) << s;
    }

    void longStreetsWithATwinAtFiveDegrees()
    {
        QFETCH(int, street);
        const QList<TableRow> rows = byStreet.value(street);
        QCOMPARE(rows.size(), 2);
        const TableRow& spaced = rows[0].number(Angle) == 6 ? rows[0] : rows[1];
        const TableRow& bare = rows[0].number(Angle) == 6 ? rows[1] : rows[0];
        QCOMPARE(spaced.number(Angle), 6);
        QCOMPARE(bare.number(Angle), 5);
        const QString text = bare.fields[Text];
        QVERIFY(!text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')));
        QCOMPARE(spaced.fields[Text], QStringLiteral(" ") + text + QStringLiteral(" "));
    }

    // Every whole label is the kind, one space and the name, plain or letter-spaced.
    void textsNameTheirStreetWithItsKind()
    {
        int letterSpaced = 0, plain = 0;
        static const QRegularExpression kind(QStringLiteral("^(ул\\.|пер\\.|просп\\.) (.*)$"));
        for (auto it = byStreet.cbegin(); it != byStreet.cend(); ++it) {
            const QString name = names.value(it.key());
            for (int i = 0; i < it.value().size(); ++i) {
                const TableRow& row = it.value()[i];
                const QString text = row.fields[Text];
                QVERIFY2(!text.startsWith(QStringLiteral("  ")) && !text.endsWith(QStringLiteral("  ")),
                         where(labels, row, QStringLiteral("more than one space at an end")));
                if (isPieceOrGivenSpecial(it.key(), i))
                    continue;
                QString body = stripOneSpaceEachEnd(text);
                if (it.key() != 82) {
                    const QRegularExpressionMatch m = kind.match(body);
                    QVERIFY2(m.hasMatch(), where(labels, row, QStringLiteral("does not begin with a kind")));
                    body = m.captured(2);
                }
                if (body == name)
                    ++plain;
                else if (isLetterSpaced(body, name))
                    ++letterSpaced;
                else
                    QFAIL(where(labels, row, QStringLiteral("does not name \"%1\"").arg(name)));
            }
        }
        QVERIFY2(letterSpaced > 2 * plain, "most names are letter-spaced");
        QVERIFY2(plain > 0, "a minority is not letter-spaced");
        for (const char* example : {" ул. Привокзальная", "пер. Лермонтова"}) {
            bool found = false;
            for (const TableRow& row : labels.rows)
                found = found || row.fields[Text] == QString::fromUtf8(example);
            QVERIFY2(found, example);
        }
    }

    void leadingSpaces()
    {
        int centralWithSpace = 0, central = 0;
        for (const TableRow& row : labels.rows) {
            const int s = row.number(Street);
            const bool leads = row.fields[Text].startsWith(QLatin1Char(' '));
            if (s >= 52)
                QVERIFY2(!leads, where(labels, row, QStringLiteral("streets from 52 on never begin with a space")));
            if (s <= 11 || (s >= 20 && s <= 51)) {
                ++central;
                centralWithSpace += leads;
            }
        }
        QVERIFY2(centralWithSpace * 2 > central, "labels of streets 1-11 and 20-51 mostly begin with a space");
    }
};

QTEST_GUILESS_MAIN(StreetLabelsTest)
#include "tst_street_labels.moc"
