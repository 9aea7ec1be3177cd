#include "base/AppError.h"
#include "map/JpegDecoder.h"

#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// The fixtures are 64 x 48 pictures of four solid quadrants; a quadrant's
// middle keeps its colour through JPEG compression within a few steps.
constexpr int kWidth = 64;
constexpr int kHeight = 48;
const std::array<QPoint, 4> kQuadrantMiddles{QPoint(16, 12), QPoint(48, 12), QPoint(16, 36), QPoint(48, 36)};

int quadrantOf(int x, int y)
{
    return (y < kHeight / 2 ? 0 : 2) + (x < kWidth / 2 ? 0 : 1);
}

struct Encoding {
    int components = 3;
    J_COLOR_SPACE input = JCS_RGB;
    J_COLOR_SPACE stored = JCS_YCbCr;
    bool adobeMarker = false;
    bool progressive = false;
};

// Writes a picture through libjpeg itself, so that every colour model the
// decoder meets can be produced. `fill` gives the samples of one pixel.
QByteArray encode(const Encoding& e, const std::function<void(int x, int y, JSAMPLE* pixel)>& fill)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = kWidth;
    info.image_height = kHeight;
    info.input_components = e.components;
    info.in_color_space = e.input;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, e.stored);
    info.write_Adobe_marker = e.adobeMarker;
    jpeg_set_quality(&info, 95, TRUE);
    if (e.progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(kWidth) * e.components);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < kWidth; ++x)
            fill(x, int(info.next_scanline), row.data() + std::size_t(x) * e.components);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

const std::array<QRgb, 4> kColours{qRgb(255, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};

QByteArray colourPicture(bool progressive)
{
    Encoding e;
    e.progressive = progressive;
    return encode(e, [](int x, int y, JSAMPLE* p) {
        const QRgb c = kColours[quadrantOf(x, y)];
        p[0] = JSAMPLE(qRed(c));
        p[1] = JSAMPLE(qGreen(c));
        p[2] = JSAMPLE(qBlue(c));
    });
}

const std::array<int, 4> kGreys{0, 85, 170, 255};

QByteArray greyPicture()
{
    Encoding e;
    e.components = 1;
    e.input = JCS_GRAYSCALE;
    e.stored = JCS_GRAYSCALE;
    return encode(e, [](int x, int y, JSAMPLE* p) { p[0] = JSAMPLE(kGreys[quadrantOf(x, y)]); });
}

// Inks in the order cyan, magenta, yellow, black; 255 is full ink.
const std::array<std::array<int, 4>, 4> kInks{{{0, 255, 255, 0}, {255, 255, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 128}}};
const std::array<QRgb, 4> kInkColours{qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 255), qRgb(127, 127, 127)};

// Adobe's programs store inverted inks and write their marker; a plain CMYK
// file holds the inks as they are.
QByteArray cmykPicture(J_COLOR_SPACE stored, bool adobe)
{
    Encoding e;
    e.components = 4;
    e.input = JCS_CMYK;
    e.stored = stored;
    e.adobeMarker = adobe;
    return encode(e, [adobe](int x, int y, JSAMPLE* p) {
        for (int i = 0; i < 4; ++i) {
            const int ink = kInks[quadrantOf(x, y)][i];
            p[i] = JSAMPLE(adobe ? 255 - ink : ink);
        }
    });
}

QList<QRgb> listOf(const std::array<QRgb, 4>& colours)
{
    return QList<QRgb>(colours.begin(), colours.end());
}

// The largest difference of one colour channel.
int colourDistance(QRgb a, QRgb b)
{
    return qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
}

