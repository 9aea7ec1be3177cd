#pragma once

#include <cstddef>

// Memory for a bitmap's pixels. A buffer of several megabytes (the town map
// holds 9.9) is aligned to 2 MB and offered to the kernel for huge pages, so
// that filling it at start-up takes a handful of page faults instead of one for
// every 4 KB; smaller buffers come from the ordinary heap.
void* allocatePixels(std::size_t bytes);
void releasePixels(void* pixels) noexcept;

// The same as an allocator, for the vector that holds a bitmap's pixels.
template <typename T>
struct PixelAllocator {
    using value_type = T;

    PixelAllocator() = default;
    template <typename U>
    PixelAllocator(const PixelAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t count) { return static_cast<T*>(allocatePixels(count * sizeof(T))); }
    void deallocate(T* p, std::size_t) noexcept { releasePixels(p); }

    friend bool operator==(const PixelAllocator&, const PixelAllocator&) { return true; }
};
