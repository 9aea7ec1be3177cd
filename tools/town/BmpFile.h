#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

class IndexedCanvas;

// Colours of the map palette. Entry i is (L8[i / 32], L8[(i / 4) % 8], L4[i % 4])
// with L8 = 0, 32, ..., 192, 255 and L4 = 0, 64, 128, 255; the map uses six of them.
namespace MapColour {
inline constexpr std::uint8_t Black = 0;
inline constexpr std::uint8_t Blue = 3;          // RGB(0, 0, 255): water
inline constexpr std::uint8_t Green = 28;        // RGB(0, 255, 0): parks
inline constexpr std::uint8_t SpringGreen = 30;  // RGB(0, 255, 128): fountains, pitches
inline constexpr std::uint8_t Orange = 241;      // RGB(255, 128, 64): built-up blocks
inline constexpr std::uint8_t White = 255;
}

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

// The RGB value of a map palette entry.
Rgb mapPaletteEntry(int index);

// A 24-bit picture, rows top to bottom.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    RgbPicture(int w, int h, Rgb fill) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
    Rgb& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// Windows bitmap files: 8 bits per pixel with the map palette, or 24 bits per
// pixel; both uncompressed, bottom-up, 3780 pixels per metre.
QByteArray indexedBmp(const IndexedCanvas& canvas);
QByteArray rgbBmp(const RgbPicture& picture);

// Writes the bytes to the file, replacing it; throws AppError on failure.
void writeFile(const QString& path, const QByteArray& bytes);
