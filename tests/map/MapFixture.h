#pragma once

#include "map/MapBitmap.h"

// A map of the town's size whose every pixel differs from its neighbours, so
// that a picture shows which piece of the map it was cut from.
inline MapBitmap patternedTownSizedMap()
{
    MapBitmap map(3684, 2698, MapBitmap::townPalette(), 255);
    for (int y = 0; y < map.height(); ++y) {
        std::uint8_t* row = map.row(y);
        for (int x = 0; x < map.width(); ++x)
            row[x] = std::uint8_t((x * 7 + y * 31) ^ (y >> 3));
    }
    return map;
}
