#include "tools/pictures/AppIcon.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QRgb kKey = qRgb(255, 128, 64);

// The landmark codes whose photos the program opens.
QStringList landmarkCodes()
{
    QStringList codes;
    for (int n = 1; n <= 34; ++n)
        if (n != 14 && n != 33)
            codes << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return codes;
}

// True when the colour is one of the 256 entries of the map palette: red and
// green from L8, blue from L4.
bool inMapPalette(QRgb colour)
{
    static const QSet<int> l8 {0, 32, 64, 96, 128, 160, 192, 255};
    static const QSet<int> l4 {0, 64, 128, 255};
    return l8.contains(qRed(colour)) && l8.contains(qGreen(colour)) && l4.contains(qBlue(colour));
}

quint32 le32(const QByteArray& bytes, int at)
{
    return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 | quint32(quint8(bytes[at + 2])) << 16 |
           quint32(quint8(bytes[at + 3])) << 24;
}

quint16 le16(const QByteArray& bytes, int at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

// Checks the headers of an uncompressed 24-bit bottom-up BMP of the given size.
void verifyBmp24(const QByteArray& bytes, int width, int height)
{
    QVERIFY(bytes.size() >= 54);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(le32(bytes, 2), quint32(bytes.size()));
    QCOMPARE(le32(bytes, 14), 40u);
    QCOMPARE(int(le32(bytes, 18)), width);
    QCOMPARE(int(le32(bytes, 22)), height);
    QCOMPARE(le16(bytes, 26), quint16(1));
    QCOMPARE(le16(bytes, 28), quint16(24));
    QCOMPARE(le32(bytes, 30), 0u);
    const int rowBytes = (width * 3 + 3) & ~3;
    QCOMPARE(qint64(le32(bytes, 10)) + qint64(rowBytes) * height, qint64(bytes.size()));
}

// The number of components of a baseline (SOF0) JPEG frame; -1 when the file
// has no baseline frame (for example a progressive one).
int baselineComponents(const QByteArray& bytes)
{
    for (int i = 2; i + 9 < bytes.size();) {
        if (quint8(bytes[i]) != 0xFF)
            return -1;
        const quint8 marker = quint8(bytes[i + 1]);
        if (marker == 0xC0)
            return quint8(bytes[i + 9]);
        if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return -1;
        i += 2 + ((quint8(bytes[i + 2]) << 8) | quint8(bytes[i + 3]));
    }
    return -1;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString runGenerator(const QString& root)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral(TALV_PICTUREGEN),
               {QStringLiteral(TALV_LANDMARK_PHOTO_LIST), root + QStringLiteral("/app"), root + QStringLiteral("/windows")});
    if (!tool.waitForFinished(300000))
        return QStringLiteral("the tool did not finish");
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return QString::fromUtf8(tool.readAll());
    tool.start(QStringLiteral(TALV_PICTUREGEN), {QStringLiteral("--icon"), root + QStringLiteral("/icon")});
    if (!tool.waitForFinished(300000))
        return QStringLiteral("the tool did not finish the icon");
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return QString::fromUtf8(tool.readAll());
    return {};
}

// The mean difference of two pictures of one size, per channel, alpha included.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q))
                   + qAbs(qAlpha(p) - qAlpha(q));
        }
    }
    return double(sum) / (4.0 * x.width() * x.height());
}

QMap<QString, QByteArray> filesUnder(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path.mid(root.size()), readAll(path));
    }
    return files;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sheetIsPlainBitmapWithKeyBorder();
    void spriteUsesKeyAndMapPaletteColours_data();
    void spriteUsesKeyAndMapPaletteColours();
    void photosAreOneBaselineJpegPerLandmark();
    void photoIsAnIllustrationOfAllowedSize_data();
    void photoIsAnIllustrationOfAllowedSize();
    void photosDifferFromEachOther();
    void windowPictureHasItsSizeAndFormat_data();
    void windowPictureHasItsSizeAndFormat();
    void splashBottomStripIsDarkUnderTheLabels();
    void appIconHasEveryThemeSize_data();
    void appIconHasEveryThemeSize();
    void appIconScalableFormIsTheSameDrawing();
    void generationIsDeterministic();

private:
    QTemporaryDir m_first;
    QImage m_sheet;
};

