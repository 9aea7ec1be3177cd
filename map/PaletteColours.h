#pragma once

#include <QRgb>

#include <array>
#include <cstdint>

// The colours of a run of palette indices, written as 32-bit pixels.
void paletteColours(const std::uint8_t* indices, QRgb* colours, int count, const std::array<QRgb, 256>& palette);

// The same for the town palette, whose entries follow from the index bits: three
// bits of red, three of green and two of blue, each channel's top level all ones.
// The colours are computed sixteen at a time instead of looked up one by one,
// because the full-scale view converts some 400,000 pixels on every paint.
void townPaletteColours(const std::uint8_t* indices, QRgb* colours, int count);
