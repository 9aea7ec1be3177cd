#include "map/MapBitmap.h"
#include "map/RotatedText.h"
#include "map/StreetLabels.h"

#include <QFile>
#include <QFontMetrics>
#include <QRawFont>
#include <QtTest>

#include <cmath>

namespace {

MapBitmap whiteMap()
{
    return MapBitmap(3684, 2698, MapBitmap::townPalette(), 255);
}

int countIndex(const MapBitmap& map, std::uint8_t index)
{
    int n = 0;
    for (int y = 0; y < map.height(); ++y) {
        const std::uint8_t* row = map.row(y);
        for (int x = 0; x < map.width(); ++x)
            n += row[x] == index;
    }
    return n;
}

constexpr std::uint8_t kBlack = 0;
constexpr std::uint8_t kRed = 224;

} // namespace

class TestLabelDrawing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_labels = StreetLabelTable::load(); }

    void redThenBlackLeavesNoRed()
    {
        MapBitmap map = whiteMap();
        DrawStreetLabels(map, m_labels, 2, kLabelRed);
        const int red = countIndex(map, kRed);
        QVERIFY(red > 100);
        DrawStreetLabels(map, m_labels, 2, kLabelBlack);
        QCOMPARE(countIndex(map, kRed), 0);
        QCOMPARE(countIndex(map, kBlack), red);
    }

    void labelOverOrangeRestoresOnlyGlyphPixels()
    {
        // Drawing is transparent: only the glyphs' pixels change colour.
        MapBitmap map(3684, 2698, MapBitmap::townPalette(), 241);
        DrawStreetLabels(map, m_labels, 38, kLabelBlack);
        const int glyphs = countIndex(map, kBlack);
        DrawStreetLabels(map, m_labels, 38, kLabelRed);
        QCOMPARE(countIndex(map, kRed), glyphs);
        QCOMPARE(countIndex(map, 241), 3684 * 2698 - glyphs);
    }

    void streetsOutsideTheTableDrawNothing_data()
    {
        QTest::addColumn<quint32>("street");
        QTest::newRow("none") << 0u;
        QTest::newRow("after the last") << 84u;
        QTest::newRow("huge") << 4294967295u;
    }
    void streetsOutsideTheTableDrawNothing()
    {
        QFETCH(quint32, street);
        MapBitmap map = whiteMap();
        DrawStreetLabels(map, m_labels, street, kLabelRed);
        QCOMPARE(countIndex(map, 255), 3684 * 2698);
    }

    void splitLabelPiecesChangeTogether()
    {
        MapBitmap map = whiteMap();
        DrawStreetLabels(map, m_labels, 12, kLabelRed);
        // Every piece has red pixels near its own reference point.
        for (const LabelPlacement& p : m_labels.placements()) {
            if (p.street != 12)
                continue;
            int red = 0;
            for (int y = p.y - 30; y <= p.y + 30; ++y)
                for (int x = p.x - 30; x <= p.x + 30; ++x)
                    red += map.contains(x, y) && map.at(x, y) == kRed;
            QVERIFY2(red > 0, qPrintable(QString("piece at (%1, %2)").arg(p.x).arg(p.y)));
        }
    }

    void glyphsLieAlongTheRotatedBaseline_data()
    {
        QTest::addColumn<int>("angle");
        for (int a : {0, 6, 90, -85, 110})
            QTest::newRow(qPrintable(QString("angle %1").arg(a))) << a;
    }
    void glyphsLieAlongTheRotatedBaseline()
    {
        QFETCH(int, angle);
        const QString text = QStringLiteral(" ул. Л е н и н а ");
        const QPoint ref(1500, 1300);
        MapBitmap map = whiteMap();
        DrawRotatedText(map, ref.x(), ref.y(), angle, text, kLabelBlack);

        // Along the baseline (direction d) every glyph pixel lies between the
        // reference point and the end of the text; across it (n, pointing down
        // the character cell) within the 14-pixel cell.
        const double rad = angle * M_PI / 180.0;
        const double dx = std::cos(rad), dy = -std::sin(rad);
        const double nx = std::sin(rad), ny = std::cos(rad);
        const TextMask mask = rasterizeRotatedText(ref.x(), ref.y(), 0, text);
        const int advance = mask.width - 4; // the unrotated mask is the cell plus a 2-pixel margin
        double minAlong = 1e9, maxAlong = -1e9;
        int pixels = 0;
        for (int y = ref.y() - 250; y <= ref.y() + 250; ++y) {
            for (int x = ref.x() - 250; x <= ref.x() + 250; ++x) {
                if (map.at(x, y) != kBlack)
                    continue;
                ++pixels;
                const double px = x + 0.5 - ref.x(), py = y + 0.5 - ref.y();
                const double along = px * dx + py * dy;
                const double across = px * nx + py * ny;
                QVERIFY2(across > -1.5 && across < 15.5,
                         qPrintable(QString("pixel (%1, %2) is %3 off the cell").arg(x).arg(y).arg(across)));
                minAlong = std::min(minAlong, along);
                maxAlong = std::max(maxAlong, along);
            }
        }
        QVERIFY(pixels > 50);
        QCOMPARE(pixels, countIndex(map, kBlack));
        // The leading space moves the first letter off the reference point.
        QVERIFY2(minAlong > 2 && minAlong < 10, qPrintable(QString::number(minAlong)));
        QVERIFY2(maxAlong > advance - 10 && maxAlong < advance + 1.5, qPrintable(QString::number(maxAlong)));
    }

    void cellIsFourteenPixelsHigh()
    {
        const TextMask mask = rasterizeRotatedText(0, 0, 0, QStringLiteral("Й"));
        QCOMPARE(mask.height, 14 + 4);
    }

    // The whole character cell, the face's own ascent plus descent, is 14
    // pixels at the size the labels are drawn at: read from the face at one
    // pixel a design unit, and scaled to the size of the label face.
    void cellOfTheFaceIsFourteenPixels()
    {
        QFile file(QStringLiteral(":/fonts/LiberationSerif-Regular.ttf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray face = file.readAll();
        const QRawFont probe(face, 100, QFont::PreferNoHinting);
        QVERIFY(probe.isValid());
        const QRawFont design(face, probe.unitsPerEm(), QFont::PreferNoHinting);
        const qreal cellPerEm = (design.ascent() + design.descent()) / design.pixelSize();
        QVERIFY2(cellPerEm > 1.05 && cellPerEm < 1.2, qPrintable(QString::number(cellPerEm)));

        const QRawFont drawn = labelFace();
        QVERIFY(drawn.isValid());
        QCOMPARE(drawn.familyName(), design.familyName());
        const qreal cell = drawn.pixelSize() * cellPerEm;
        QVERIFY2(std::abs(cell - 14.0) < 0.01, qPrintable(QStringLiteral("cell %1 at %2 pixels an em")
                                                              .arg(cell).arg(drawn.pixelSize())));
    }

private:
    StreetLabelTable m_labels;
};

QTEST_MAIN(TestLabelDrawing)
#include "tst_label_drawing.moc"