void PicturesTest::initTestCase()
{
    QVERIFY(m_first.isValid());
    const QString failure = runGenerator(m_first.path());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(m_sheet.load(m_first.path() + QStringLiteral("/app/dtdn2.sd"), "BMP"));
}

void PicturesTest::sheetIsPlainBitmapWithKeyBorder()
{
    verifyBmp24(readAll(m_first.path() + QStringLiteral("/app/dtdn2.sd")), 150, 50);
    for (int x = 0; x < m_sheet.width(); ++x)
        QCOMPARE(m_sheet.pixel(x, 0), kKey);
    for (int y = 0; y < m_sheet.height(); ++y)
        QCOMPARE(m_sheet.pixel(0, y), kKey);
}

void PicturesTest::spriteUsesKeyAndMapPaletteColours_data()
{
    QTest::addColumn<QRect>("sprite"); // (left, top, right, bottom) with right and bottom exclusive
    QTest::newRow("A administration") << QRect(QPoint(1, 1), QPoint(39, 39));
    QTest::newRow("B landmark") << QRect(QPoint(50, 1), QPoint(89, 39));
    QTest::newRow("C hospital") << QRect(QPoint(100, 1), QPoint(139, 44));
}

void PicturesTest::spriteUsesKeyAndMapPaletteColours()
{
    QFETCH(QRect, sprite);
    int key = 0;
    int drawn = 0;
    for (int y = sprite.top(); y <= sprite.bottom(); ++y) {
        for (int x = sprite.left(); x <= sprite.right(); ++x) {
            const QRgb colour = m_sheet.pixel(x, y) | 0xFF000000u;
            if (colour == kKey) {
                ++key;
                continue;
            }
            ++drawn;
            QVERIFY2(inMapPalette(colour), qPrintable(QStringLiteral("(%1, %2) has #%3, not a map palette colour")
                                                          .arg(x).arg(y).arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
        }
    }
    // A marker shows the map around its shape and covers some of it.
    QVERIFY(key > sprite.width() * 2);
    QVERIFY(drawn > sprite.width() * sprite.height() / 4);
}

void PicturesTest::photosAreOneBaselineJpegPerLandmark()
{
    QDir folder(m_first.path() + QStringLiteral("/app/talvfoto"));
    QStringList expected;
    for (const QString& code : landmarkCodes())
        expected << code + QStringLiteral(".jpg");
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name), expected);
}

void PicturesTest::photoIsAnIllustrationOfAllowedSize_data()
{
    QTest::addColumn<QString>("code");
    for (const QString& code : landmarkCodes())
        QTest::newRow(qPrintable(code)) << code;
}

void PicturesTest::photoIsAnIllustrationOfAllowedSize()
{
    QFETCH(QString, code);
    const QByteArray bytes = readAll(m_first.path() + QStringLiteral("/app/talvfoto/") + code + QStringLiteral(".jpg"));
    QCOMPARE(baselineComponents(bytes), 3);
    QImage photo;
    QVERIFY(photo.loadFromData(bytes, "JPEG"));
    QVERIFY2(photo.width() >= 320 && photo.width() <= 800, qPrintable(QString::number(photo.width())));
    QVERIFY2(photo.height() >= 240 && photo.height() <= 600, qPrintable(QString::number(photo.height())));
    // A drawn scene has many colours and a sky lighter at the top than the ground at the bottom.
    QSet<QRgb> colours;
    for (int y = 0; y < photo.height(); y += 4)
        for (int x = 0; x < photo.width(); x += 4)
            colours.insert(photo.pixel(x, y));
    QVERIFY2(colours.size() > 500, qPrintable(QString::number(colours.size())));
}

void PicturesTest::photosDifferFromEachOther()
{
    QSet<QByteArray> hashes;
    for (const QString& code : landmarkCodes()) {
        const QByteArray bytes = readAll(m_first.path() + QStringLiteral("/app/talvfoto/") + code + QStringLiteral(".jpg"));
        hashes.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1));
    }
    QCOMPARE(hashes.size(), landmarkCodes().size());
}

void PicturesTest::windowPictureHasItsSizeAndFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("splash") << QStringLiteral("splash.bmp") << QSize(401, 270);
    QTest::newRow("about") << QStringLiteral("about.bmp") << QSize(354, 301);
    QTest::newRow("sponsor") << QStringLiteral("sponsor.jpg") << QSize(702, 439);
    QTest::newRow("banner1") << QStringLiteral("banner1.bmp") << QSize(468, 50);
    QTest::newRow("banner2") << QStringLiteral("banner2.bmp") << QSize(467, 50);
    QTest::newRow("banner3") << QStringLiteral("banner3.bmp") << QSize(467, 50);
}

