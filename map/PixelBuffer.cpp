#include "map/PixelBuffer.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

bool isLarge(std::size_t bytes)
{
    return bytes >= 2 * kHugePage;
}

} // namespace

void* allocatePixels(std::size_t bytes)
{
    if (!isLarge(bytes)) {
        if (void* p = std::malloc(bytes ? bytes : 1))
            return p;
        throw std::bad_alloc();
    }
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* p = std::aligned_alloc(kHugePage, rounded);
    if (!p)
        throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Only advice: where huge pages are off, the buffer works the same.
    madvise(p, rounded, MADV_HUGEPAGE);
#endif
    return p;
}

void releasePixels(void* pixels) noexcept
{
    std::free(pixels);
}
