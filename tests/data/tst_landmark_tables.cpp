// The marker table and the landmark table: rows as tabled and the captions.

#include "TownTables.h"

#include <QMap>
#include <QtTest>

namespace {

struct MarkerRow {
    const char* code;
    char sprite;
    int left, top, right, bottom;
};

const MarkerRow Markers[] = {
    {"07", 'A', 1925, 1862, 1965, 1902}, {"19", 'C', 2063, 638, 2113, 678},
    {"01", 'B', 2064, 1846, 2104, 1886}, {"02", 'B', 3155, 823, 3195, 863},
    {"03", 'B', 2931, 1792, 2971, 1832}, {"04", 'B', 1869, 1455, 1909, 1495},
    {"05", 'B', 1775, 1806, 1815, 1846}, {"06", 'B', 977, 1984, 1017, 2024},
    {"08", 'B', 929, 931, 969, 971},     {"09", 'B', 1912, 1788, 1952, 1828},
    {"10", 'B', 2754, 2328, 2794, 2368}, {"11", 'B', 1952, 1850, 1992, 1890},
    {"12", 'B', 2030, 1748, 2070, 1788}, {"13", 'B', 2060, 1732, 2100, 1772},
    {"15", 'B', 2044, 1512, 2084, 1552}, {"16", 'B', 2035, 1438, 2075, 1478},
    {"17", 'B', 1982, 1313, 2022, 1353}, {"18", 'B', 1987, 1119, 2027, 1159},
    {"20", 'B', 2031, 474, 2071, 514},   {"21", 'B', 1864, 433, 1904, 473},
    {"22", 'B', 985, 464, 1025, 504},    {"23", 'B', 777, 838, 817, 878},
    {"24", 'B', 836, 1256, 876, 1296},   {"25", 'B', 876, 1336, 916, 1376},
    {"26", 'B', 901, 1280, 941, 1320},   {"27", 'B', 1613, 1823, 1653, 1863},
    {"28", 'B', 1743, 1703, 1783, 1743}, {"29", 'B', 1803, 1719, 1843, 1759},
    {"30", 'B', 1813, 1671, 1853, 1711}, {"31", 'B', 1891, 1865, 1931, 1905},
    {"32", 'B', 2234, 1846, 2274, 1886}, {"34", 'B', 2942, 1662, 2982, 1702},
};

struct LandmarkRow {
    const char* code;
    int firstCol, lastCol, firstRow, lastRow;
    const char* caption;  // nullptr: a proper name that the map data invents
};

const LandmarkRow Landmarks[] = {
    {"01", 2065, 2108, 1847, 1890, nullptr},
    {"02", 3156, 3199, 824, 867, "к.ф.х. Ормалин - Производство крупы и растительного масла"},
    {"03", 2932, 2975, 1793, 1836, "Памятник в честь основания г.Тальвинска"},
    {"04", 1870, 1913, 1456, 1499, "Районный Дом Культуры"},
    {"05", 1776, 1819, 1807, 1850, "Спортивный центр"},
    {"06", 978, 1021, 1985, 2028, "Памятник "},
    {"07", 1926, 1950, 1863, 1906, "Администрация"},
    {"08", 930, 973, 932, 975, "Элеватор"},
    {"09", 1913, 1956, 1789, 1832, nullptr},
    {"10", 2755, 2798, 2329, 2372, "Памятник"},
    {"11", 1953, 1996, 1851, 1894, nullptr},
    {"12", 2031, 2074, 1749, 1792, "Здание СУДа"},
    {"13", 2061, 2104, 1733, 1776, nullptr},
    {"15", 2045, 2088, 1513, 1556, "Аптека"},
    {"16", 2036, 2079, 1439, 1482, nullptr},
    {"17", 1983, 2026, 1314, 1357, "Здание Почты"},
    {"18", 1988, 2031, 1120, 1163, "Военкомат"},
    {"19", 2064, 2107, 639, 682, "Больница"},
    {"20", 2032, 2080, 475, 509, nullptr},
    {"21", 1865, 1908, 434, 477, nullptr},
    {"22", 986, 1029, 465, 508, "ХлебЗавод"},
    {"23", 778, 821, 839, 882, nullptr},
    {"24", 837, 880, 1257, 1300, nullptr},
    {"25", 877, 920, 1337, 1380, nullptr},
    {"26", 902, 945, 1281, 1324, nullptr},
    {"27", 1614, 1657, 1824, 1867, "Рыбколхоз"},
    {"28", 1744, 1787, 1704, 1747, "Налоговая"},
    {"29", 1804, 1847, 1720, 1763, "Памятник"},
    {"30", 1814, 1857, 1672, 1715, "Здание Администрации"},
    {"31", 1892, 1935, 1866, 1909, nullptr},
    {"32", 2235, 2278, 1847, 1890, "Церковь"},
    {"34", 2943, 2986, 1663, 1706, nullptr},
};

}  // namespace

