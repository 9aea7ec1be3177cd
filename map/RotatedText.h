#pragma once

#include <QRawFont>
#include <QString>

#include <cstdint>
#include <vector>

class MapBitmap;

// The two colours labels are drawn in, as 0x00BBGGRR values.
inline constexpr std::uint32_t kLabelBlack = 0x000000;
inline constexpr std::uint32_t kLabelRed = 0x0000FF;

// Draws a text onto the map along a baseline rotated by angle degrees
// counter-clockwise about its reference point, the top-left corner of the first
// character cell. The face is labelFace(); glyphs are solid pixels of the
// colour's palette entry, with no smoothing, and everything around them stays
// as it was. colour holds the low 16 bits of a 0x00BBGGRR value, enough for
// black and red.
void DrawRotatedText(MapBitmap& map, int x, int y, int angle, const QString& text, std::uint16_t colour);

// The face labels are drawn in: the embedded Liberation Serif, the metric twin
// of Times New Roman, at the em (about 12.64 pixels) at which its whole
// character cell, ascent plus descent with the internal leading, is 14 pixels.
QRawFont labelFace();

// The one-bit shape of a rotated text: the map pixels the glyphs cover.
struct TextMask {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<bool> bits;
    bool at(int x, int y) const { return bits[std::size_t(y) * width + x]; }
};
TextMask rasterizeRotatedText(int x, int y, int angle, const QString& text);
