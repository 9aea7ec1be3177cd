// The rendered town pictures: the map's file format and colours, every label
// lying on its white corridor, markers on land, the plan and the rulers, and
// the resources of talv_town_data.

#include "TownTables.h"
#include "TownResources.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QtMath>
#include <QtTest>

namespace {

constexpr int MapWidth = 3684;
constexpr int MapHeight = 2698;
constexpr int PixelOffset = 1078;
constexpr quint8 White = 255, Blue = 3;
const char* const LabelFontFile = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf";

// A label's cell may touch a corridor's edge where the street bends; more than
// this share of pixels off white means the label does not lie on its street.
constexpr double OffWhiteTolerance = 0.02;

quint32 le32(const QByteArray& b, int at)
{
    return quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 | quint32(quint8(b[at + 3])) << 24;
}
quint16 le16(const QByteArray& b, int at) { return quint8(b[at]) | quint8(b[at + 1]) << 8; }

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString generated(const char* name) { return QStringLiteral(TALV_TOWN_DIR "/") + QLatin1String(name); }

}  // namespace

class TownPicturesTest : public QObject {
    Q_OBJECT

private:
    QByteArray map;

    quint8 pixel(int x, int y) const
    {
        return quint8(map[PixelOffset + (MapHeight - 1 - y) * MapWidth + x]);
    }

private slots:
    void initTestCase()
    {
        map = readAll(generated("map.bmp"));
        QVERIFY2(!map.isEmpty(), "the rendered map is missing");
    }

    void mapFileFormat()
    {
        QCOMPARE(map.size(), 9940510);
        QCOMPARE(map.left(2), QByteArray("BM"));
        QCOMPARE(le32(map, 2), quint32(map.size()));
        QCOMPARE(le32(map, 10), quint32(PixelOffset));
        QCOMPARE(le32(map, 14), 40u);
        QCOMPARE(le32(map, 18), quint32(MapWidth));
        QCOMPARE(le32(map, 22), quint32(MapHeight));  // positive: bottom-up rows
        QCOMPARE(le16(map, 26), quint16(1));
        QCOMPARE(le16(map, 28), quint16(8));
        QCOMPARE(le32(map, 30), 0u);
        QCOMPARE(le32(map, 38), 3780u);
        QCOMPARE(le32(map, 42), 3780u);
    }

    void paletteFollowsTheRule()
    {
        const int L8[8] = {0, 32, 64, 96, 128, 160, 192, 255};
        const int L4[4] = {0, 64, 128, 255};
        for (int i = 0; i < 256; ++i) {
            const int at = 54 + 4 * i;
            const QList<int> bgr = {quint8(map[at]), quint8(map[at + 1]), quint8(map[at + 2])};
            QVERIFY2(bgr == QList<int>({L4[i % 4], L8[(i / 4) % 8], L8[i / 32]}),
                     qPrintable(QStringLiteral("palette entry %1").arg(i)));
        }
    }

    // White, black, orange blocks, blue water, green parks, a few RGB(0, 255, 128).
    void mapUsesExactlySixColours()
    {
        QMap<int, qint64> used;
        for (qsizetype i = PixelOffset; i < map.size(); ++i)
            ++used[quint8(map[i])];
        QCOMPARE(QSet<int>(used.keyBegin(), used.keyEnd()), QSet<int>({0, 3, 28, 30, 241, 255}));
        QVERIFY2(used.value(30) < 2000, "RGB(0, 255, 128) is for a few pixels only");
    }

