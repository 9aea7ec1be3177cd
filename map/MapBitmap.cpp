#include "map/MapBitmap.h"

#include "base/AppError.h"
#include "map/PaletteColours.h"

#include <QResource>
#include <QtEndian>

namespace {

const QString kInvalidBitmap = QStringLiteral("Bitmap image is not valid");

template <typename T>
T readLe(const QByteArray& data, int offset)
{
    return qFromLittleEndian<T>(data.constData() + offset);
}

} // namespace

MapBitmap::MapBitmap(int width, int height, const Palette& palette, std::uint8_t fill)
    : m_width(width), m_height(height), m_palette(palette), m_townPalette(palette == townPalette()),
      m_pixels(std::size_t(width) * height, fill)
{
}

const MapBitmap::Palette& MapBitmap::townPalette()
{
    static const Palette palette = [] {
        const int l8[8] = {0, 32, 64, 96, 128, 160, 192, 255};
        const int l4[4] = {0, 64, 128, 255};
        Palette p{};
        for (int i = 0; i < 256; ++i)
            p[i] = qRgb(l8[i / 32], l8[(i / 4) % 8], l4[i % 4]);
        return p;
    }();
    return palette;
}

MapBitmap MapBitmap::fromBmp(const QByteArray& file)
{
    constexpr int kFileHeader = 14;
    if (file.size() < kFileHeader + 40 || file[0] != 'B' || file[1] != 'M')
        throw AppError(kInvalidBitmap);
    const auto pixelOffset = readLe<quint32>(file, 10);
    const auto infoSize = readLe<quint32>(file, 14);
    const auto width = readLe<qint32>(file, 18);
    const auto rawHeight = readLe<qint32>(file, 22);
    const auto bitsPerPixel = readLe<quint16>(file, 28);
    const auto compression = readLe<quint32>(file, 30);
    auto colorsUsed = readLe<quint32>(file, 46);
    if (infoSize < 40 || bitsPerPixel != 8 || compression != 0 || width <= 0 || rawHeight == 0
        || rawHeight == INT32_MIN || width > 65535 || std::abs(rawHeight) > 65535)
        throw AppError(kInvalidBitmap);
    if (colorsUsed == 0 || colorsUsed > 256)
        colorsUsed = 256;
    const qint64 paletteStart = kFileHeader + qint64(infoSize);
    const int height = std::abs(rawHeight);
    const qint64 stride = (qint64(width) + 3) / 4 * 4;
    if (paletteStart + 4 * qint64(colorsUsed) > file.size() || pixelOffset + stride * height > file.size())
        throw AppError(kInvalidBitmap);

    Palette palette{};
    for (quint32 i = 0; i < colorsUsed; ++i) {
        const auto* entry = reinterpret_cast<const uchar*>(file.constData() + paletteStart + 4 * i);
        palette[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    // The rows are appended one by one rather than copied over a filled
    // buffer: for the town map that saves writing 9.9 MB twice.
    MapBitmap bitmap;
    bitmap.m_width = width;
    bitmap.m_height = height;
    bitmap.m_palette = palette;
    bitmap.m_townPalette = palette == townPalette();
    bitmap.m_pixels.reserve(std::size_t(width) * height);
    const bool bottomUp = rawHeight > 0;
    for (int y = 0; y < height; ++y) {
        const int stored = bottomUp ? height - 1 - y : y;
        const auto* source = reinterpret_cast<const std::uint8_t*>(file.constData() + pixelOffset + stride * stored);
        bitmap.m_pixels.insert(bitmap.m_pixels.end(), source, source + width);
    }
    return bitmap;
}

MapBitmap MapBitmap::loadTownMap()
{
    const QResource resource(QStringLiteral(":/map/town.bmp"));
    if (!resource.isValid())
        throw AppError(QStringLiteral("Cannot open file \"%1\".").arg(resource.fileName()));
    // Embedded uncompressed, so the pixels are read where they lie.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return fromBmp(QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                               qsizetype(resource.size())));
    return fromBmp(resource.uncompressedData());
}

namespace {

// The nearest of a channel's levels; on a tie the lower one, as a search of the
// palette in index order finds.
int nearestLevel(int value, const int* levels, int count)
{
    int best = 0;
    for (int i = 1; i < count; ++i) {
        if (std::abs(levels[i] - value) < std::abs(levels[best] - value))
            best = i;
    }
    return best;
}

} // namespace

std::uint8_t MapBitmap::nearestIndex(QRgb color) const
{
    if (m_townPalette) {
        // The town palette is every combination of per-channel levels, so the
        // nearest entry is the nearest level of each channel.
        static const int l8[8] = {0, 32, 64, 96, 128, 160, 192, 255};
        static const int l4[4] = {0, 64, 128, 255};
        return std::uint8_t(nearestLevel(qRed(color), l8, 8) * 32 + nearestLevel(qGreen(color), l8, 8) * 4
                            + nearestLevel(qBlue(color), l4, 4));
    }
    int best = 0;
    int bestDistance = INT32_MAX;
    for (int i = 0; i < 256; ++i) {
        const int dr = qRed(color) - qRed(m_palette[i]);
        const int dg = qGreen(color) - qGreen(m_palette[i]);
        const int db = qBlue(color) - qBlue(m_palette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
            if (distance == 0)
                break;
        }
    }
    return std::uint8_t(best);
}

void MapBitmap::rowColours(int x, int y, int count, QRgb* colours) const
{
    if (m_townPalette)
        townPaletteColours(row(y) + x, colours, count);
    else
        paletteColours(row(y) + x, colours, count, m_palette);
}

QImage MapBitmap::toImage() const
{
    QImage picture(m_width, m_height, QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y)
        rowColours(0, y, m_width, reinterpret_cast<QRgb*>(picture.scanLine(y)));
    return picture;
}

void MapBitmap::release()
{
    decltype(m_pixels)().swap(m_pixels);
    m_width = 0;
    m_height = 0;
}
