#include "map/MapBitmap.h"
#include "map/PaletteColours.h"

#include <QtTest>

#include <vector>

// The town palette's colours are computed from the index bits; they must be the
// palette's own entries for every index, at every position in a run.
class TestPaletteColours : public QObject {
    Q_OBJECT
private slots:
    void computedColoursAreThePalettes()
    {
        std::vector<std::uint8_t> indices;
        for (int round = 0; round < 3; ++round)
            for (int i = 0; i < 256; ++i)
                indices.push_back(std::uint8_t(i * (2 * round + 1)));
        const auto& palette = MapBitmap::townPalette();
        // Every start and a length that is not a multiple of sixteen, so both the
        // sixteen-wide part and the remainder see every index.
        for (int start = 0; start < 17; ++start) {
            const int count = int(indices.size()) - start - 5;
            std::vector<QRgb> computed(std::size_t(count), 0);
            std::vector<QRgb> looked(std::size_t(count), 0);
            townPaletteColours(indices.data() + start, computed.data(), count);
            paletteColours(indices.data() + start, looked.data(), count, palette);
            for (int i = 0; i < count; ++i) {
                if (computed[std::size_t(i)] != looked[std::size_t(i)])
                    QFAIL(qPrintable(QString("index %1 at start %2").arg(indices[std::size_t(start + i)]).arg(start)));
            }
        }
    }

    void bitmapWithAnotherPaletteLooksUp()
    {
        MapBitmap::Palette grey{};
        for (int i = 0; i < 256; ++i)
            grey[i] = qRgb(i, i, i);
        MapBitmap bitmap(20, 1, grey, 200);
        QVERIFY(!bitmap.hasTownPalette());
        QCOMPARE(bitmap.toImage().pixel(19, 0), qRgb(200, 200, 200));
        QVERIFY(MapBitmap(1, 1, MapBitmap::townPalette(), 0).hasTownPalette());
    }
};

QTEST_GUILESS_MAIN(TestPaletteColours)
#include "tst_palette_colours.moc"
