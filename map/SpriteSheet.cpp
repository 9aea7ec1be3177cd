#include "map/SpriteSheet.h"

#include "base/AppError.h"

#include <QFile>
#include <QtEndian>

#include <cstdlib>

namespace {

const QString kInvalid = QStringLiteral("Bitmap image is not valid");

template <typename T>
T le(const QByteArray& d, qint64 at)
{
    return qFromLittleEndian<T>(d.constData() + at);
}

} // namespace

QImage decodeSheetBitmap(const QByteArray& file)
{
    if (file.size() < 54 || file[0] != 'B' || file[1] != 'M')
        throw AppError(kInvalid);
    const qint64 pixelOffset = le<quint32>(file, 10);
    const qint64 infoSize = le<quint32>(file, 14);
    const qint32 width = le<qint32>(file, 18);
    const qint32 rawHeight = le<qint32>(file, 22);
    const int bits = le<quint16>(file, 28);
    const quint32 compression = le<quint32>(file, 30);
    quint32 colours = le<quint32>(file, 46);
    const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
    // Bit fields are accepted for 32 bits only in the usual BGRA layout.
    const bool plain = compression == 0 || (compression == 3 && bits == 32);
    if (infoSize < 40 || !knownDepth || !plain || width <= 0 || width > 30000 || rawHeight == 0
        || std::abs(qint64(rawHeight)) > 30000)
        throw AppError(kInvalid);
    const int height = int(std::abs(qint64(rawHeight)));
    // A sheet is a small picture; a header claiming more is not a sheet.
    if (qint64(width) * height > 16 * 1024 * 1024)
        throw AppError(kInvalid);
    const qint64 stride = (qint64(width) * bits + 31) / 32 * 4;
    if (pixelOffset < 14 + infoSize || pixelOffset + stride * height > file.size())
        throw AppError(kInvalid);

    QVector<QRgb> palette;
    if (bits <= 8) {
        const quint32 maxColours = 1u << bits;
        if (colours == 0 || colours > maxColours)
            colours = maxColours;
        const qint64 paletteStart = 14 + infoSize;
        if (paletteStart + 4 * qint64(colours) > pixelOffset)
            throw AppError(kInvalid);
        for (quint32 i = 0; i < colours; ++i) {
            const auto* e = reinterpret_cast<const uchar*>(file.constData() + paletteStart + 4 * i);
            palette << qRgb(e[2], e[1], e[0]);
        }
        palette.resize(int(maxColours), qRgb(0, 0, 0));
    }

    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const int stored = rawHeight > 0 ? height - 1 - y : y;
        const auto* src = reinterpret_cast<const uchar*>(file.constData() + pixelOffset + stride * stored);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (bits) {
            case 32: out[x] = qRgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]); break;
            case 24: out[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            case 8: out[x] = palette[src[x]]; break;
            case 4: out[x] = palette[(src[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F]; break;
            default: out[x] = palette[(src[x / 8] >> (7 - x % 8)) & 1]; break;
            }
        }
    }
    return image;
}

QImage loadSheetBitmap(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return decodeSheetBitmap(file.readAll());
}
