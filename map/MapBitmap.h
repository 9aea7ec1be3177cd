#pragma once

#include "map/PixelBuffer.h"

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The town map in memory: 8 bits per pixel, one palette index a pixel, rows top
// to bottom. Everything drawn onto the map (labels, markers) writes palette
// indices, so the map keeps the palette of the image it was loaded from.
class MapBitmap {
public:
    using Palette = std::array<QRgb, 256>;

    MapBitmap() = default;
    MapBitmap(int width, int height, const Palette& palette, std::uint8_t fill);

    // Reads an uncompressed 8-bit Windows bitmap; throws AppError("Bitmap image
    // is not valid") for anything else.
    static MapBitmap fromBmp(const QByteArray& file);
    // The town map embedded in the program.
    static MapBitmap loadTownMap();

    // The palette of the town map: entry i has red L8[i / 32], green
    // L8[(i / 4) % 8] and blue L4[i % 4].
    static const Palette& townPalette();

    bool isNull() const { return m_pixels.empty(); }
    int width() const { return m_width; }
    int height() const { return m_height; }
    const Palette& palette() const { return m_palette; }

    std::uint8_t* row(int y) { return m_pixels.data() + std::size_t(y) * m_width; }
    const std::uint8_t* row(int y) const { return m_pixels.data() + std::size_t(y) * m_width; }
    std::uint8_t at(int x, int y) const { return row(y)[x]; }
    void set(int x, int y, std::uint8_t index) { row(y)[x] = index; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    QRgb colorAt(int x, int y) const { return m_palette[at(x, y)]; }
    bool hasTownPalette() const { return m_townPalette; }
    // The colours of `count` pixels of row y from column x on.
    void rowColours(int x, int y, int count, QRgb* colours) const;
    // The palette entry closest to a colour; exact entries map onto themselves.
    std::uint8_t nearestIndex(QRgb color) const;

    // The bitmap in colour, each index replaced by its palette entry.
    QImage toImage() const;

    // Frees the pixels; the bitmap is null afterwards.
    void release();

private:
    int m_width = 0;
    int m_height = 0;
    Palette m_palette{};
    bool m_townPalette = false;
    std::vector<std::uint8_t, PixelAllocator<std::uint8_t>> m_pixels;
};
