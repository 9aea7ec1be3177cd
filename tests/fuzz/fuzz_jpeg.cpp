#include "map/JpegDecoder.h"
#include "tests/fuzz/FuzzLoader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return runLoader(data, size, [](const QByteArray& file) {
        const QImage photo = decodeJpeg(file);
        if (photo.isNull() || photo.format() != QImage::Format_RGB32)
            std::abort();
        volatile QRgb last = photo.pixel(photo.width() - 1, photo.height() - 1);
        (void)last;
    });
}
