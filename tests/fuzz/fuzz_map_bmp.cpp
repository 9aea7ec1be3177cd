#include "map/MapBitmap.h"
#include "tests/fuzz/FuzzLoader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return runLoader(data, size, [](const QByteArray& file) {
        const MapBitmap map = MapBitmap::fromBmp(file);
        if (map.isNull() || map.width() <= 0 || map.height() <= 0)
            std::abort();
        // Labels and markers read back every pixel's colour through the palette.
        volatile QRgb last = map.colorAt(map.width() - 1, map.height() - 1);
        (void)last;
    });
}
