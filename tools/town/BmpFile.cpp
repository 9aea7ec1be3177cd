#include "BmpFile.h"

#include "IndexedCanvas.h"

#include "base/AppError.h"

#include <QFile>

namespace {

constexpr int PixelsPerMetre = 3780;
constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;

void put16(QByteArray& out, std::uint32_t v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

void putHeaders(QByteArray& out, int width, int height, int bitsPerPixel, int paletteEntries,
                int rowSize)
{
    const std::uint32_t dataOffset = FileHeaderSize + InfoHeaderSize + 4 * paletteEntries;
    const std::uint32_t imageSize = std::uint32_t(rowSize) * height;
    out.append("BM");
    put32(out, dataOffset + imageSize);
    put32(out, 0);
    put32(out, dataOffset);
    put32(out, InfoHeaderSize);
    put32(out, std::uint32_t(width));
    put32(out, std::uint32_t(height));  // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, std::uint32_t(bitsPerPixel));
    put32(out, 0);  // no compression
    put32(out, imageSize);
    put32(out, PixelsPerMetre);
    put32(out, PixelsPerMetre);
    put32(out, std::uint32_t(paletteEntries));
    put32(out, 0);
}

}  // namespace

Rgb mapPaletteEntry(int index)
{
    static constexpr std::uint8_t L8[8] = {0, 32, 64, 96, 128, 160, 192, 255};
    static constexpr std::uint8_t L4[4] = {0, 64, 128, 255};
    return {L8[index / 32], L8[(index / 4) % 8], L4[index % 4]};
}

QByteArray indexedBmp(const IndexedCanvas& canvas)
{
    const int rowSize = (canvas.width() + 3) / 4 * 4;
    QByteArray out;
    out.reserve(FileHeaderSize + InfoHeaderSize + 1024 + rowSize * canvas.height());
    putHeaders(out, canvas.width(), canvas.height(), 8, 256, rowSize);
    for (int i = 0; i < 256; ++i) {
        const Rgb c = mapPaletteEntry(i);
        out.append(char(c.b));
        out.append(char(c.g));
        out.append(char(c.r));
        out.append(char(0));
    }
    const QByteArray padding(rowSize - canvas.width(), '\0');
    for (int y = canvas.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(&canvas.pixels()[std::size_t(y) * canvas.width()]),
                   canvas.width());
        out.append(padding);
    }
    return out;
}

QByteArray rgbBmp(const RgbPicture& picture)
{
    const int rowSize = (picture.width * 3 + 3) / 4 * 4;
    QByteArray out;
    out.reserve(FileHeaderSize + InfoHeaderSize + rowSize * picture.height);
    putHeaders(out, picture.width, picture.height, 24, 0, rowSize);
    const QByteArray padding(rowSize - picture.width * 3, '\0');
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& c = picture.at(x, y);
            out.append(char(c.b));
            out.append(char(c.g));
            out.append(char(c.r));
        }
        out.append(padding);
    }
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw AppError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}
