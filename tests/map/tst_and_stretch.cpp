#include "map/AndStretch.h"
#include "map/AndStretchWide.h"

#include <cstring>
#include <random>

#include <QtTest>

namespace {

MapBitmap bitmapFromRows(const QList<QList<int>>& rows)
{
    MapBitmap b(int(rows[0].size()), int(rows.size()), MapBitmap::townPalette(), 255);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            b.set(x, y, std::uint8_t(rows[y][x]));
    return b;
}

QList<QList<int>> rowsOf(const MapBitmap& b)
{
    QList<QList<int>> rows;
    for (int y = 0; y < b.height(); ++y) {
        QList<int> row;
        for (int x = 0; x < b.width(); ++x)
            row << b.at(x, y);
        rows << row;
    }
    return rows;
}

// Random indices, darker ones rarer, as on a map: mostly light ground with
// thin dark lines.
MapBitmap randomBitmap(int width, int height, unsigned seed)
{
    MapBitmap b(width, height, MapBitmap::townPalette(), 255);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.set(x, y, std::uint8_t(random() | random()));
    return b;
}

} // namespace

class TestAndStretch : public QObject {
    Q_OBJECT
private slots:
    void andOfIndicesIsIndexOfAndOfColours()
    {
        const auto& palette = MapBitmap::townPalette();
        for (int i = 0; i < 256; ++i) {
            for (int j = 0; j < 256; ++j) {
                const QRgb merged = palette[i] & palette[j];
                if (palette[i & j] != merged)
                    QFAIL(qPrintable(QString("indices %1 and %2").arg(i).arg(j)));
            }
        }
        QCOMPARE(palette[0], qRgb(0, 0, 0));
        QCOMPARE(palette[255], qRgb(255, 255, 255));
        QCOMPARE(palette[224], qRgb(255, 0, 0));
    }

    void stretch_data()
    {
        QTest::addColumn<QList<QList<int>>>("source");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QList<int>>>("expected");
        QTest::newRow("halving merges blocks by AND")
            << QList<QList<int>>{{255, 255, 7, 255}, {255, 254, 255, 255}, {224, 255, 255, 255}, {255, 255, 255, 3}}
            << QSize(2, 2) << QList<QList<int>>{{254, 7}, {224, 3}};
        QTest::newRow("thin dark line survives")
            << QList<QList<int>>{{255, 255, 255, 255, 255}, {0, 0, 0, 0, 0}, {255, 255, 255, 255, 255}}
            << QSize(2, 1) << QList<QList<int>>{{0, 0}};
        QTest::newRow("five to two takes three then two")
            << QList<QList<int>>{{255, 255, 254, 253, 255}} << QSize(2, 1) << QList<QList<int>>{{254, 253}};
        QTest::newRow("enlarging repeats")
            << QList<QList<int>>{{1, 2}} << QSize(5, 2) << QList<QList<int>>{{1, 1, 1, 2, 2}, {1, 1, 1, 2, 2}};
        QTest::newRow("same size copies") << QList<QList<int>>{{9, 8}, {7, 6}} << QSize(2, 2)
                                          << QList<QList<int>>{{9, 8}, {7, 6}};
    }
    void stretch()
    {
        QFETCH(QList<QList<int>>, source);
        QFETCH(QSize, size);
        QFETCH(QList<QList<int>>, expected);
        QCOMPARE(rowsOf(reducedCopy(bitmapFromRows(source), size)), expected);
    }

    void stretchIntoPartOfTarget()
    {
        const MapBitmap source = bitmapFromRows({{0, 0}, {0, 0}});
        MapBitmap target(4, 3, MapBitmap::townPalette(), 255);
        stretchAnd(source, QRect(0, 0, 2, 2), target, QRect(1, 1, 1, 1));
        QCOMPARE(rowsOf(target), (QList<QList<int>>{{255, 255, 255, 255}, {255, 0, 255, 255}, {255, 255, 255, 255}}));
    }

    // The sixteen-at-a-time reduction must give exactly the pixel-at-a-time
    // result, on the sizes the program reduces to and on awkward ones.
    void wideMatchesPlain_data()
    {
        QTest::addColumn<QSize>("sourceSize");
        QTest::addColumn<QRect>("from");
        QTest::addColumn<QRect>("to");
        QTest::addColumn<bool>("wide");
        const QSize map(3684, 2698);
        const QRect whole(QPoint(0, 0), map);
        QTest::newRow("whole map onto the window") << map << whole << QRect(0, 0, 800, 519) << true;
        QTest::newRow("whole map onto the small layout") << map << whole << QRect(0, 0, 614, 400) << true;
        QTest::newRow("portrait page") << map << whole << QRect(0, 0, 793, 1121) << true;
        QTest::newRow("landscape page, windows of two") << map << whole << QRect(0, 0, 1121, 793) << true;
        QTest::newRow("windows of eight") << QSize(1000, 50) << QRect(0, 0, 1000, 50) << QRect(0, 0, 90, 20) << true;
        QTest::newRow("inner rectangles, odd widths")
            << QSize(203, 61) << QRect(3, 5, 197, 51) << QRect(2, 1, 45, 13) << true;
        QTest::newRow("narrower than sixteen") << QSize(40, 9) << QRect(0, 0, 40, 9) << QRect(0, 0, 9, 3) << true;
        QTest::newRow("spans of one and two") << QSize(300, 7) << QRect(0, 0, 300, 7) << QRect(0, 0, 200, 7) << false;
        QTest::newRow("enlarging") << QSize(30, 7) << QRect(0, 0, 30, 7) << QRect(0, 0, 60, 9) << false;
    }
    void wideMatchesPlain()
    {
        QFETCH(QSize, sourceSize);
        QFETCH(QRect, from);
        QFETCH(QRect, to);
        QFETCH(bool, wide);
        const MapBitmap source = randomBitmap(sourceSize.width(), sourceSize.height(), 1997);
        const MapBitmap blank = randomBitmap(to.right() + 3, to.bottom() + 2, 7);
        MapBitmap expected = blank;
        stretchAndPlain(source, from, expected, to);
        MapBitmap target = blank;
        const bool took = stretchAndWide(source, from, target, to);
#if defined(__x86_64__)
        if (__builtin_cpu_supports("ssse3"))
            QCOMPARE(took, wide);
#endif
        if (!took)
            stretchAnd(source, from, target, to);
        for (int y = 0; y < target.height(); ++y) {
            if (std::memcmp(target.row(y), expected.row(y), std::size_t(target.width())) != 0)
                QFAIL(qPrintable(QString("row %1 differs").arg(y)));
        }
    }
};

QTEST_GUILESS_MAIN(TestAndStretch)
#include "tst_and_stretch.moc"