// A picture whose frame header claims another size; the data stays as encoded.
QByteArray withClaimedSize(QByteArray bytes, int width, int height)
{
    for (qsizetype i = 0; i + 9 < bytes.size(); ++i) {
        const uchar marker = uchar(bytes[i + 1]);
        if (uchar(bytes[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            bytes[i + 5] = char(height >> 8);
            bytes[i + 6] = char(height & 0xFF);
            bytes[i + 7] = char(width >> 8);
            bytes[i + 8] = char(width & 0xFF);
            return bytes;
        }
    }
    return {};
}

QString errorMessage(int code)
{
    return QStringLiteral("JPEG error #%1").arg(code);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString thrownMessage(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& error) {
        return error.message();
    }
    return QStringLiteral("(nothing thrown)");
}

} // namespace

class TestJpegDecoder : public QObject {
    Q_OBJECT
private slots:
    void decodesSizeAndColours_data()
    {
        QTest::addColumn<QByteArray>("jpeg");
        QTest::addColumn<QList<QRgb>>("expected");
        QTest::newRow("colour") << colourPicture(false) << listOf(kColours);
        QTest::newRow("colour, progressive") << colourPicture(true) << listOf(kColours);
        const auto greys = [] {
            QList<QRgb> list;
            for (int g : kGreys)
                list << qRgb(g, g, g);
            return list;
        }();
        QTest::newRow("greyscale") << greyPicture() << greys;
        QTest::newRow("CMYK, Adobe") << cmykPicture(JCS_CMYK, true) << listOf(kInkColours);
        QTest::newRow("YCCK, Adobe") << cmykPicture(JCS_YCCK, true) << listOf(kInkColours);
        QTest::newRow("CMYK, plain") << cmykPicture(JCS_CMYK, false) << listOf(kInkColours);
    }
    void decodesSizeAndColours()
    {
        QFETCH(QByteArray, jpeg);
        QFETCH(QList<QRgb>, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("01.jpg"));
        QVERIFY(writeFile(path, jpeg));

        const QImage fromFile = decodeJpegFile(path);
        QCOMPARE(fromFile.size(), QSize(kWidth, kHeight));
        QVERIFY(fromFile.format() == QImage::Format_RGB32 || fromFile.format() == QImage::Format_RGB888);
        for (int q = 0; q < 4; ++q) {
            const QRgb got = fromFile.pixel(kQuadrantMiddles[q]);
            const QRgb want = expected[q];
            QVERIFY2(colourDistance(got, want) <= 6, qPrintable(QStringLiteral("quadrant %1: got #%2, want #%3")
                                               .arg(q)
                                               .arg(got & 0xffffff, 6, 16, QLatin1Char('0'))
                                               .arg(want & 0xffffff, 6, 16, QLatin1Char('0'))));
        }
        QCOMPARE(decodeJpeg(jpeg), fromFile);
    }

    void agreesWithQtsReaderOnTheSponsorPicture()
    {
        QFile file(QStringLiteral(":/pictures/sponsor.jpg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QImage reference;
        QVERIFY(reference.loadFromData(file.readAll(), "JPEG"));
        reference = reference.convertToFormat(QImage::Format_RGB32);

        const QImage decoded = decodeJpegFile(QStringLiteral(":/pictures/sponsor.jpg")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(decoded.size(), QSize(702, 439));
        int worst = 0;
        for (int y = 0; y < decoded.height(); ++y) {
            const QRgb* a = reinterpret_cast<const QRgb*>(decoded.constScanLine(y));
            const QRgb* b = reinterpret_cast<const QRgb*>(reference.constScanLine(y));
            for (int x = 0; x < decoded.width(); ++x)
                worst = qMax(worst, colourDistance(a[x], b[x]));
        }
        QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
    }

    void damagedDataGivesTheDecodersMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray whole = colourPicture(false);
        const QByteArray progressive = colourPicture(true);
        QTest::newRow("empty file") << QByteArray() << errorMessage(JERR_INPUT_EMPTY);
        QTest::newRow("text file named .jpg")
            << QStringLiteral("Тальвинск, ул. Ленина, 1\n").toUtf8() << errorMessage(JERR_NO_SOI);
        QTest::newRow("cut in the header") << whole.left(40) << errorMessage(JWRN_JPEG_EOF);
        QTest::newRow("cut in the picture data") << whole.left(whole.size() / 2) << errorMessage(JWRN_JPEG_EOF);
        QTest::newRow("end marker missing") << whole.chopped(2) << errorMessage(JWRN_JPEG_EOF);
        QTest::newRow("progressive, cut") << progressive.left(progressive.size() / 2) << errorMessage(JWRN_JPEG_EOF);
        // Progressive pictures are assembled in memory as a whole; one claiming
        // 63751 x 65040 pixels would take many gigabytes before its data ran out.
        QTest::newRow("progressive, header claims 63751 x 65040")
            << withClaimedSize(progressive, 63751, 65040) << errorMessage(JERR_NO_BACKING_STORE);
        QTest::newRow("progressive, damaged header found by fuzzing")
            << QByteArray::fromBase64(
                   "/9j/4AAQSkZJRgABAQAAAQABAQH/2wBDAA0JCgsKLg0LCgsAAAAAAAAAAAAAAAAAAAAAAA47DQ8TIBUTEhITJxweFyAmKTEw"
                   "LiktLDM6Sj4zNkY3LC1AV0FGTE5SU1IHAAAAAABPT09PT09PT09PT09P/8IAEQj5B/4QAwEiAAIRAQMRAQAAAAAAAAIMAwEA"
                   "AhADEAAA/v///wHLtAECAxEj/9oACAEBAQEFAnwDACEAETVB4f/aANoACAEBOwABPxB6HFWZ/9k=")
            << errorMessage(JERR_NO_BACKING_STORE);
    }
    void damagedDataGivesTheDecodersMessage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("02.jpg"));
        QVERIFY(writeFile(path, bytes));
        QCOMPARE(thrownMessage([&] { decodeJpegFile(path); }), message);
        QCOMPARE(thrownMessage([&] { decodeJpeg(bytes); }), message);
    }

    void missingFileNamesPathAndReason()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("talvfoto/33.jpg"));
        QCOMPARE(thrownMessage([&] { decodeJpegFile(path); }),
                 QStringLiteral("Cannot open file \"%1\". %2").arg(path, QString::fromLocal8Bit(std::strerror(ENOENT))));
    }

    void folderInPlaceOfTheFileCannotBeOpened()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("05.jpg"));
        QVERIFY(QDir().mkdir(path));
        const QString message = thrownMessage([&] { decodeJpegFile(path); });
        const QString opening = QStringLiteral("Cannot open file \"%1\". ").arg(path);
        QVERIFY2(message.startsWith(opening) && message.size() > opening.size(), qPrintable(message));
    }
};

QTEST_MAIN(TestJpegDecoder)
#include "tst_jpeg_decoder.moc"
