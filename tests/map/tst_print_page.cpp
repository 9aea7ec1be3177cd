#include "MapFixture.h"

#include "map/AndStretch.h"
#include "map/PageLayout.h"
#include "map/PagePicture.h"

#include <QtTest>

Q_DECLARE_METATYPE(const PageLayout*)

namespace {

constexpr std::uint8_t kWhite = 255;

// The first pixel where the page differs from the map piece at the origin
// (white beyond the map), or (-1, -1) when every pixel matches.
QPoint firstDifferenceFromPiece(const MapBitmap& page, const MapBitmap& map, QPoint origin)
{
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const int mx = origin.x() + x;
            const int my = origin.y() + y;
            const std::uint8_t expected = map.contains(mx, my) ? map.at(mx, my) : kWhite;
            if (page.at(x, y) != expected)
                return QPoint(x, y);
        }
    }
    return QPoint(-1, -1);
}

QPoint firstDifference(const MapBitmap& a, const MapBitmap& b)
{
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.at(x, y) != b.at(x, y))
                return QPoint(x, y);
        }
    }
    return QPoint(-1, -1);
}

} // namespace

// The page picture of each orientation: which piece of the map it takes and
// how, in detail mode and for the whole map.
class TestPrintPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_map = patternedTownSizedMap(); }

    void rectangles_data()
    {
        QTest::addColumn<const PageLayout*>("layout");
        QTest::addColumn<bool>("detailMode");
        QTest::addColumn<QRect>("source");
        QTest::addColumn<QRect>("destination");
        // Rectangles written (left, top, right, bottom), right and bottom exclusive.
        auto rect = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r - 1, b - 1)); };
        QTest::newRow("portrait detail") << &PageLayout::portrait() << true << rect(1500, 1500, 2293, 2621)
                                         << rect(0, 0, 793, 1121);
        QTest::newRow("landscape detail") << &PageLayout::landscape() << true << rect(1500, 1500, 2621, 2293)
                                          << rect(0, 0, 1121, 793);
        QTest::newRow("portrait whole map") << &PageLayout::portrait() << false << rect(0, 0, 3684, 2698)
                                            << rect(0, 0, 793, 1121);
        QTest::newRow("landscape whole map") << &PageLayout::landscape() << false << rect(0, 0, 3684, 2698)
                                             << rect(0, 0, 1121, 793);
    }

    void rectangles()
    {
        QFETCH(const PageLayout*, layout);
        QFETCH(bool, detailMode);
        QFETCH(QRect, source);
        QFETCH(QRect, destination);
        QCOMPARE(pageSourceRect(layout->picturePixels, QSize(3684, 2698), detailMode, QPoint(1500, 1500)), source);
        QCOMPARE(pageDestinationRect(layout->picturePixels), destination);
    }

    // The image fills the band from its corner, and both lie on A4 paper at
    // 96 layout pixels to the inch.
    void layoutsFitTheirPaper_data()
    {
        QTest::addColumn<const PageLayout*>("layout");
        QTest::newRow("portrait") << &PageLayout::portrait();
        QTest::newRow("landscape") << &PageLayout::landscape();
    }

    void layoutsFitTheirPaper()
    {
        QFETCH(const PageLayout*, layout);
        const QPageLayout printer = printerPageLayout(*layout);
        QCOMPARE(printer.pageSize().id(), QPageSize::A4);
        QCOMPARE(printer.orientation(), layout->orientation);
        QCOMPARE(printer.margins(QPageLayout::Millimeter), QMarginsF(0, 0, 0, 0));
        QCOMPARE(printer.fullRect(QPageLayout::Millimeter).size(), layout->paperMm);
        QCOMPARE(layout->imagePixels, layout->picturePixels);
        const double mmPerPixel = 25.4 / kLayoutPixelsPerInch;
        QVERIFY(layout->bandPixels.width() * mmPerPixel <= layout->paperMm.width() + 0.5);
        QVERIFY(layout->bandPixels.height() * mmPerPixel <= layout->paperMm.height() + 0.5);
        QVERIFY(layout->imagePixels.width() <= layout->bandPixels.width());
        QVERIFY(layout->imagePixels.height() <= layout->bandPixels.height());
    }

    void detailPieceIsCopiedPixelForPixel_data()
    {
        QTest::addColumn<const PageLayout*>("layout");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("portrait at the start origin") << &PageLayout::portrait() << QPoint(1500, 1500);
        QTest::newRow("landscape at the start origin") << &PageLayout::landscape() << QPoint(1500, 1500);
        QTest::newRow("portrait at the map's corner") << &PageLayout::portrait() << QPoint(0, 0);
        // The piece reaches beyond the right and the bottom edge: white there.
        QTest::newRow("portrait past both edges") << &PageLayout::portrait() << QPoint(3300, 2000);
        QTest::newRow("landscape past the bottom edge") << &PageLayout::landscape() << QPoint(2563, 2100);
        QTest::newRow("landscape wholly off the map") << &PageLayout::landscape() << QPoint(3684, 2698);
    }

    void detailPieceIsCopiedPixelForPixel()
    {
        QFETCH(const PageLayout*, layout);
        QFETCH(QPoint, origin);
        PagePicture page(layout->picturePixels);
        drawMapOntoPage(m_map, true, origin, page);
        QCOMPARE(QSize(page.bitmap().width(), page.bitmap().height()), layout->picturePixels);
        QCOMPARE(firstDifferenceFromPiece(page.bitmap(), m_map, origin), QPoint(-1, -1));
    }

    // The picture is made white once and drawn over by each later print; a
    // later piece near the edge must not leave the earlier piece showing.
    void pictureIsKeptAndFullyRedrawn()
    {
        PagePicture page(PageLayout::portrait().picturePixels);
        QVERIFY(!page.isCreated());
        drawMapOntoPage(m_map, true, QPoint(1500, 1500), page);
        QVERIFY(page.isCreated());
        const std::uint8_t* pixels = page.bitmap().row(0);

        drawMapOntoPage(m_map, true, QPoint(3500, 2600), page);
        QCOMPARE(page.bitmap().row(0), pixels);
        QCOMPARE(firstDifferenceFromPiece(page.bitmap(), m_map, QPoint(3500, 2600)), QPoint(-1, -1));

        drawMapOntoPage(m_map, false, QPoint(1500, 1500), page);
        QCOMPARE(page.bitmap().row(0), pixels);
        QCOMPARE(firstDifference(page.bitmap(), reducedCopy(m_map, page.size())), QPoint(-1, -1));
    }

    void wholeMapIsTheAndStretch_data()
    {
        QTest::addColumn<const PageLayout*>("layout");
        QTest::newRow("portrait") << &PageLayout::portrait();
        QTest::newRow("landscape") << &PageLayout::landscape();
    }

    void wholeMapIsTheAndStretch()
    {
        QFETCH(const PageLayout*, layout);
        PagePicture page(layout->picturePixels);
        drawMapOntoPage(m_map, false, QPoint(1500, 1500), page);
        QCOMPARE(firstDifference(page.bitmap(), reducedCopy(m_map, layout->picturePixels)), QPoint(-1, -1));
    }

    // One-pixel black lines on a white map survive the reduction to the page,
    // wherever they fall, as the AND merge keeps them and sampling would not.
    void thinLinesSurviveTheWholeMapPage_data()
    {
        QTest::addColumn<const PageLayout*>("layout");
        QTest::newRow("portrait") << &PageLayout::portrait();
        QTest::newRow("landscape") << &PageLayout::landscape();
    }

    void thinLinesSurviveTheWholeMapPage()
    {
        QFETCH(const PageLayout*, layout);
        MapBitmap map(3684, 2698, MapBitmap::townPalette(), kWhite);
        const int column = 1843;
        const int row = 1349;
        for (int y = 0; y < map.height(); ++y)
            map.set(column, y, 0);
        for (int x = 0; x < map.width(); ++x)
            map.set(x, row, 0);
        PagePicture page(layout->picturePixels);
        drawMapOntoPage(map, false, QPoint(), page);
        const MapBitmap& picture = page.bitmap();
        const int pageColumn = column * picture.width() / map.width();
        const int pageRow = row * picture.height() / map.height();
        for (int y = 0; y < picture.height(); ++y)
            QCOMPARE(picture.at(pageColumn, y), std::uint8_t(0));
        for (int x = 0; x < picture.width(); ++x)
            QCOMPARE(picture.at(x, pageRow), std::uint8_t(0));
        QCOMPARE(picture.at(pageColumn / 2, pageRow / 2), kWhite);
    }

    // The colour picture that goes to the printer shows the palette colours.
    void colourPictureFollowsThePalette()
    {
        PagePicture page(PageLayout::landscape().picturePixels);
        QCOMPARE(page.toImage().pixel(5, 5), qRgb(255, 255, 255));
        drawMapOntoPage(m_map, true, QPoint(1500, 1500), page);
        const QImage image = page.toImage();
        QCOMPARE(image.size(), page.size());
        for (QPoint p : {QPoint(0, 0), QPoint(1120, 0), QPoint(0, 792), QPoint(1120, 792), QPoint(401, 333)})
            QCOMPARE(image.pixel(p), m_map.colorAt(1500 + p.x(), 1500 + p.y()));
    }

private:
    MapBitmap m_map;
};

QTEST_MAIN(TestPrintPage)
#include "tst_print_page.moc"
