#pragma once

#include "map/MapBitmap.h"

// The town map as start-up leaves it before any label is drawn, loaded once for
// every benchmark that works on a copy of it.
inline const MapBitmap& benchMap()
{
    static const MapBitmap map = MapBitmap::loadTownMap();
    return map;
}