    void labelsLieOnWhiteCorridors()
    {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(LabelFontFile));
        QVERIFY2(id >= 0, LabelFontFile);
        QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
        int size = 8;
        for (; size < 20; ++size) {
            font.setPixelSize(size);
            if (QFontMetrics(font).ascent() + QFontMetrics(font).descent() == 14)
                break;
        }
        QVERIFY2(size < 20, "no pixel size gives a 14-pixel cell");
        const QFontMetrics metrics(font);
        const Table labels = readTable(dataPath("streets/labels.tsv"));
        QVERIFY2(labels.error.isEmpty(), qPrintable(labels.error));
        for (const TableRow& row : labels.rows) {
            const double a = qDegreesToRadians(double(row.number(3)));
            const double ux = std::cos(a), uy = -std::sin(a), vx = std::sin(a), vy = std::cos(a);
            const int w = metrics.horizontalAdvance(row.fields.value(4));
            int off = 0;
            for (int i = 0; i < w; ++i) {
                for (int j = 0; j < 14; ++j) {
                    const int x = int(std::floor(row.number(1) + ux * (i + 0.5) + vx * (j + 0.5)));
                    const int y = int(std::floor(row.number(2) + uy * (i + 0.5) + vy * (j + 0.5)));
                    if (x < 0 || y < 0 || x >= MapWidth || y >= MapHeight || pixel(x, y) != White)
                        ++off;
                }
            }
            QVERIFY2(off <= OffWhiteTolerance * w * 14,
                     where(labels, row, QStringLiteral("%1 of %2 cell pixels off white: \"%3\"")
                                            .arg(off).arg(w * 14).arg(row.fields.value(4))));
        }
    }

    void markersStandOnLand()
    {
        const Table markers = readTable(dataPath("landmarks/markers.tsv"));
        QVERIFY2(markers.error.isEmpty(), qPrintable(markers.error));
        for (const TableRow& row : markers.rows)
            for (int y = row.number(3); y < row.number(5); ++y)
                for (int x = row.number(2); x < row.number(4); ++x)
                    QVERIFY2(pixel(x, y) != Blue, where(markers, row, QStringLiteral("marker on water")));
    }

    void planAndRulers_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("plan") << generated("plan.bmp") << QSize(168, 125);
        QTest::newRow("horizontal ruler") << generated("ruler-h.bmp") << QSize(821, 23);
        QTest::newRow("vertical ruler") << generated("ruler-v.bmp") << QSize(23, 568);
    }

    void planAndRulers()
    {
        QFETCH(QString, file);
        const QByteArray bytes = readAll(file);
        QVERIFY2(bytes.size() > 54, qPrintable(file));
        QCOMPARE(le16(bytes, 28), quint16(24));
        const QImage image = QImage::fromData(bytes, "BMP");
        QTEST(image.size(), "size");
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.contains(qRgb(0, 0, 0)), "black lines or ink");
        if (image.width() == 168) {
            // The plan in the map's colours: blocks, water, parks on white.
            for (QRgb c : {qRgb(255, 128, 64), qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 255, 255)})
                QVERIFY(colours.remove(c));
            colours.remove(qRgb(0, 0, 0));
            QVERIFY2(colours.isEmpty(), "the plan uses the map's colours only");
        } else {
            // Black ticks and numbers on one light ground colour.
            colours.remove(qRgb(0, 0, 0));
            QCOMPARE(colours.size(), 1);
            QVERIFY(qGray(*colours.cbegin()) > 200);
        }
    }

    void resourcesHoldTheFiles_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("file");
        const QStringList paths = townResourcePaths();
        const QStringList files = {generated("map.bmp"), generated("plan.bmp"), generated("ruler-h.bmp"),
                                   generated("ruler-v.bmp")};
        for (int i = 0; i < paths.size(); ++i) {
            const QString file = i < files.size() ? files[i] : QStringLiteral(TALV_DATA_DIR) + paths[i].mid(6);
            QTest::newRow(qPrintable(paths[i])) << paths[i] << file;
        }
    }

    void resourcesHoldTheFiles()
    {
        QFETCH(QString, resource);
        QFETCH(QString, file);
        const QByteArray embedded = readAll(resource);
        QVERIFY2(!embedded.isEmpty(), qPrintable(resource));
        QVERIFY2(embedded == readAll(file), qPrintable(file));
    }
};

QTEST_MAIN(TownPicturesTest)
#include "tst_town_pictures.moc"
