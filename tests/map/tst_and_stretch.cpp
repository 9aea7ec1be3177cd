#include "map/AndStretch.h"

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
};

QTEST_GUILESS_MAIN(TestAndStretch)
#include "tst_and_stretch.moc"