void PicturesTest::windowPictureHasItsSizeAndFormat()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QByteArray embedded = readAll(QStringLiteral(":/pictures/") + name);
    QVERIFY2(!embedded.isEmpty(), "the picture is not among the resources");
    if (name.endsWith(QStringLiteral(".bmp")))
        verifyBmp24(embedded, size.width(), size.height());
    else
        QCOMPARE(baselineComponents(embedded), 3);
    QImage picture;
    QVERIFY(picture.loadFromData(embedded));
    QCOMPARE(picture.size(), size);
    // The resource is what the current generator draws.
    QVERIFY(embedded == readAll(m_first.path() + QStringLiteral("/windows/") + name));
}

void PicturesTest::splashBottomStripIsDarkUnderTheLabels()
{
    QImage splash(QStringLiteral(":/pictures/splash.bmp"));
    QVERIFY(!splash.isNull());
    // The labels "v 1.5" and "Загрузка приложения ..." are white 8-point text at row 253.
    for (const QRect& label : {QRect(8, 253, 30, 13), QRect(272, 253, 125, 13)}) {
        qint64 sum = 0;
        for (int y = label.top(); y <= label.bottom(); ++y)
            for (int x = label.left(); x <= label.right(); ++x)
                sum += qGray(splash.pixel(x, y));
        const qint64 mean = sum / (label.width() * label.height());
        QVERIFY2(mean < 90, qPrintable(QStringLiteral("mean grey %1 under the label at %2").arg(mean).arg(label.x())));
    }
}

void PicturesTest::appIconHasEveryThemeSize_data()
{
    QTest::addColumn<int>("size");
    for (const int size : AppIcon::kSizes)
        QTest::newRow(qPrintable(QStringLiteral("%1x%1").arg(size))) << size;
}

void PicturesTest::appIconHasEveryThemeSize()
{
    QFETCH(int, size);
    const QImage icon(m_first.path() + QStringLiteral("/icon/%1x%1/apps/talvinsk.png").arg(size));
    QCOMPARE(icon.size(), QSize(size, size));
    // A rounded sheet: the corners are see-through, the middle is covered.
    for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
        QCOMPARE(qAlpha(icon.pixel(corner)), 0);
    // The square inside the rounding of the corners (a ninth of the side from
    // each edge, and a pixel for the smoothing of the edge).
    const int margin = size / 9 + 1;
    int covered = 0;
    QSet<QRgb> colours;
    for (int y = margin; y < size - margin; ++y) {
        for (int x = margin; x < size - margin; ++x) {
            covered += qAlpha(icon.pixel(x, y)) == 255;
            colours.insert(icon.pixel(x, y));
        }
    }
    const int inner = (size - 2 * margin) * (size - 2 * margin);
    QCOMPARE(covered, inner);
    // The plan stays a plan at every size: paper, streets, the red street, the marker.
    QVERIFY2(colours.size() >= 6, qPrintable(QString::number(colours.size())));
    bool red = false;
    for (const QRgb colour : colours)
        red = red || (qRed(colour) > 200 && qGreen(colour) < 60 && qBlue(colour) < 60);
    QVERIFY2(red, "no street in red");
}

void PicturesTest::appIconScalableFormIsTheSameDrawing()
{
    QSvgRenderer svg(m_first.path() + QStringLiteral("/icon/scalable/apps/talvinsk.svg"));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBoxF(), QRectF(0, 0, 256, 256));
    QImage rendered(256, 256, QImage::Format_ARGB32);
    rendered.fill(Qt::transparent);
    {
        QPainter p(&rendered);
        svg.render(&p);
    }
    const QImage drawn(m_first.path() + QStringLiteral("/icon/256x256/apps/talvinsk.png"));
    const double difference = meanDifference(rendered, drawn);
    QVERIFY2(difference < 2.0, qPrintable(QString::number(difference)));
}

void PicturesTest::generationIsDeterministic()
{
    QTemporaryDir second;
    QVERIFY(second.isValid());
    const QString failure = runGenerator(second.path());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const QMap<QString, QByteArray> before = filesUnder(m_first.path());
    const QMap<QString, QByteArray> after = filesUnder(second.path());
    QCOMPARE(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