class LandmarkTablesTest : public QObject {
    Q_OBJECT

private:
    Table markers, landmarks;

private slots:
    void initTestCase()
    {
        markers = readTable(dataPath("landmarks/markers.tsv"));
        QVERIFY2(markers.error.isEmpty(), qPrintable(markers.error));
        landmarks = readTable(dataPath("landmarks/landmarks.tsv"));
        QVERIFY2(landmarks.error.isEmpty(), qPrintable(landmarks.error));
        QCOMPARE(markers.header, QStringList({"code", "sprite", "left", "top", "right", "bottom"}));
        QCOMPARE(landmarks.header,
                 QStringList({"code", "first_col", "last_col", "first_row", "last_row", "caption"}));
        QCOMPARE(markers.rows.size(), 32);
        QCOMPARE(landmarks.rows.size(), 32);
    }

    void markersAsTabled_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 32; ++i)
            QTest::addRow("marker %d (%s)", i + 1, Markers[i].code) << i;
    }

    void markersAsTabled()
    {
        QFETCH(int, index);
        const MarkerRow& m = Markers[index];
        const TableRow& row = markers.rows[index];
        QCOMPARE(row.fields, QStringList({QString::fromLatin1(m.code), QString(QLatin1Char(m.sprite)),
                                          QString::number(m.left), QString::number(m.top),
                                          QString::number(m.right), QString::number(m.bottom)}));
    }

    void landmarksAsTabled_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 32; ++i)
            QTest::addRow("landmark %s", Landmarks[i].code) << i;
    }

    void landmarksAsTabled()
    {
        QFETCH(int, index);
        const LandmarkRow& l = Landmarks[index];
        const TableRow& row = landmarks.rows[index];
        QCOMPARE(row.fields.size(), 6);
        QCOMPARE(row.fields.mid(0, 5), QStringList({QString::fromLatin1(l.code), QString::number(l.firstCol),
                                                    QString::number(l.lastCol), QString::number(l.firstRow),
                                                    QString::number(l.lastRow)}));
        const QString caption = row.fields[5];
        if (l.caption) {
            QCOMPARE(caption, QString::fromUtf8(l.caption));
        } else {
            QVERIFY2(caption.size() >= 4 && caption.trimmed() == caption,
                     where(landmarks, row, QStringLiteral("the landmark needs a proper name")));
        }
    }

    // Only 10 and 29 share a caption ("Памятник"); the names invented for
    // businesses are all different.
    void captionsAreDistinctExceptTheMonuments()
    {
        QMap<QString, QStringList> codesByCaption;
        for (const TableRow& row : landmarks.rows)
            codesByCaption[row.fields.value(5)].append(row.fields[0]);
        for (auto it = codesByCaption.cbegin(); it != codesByCaption.cend(); ++it)
            if (it.value().size() > 1)
                QCOMPARE(it.value(), QStringList({"10", "29"}));
    }
};

QTEST_GUILESS_MAIN(LandmarkTablesTest)
#include "tst_landmark_tables.moc"
