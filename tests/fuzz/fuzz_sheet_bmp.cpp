#include "map/SpriteSheet.h"
#include "tests/fuzz/FuzzLoader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return runLoader(data, size, [](const QByteArray& file) {
        const QImage sheet = decodeSheetBitmap(file);
        // The markers are cut from the sheet, so a picture that claims a size it
        // does not have is as much a fault as a bad read.
        if (sheet.isNull() || sheet.format() != QImage::Format_RGB32)
            std::abort();
        volatile QRgb last = sheet.pixel(sheet.width() - 1, sheet.height() - 1);
        (void)last;
    });
}
