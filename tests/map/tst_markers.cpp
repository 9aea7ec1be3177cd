#include "MapFixture.h"

#include "base/AppError.h"
#include "map/LandmarkMarkers.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr QRgb kKey = kMarkerKeyColour;

// A sheet of the right size whose sprites are filled by the given painter.
QImage sheetWith(const std::function<QRgb(int x, int y)>& colourAt)
{
    QImage sheet(150, 50, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, colourAt(x, y));
    return sheet;
}

Marker markerB(QPoint at)
{
    return {QStringLiteral("01"), spriteRect('B'), QRect(at, QSize(40, 40))};
}

} // namespace

class TestMarkers : public QObject {
    Q_OBJECT
private slots:
    void spriteWithoutKeyCoversItsRectangle()
    {
        MapBitmap map = patternedTownSizedMap();
        const MapBitmap before = map;
        drawMarker(map, sheetWith([](int, int) { return qRgb(0, 0, 128); }), markerB(QPoint(1000, 900)));
        const std::uint8_t darkBlue = map.nearestIndex(qRgb(0, 0, 128));
        for (int y = 895; y < 945; ++y) {
            for (int x = 995; x < 1045; ++x) {
                const bool inside = x >= 1000 && x < 1040 && y >= 900 && y < 940;
                QCOMPARE(int(map.at(x, y)), int(inside ? darkBlue : before.at(x, y)));
            }
        }
    }

    void keyPixelsShowTheMapOnePixelShifted()
    {
        MapBitmap map = patternedTownSizedMap();
        const MapBitmap before = map;
        const Marker marker = markerB(QPoint(2000, 1200));
        QCOMPARE(backgroundOffset(marker), QPoint(1951, 1200));
        drawMarker(map, sheetWith([](int, int) { return kKey; }), marker);
        // Sprite B is as wide as its destination; its 39 rows stretch to 40, the
        // first row repeated.
        for (int dy = 0; dy < 40; ++dy) {
            const int sourceRow = dy * 39 / 40;
            for (int dx = 0; dx < 40; ++dx) {
                const QPoint beneath(2000 + dx + 1, 1200 + sourceRow + 1);
                QCOMPARE(int(map.at(2000 + dx, 1200 + dy)), int(before.at(beneath.x(), beneath.y())));
            }
        }
    }

    void eachMarkerShowsItsOwnBackground()
    {
        // Both markers take a fresh copy of the sheet: the second does not show
        // what was put into the sheet for the first.
        MapBitmap map = patternedTownSizedMap();
        const MapBitmap before = map;
        const QImage sheet = sheetWith([](int, int) { return kKey; });
        drawMarker(map, sheet, markerB(QPoint(500, 500)));
        drawMarker(map, sheet, markerB(QPoint(1500, 700)));
        // Destination row 10 comes from sprite row 9 (39 rows stretched to 40).
        QCOMPARE(int(map.at(1510, 710)), int(before.at(1511, 710)));
        QVERIFY(before.at(1511, 710) != before.at(511, 510));
    }

    void laterMarkerShowsTheEarlierOne()
    {
        // Marker 11 is drawn over marker 07: its key pixels show 07, not the bare map.
        MapBitmap map(3684, 2698, MapBitmap::townPalette(), 255);
        const MarkerTable table = MarkerTable::load();
        const auto find = [&](const char* code) {
            for (const Marker& m : table.markers())
                if (m.code == QLatin1String(code))
                    return m;
            return Marker{};
        };
        const Marker m07 = find("07");
        const Marker m11 = find("11");
        QVERIFY(m07.destination.intersects(m11.destination));
        drawMarker(map, sheetWith([](int, int) { return qRgb(0, 0, 0); }), m07);
        drawMarker(map, sheetWith([](int, int) { return kKey; }), m11);
        // Destination row 20 of sprite B comes from its sprite row 19 (39 rows
        // stretched to 40); a key pixel there shows the map one column right and
        // one row below the unscaled place, which lies inside black 07.
        const QPoint inside11(m11.destination.left(), m11.destination.top() + 20);
        const QPoint beneath(inside11.x() + 1, m11.destination.top() + 19 + 1);
        QVERIFY(m07.destination.contains(beneath));
        QCOMPARE(int(map.at(inside11.x(), inside11.y())), 0);
        // Further right, outside 07, the white map shows through.
        QCOMPARE(int(map.at(m07.destination.right() + 5, m11.destination.top() + 20)), 255);
    }

    void spriteCRowsMergeByAnd()
    {
        MapBitmap map(3684, 2698, MapBitmap::townPalette(), 255);
        // Even rows red, odd rows blue: rows merged by the shrink come out black.
        const QImage sheet = sheetWith([](int, int y) { return y % 2 ? qRgb(0, 0, 255) : qRgb(255, 0, 0); });
        const Marker marker{QStringLiteral("19"), spriteRect('C'), QRect(2063, 638, 50, 40)};
        drawMarker(map, sheet, marker);
        // Destination row 0 takes sheet rows 1 and 2 (red and blue), row 1 sheet row 3.
        QCOMPARE(map.colorAt(2063, 638), qRgb(0, 0, 0));
        QCOMPARE(map.colorAt(2100, 639), qRgb(0, 0, 255));
        // Columns are stretched 40 to 50: every destination column is coloured.
        for (int x = 2063; x < 2113; ++x)
            QVERIFY(map.colorAt(x, 638) == qRgb(0, 0, 0));
        QCOMPARE(map.colorAt(2113, 638), qRgb(255, 255, 255));
    }

    void sheetErrors_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("text file") << QByteArray("это не картинка\n") << "Bitmap image is not valid";
        QTest::newRow("empty file") << QByteArray() << "Bitmap image is not valid";
        QTest::newRow("truncated bitmap") << QByteArray("BM") + QByteArray(60, '\x01') << "Bitmap image is not valid";
    }
    void sheetErrors()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("dtdn2.sd");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        MapBitmap map(3684, 2698, MapBitmap::townPalette(), 255);
        try {
            DrawLandmarkMarkers(map, MarkerTable::load(), path);
            QFAIL("no error");
        } catch (const AppError& e) {
            QCOMPARE(e.message(), message);
        }
    }

    void missingSheetNamesThePathAndReason()
    {
        MapBitmap map(3684, 2698, MapBitmap::townPalette(), 255);
        const QString path = QStringLiteral("/nonexistent/dtdn2.sd");
        try {
            DrawLandmarkMarkers(map, MarkerTable::load(), path);
            QFAIL("no error");
        } catch (const AppError& e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("Cannot open file \"/nonexistent/dtdn2.sd\". ")),
                     qPrintable(e.message()));
            QVERIFY(e.message().size() > QStringLiteral("Cannot open file \"/nonexistent/dtdn2.sd\". ").size());
        }
    }

    void realSheetDrawsEveryMarker()
    {
        MapBitmap map(3684, 2698, MapBitmap::townPalette(), 255);
        const MarkerTable table = MarkerTable::load();
        QCOMPARE(int(table.markers().size()), 32);
        DrawLandmarkMarkers(map, table, QStringLiteral(TALV_APPDATA_DIR "/dtdn2.sd"));
        for (const Marker& m : table.markers()) {
            int changed = 0;
            for (int y = m.destination.top(); y <= m.destination.bottom(); ++y)
                for (int x = m.destination.left(); x <= m.destination.right(); ++x)
                    changed += map.at(x, y) != 255;
            QVERIFY2(changed > 100, qPrintable(m.code));
        }
    }
};

QTEST_GUILESS_MAIN(TestMarkers)
#include "tst_markers.moc"
