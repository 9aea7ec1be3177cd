#include "map/AndStretchWide.h"

#include "map/AndStretch.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#if defined(__x86_64__)
#include <tmmintrin.h>
#define TALV_WIDE_STRETCH 1
#endif

#if TALV_WIDE_STRETCH

namespace {

constexpr int kLanes = 16;

// For a run of sixteen destination pixels: where its source windows start, and
// for each sixteen-byte block from there the shuffles that pick the window at
// the span's beginning and the one at its end (0x80: take nothing).
struct PixelGroup {
    int firstColumn = 0;
    int blocks = 0;
    std::size_t firstMask = 0;
};

struct Shuffle {
    alignas(16) unsigned char lanes[kLanes];
};

struct ColumnPlan {
    int window = 0;
    std::vector<int> begins;
    std::vector<int> lastWindows;
    std::vector<PixelGroup> groups;
    std::vector<Shuffle> beginMasks;
    std::vector<Shuffle> endMasks;
};

// The window width k for these spans, or 0 when no k fits them all.
int windowFor(const std::vector<StretchSpan>& spans)
{
    int shortest = INT32_MAX;
    int longest = 0;
    for (const StretchSpan& s : spans) {
        shortest = std::min(shortest, s.end - s.begin);
        longest = std::max(longest, s.end - s.begin);
    }
    for (int k : {8, 4, 2}) {
        if (k <= shortest && longest <= 2 * k)
            return k;
    }
    return 0;
}

ColumnPlan planColumns(int sourceWidth, int targetWidth)
{
    ColumnPlan plan;
    std::vector<StretchSpan> spans;
    for (int d = 0; d < targetWidth; ++d)
        spans.push_back(stretchSpan(d, sourceWidth, targetWidth));
    plan.window = windowFor(spans);
    if (plan.window == 0)
        return plan;
    for (const StretchSpan& s : spans) {
        plan.begins.push_back(s.begin);
        plan.lastWindows.push_back(s.end - plan.window);
    }
    for (int first = 0; first + kLanes <= targetWidth; first += kLanes) {
        PixelGroup group;
        group.firstColumn = plan.begins[first];
        group.blocks = (plan.lastWindows[first + kLanes - 1] - group.firstColumn) / kLanes + 1;
        group.firstMask = plan.beginMasks.size();
        for (int block = 0; block < group.blocks; ++block) {
            Shuffle begin;
            Shuffle end;
            for (int lane = 0; lane < kLanes; ++lane) {
                const int b = plan.begins[first + lane] - group.firstColumn - block * kLanes;
                const int e = plan.lastWindows[first + lane] - group.firstColumn - block * kLanes;
                begin.lanes[lane] = (b >= 0 && b < kLanes) ? (unsigned char)b : 0x80;
                end.lanes[lane] = (e >= 0 && e < kLanes) ? (unsigned char)e : 0x80;
            }
            plan.beginMasks.push_back(begin);
            plan.endMasks.push_back(end);
        }
        plan.groups.push_back(group);
    }
    return plan;
}

// The AND of each byte with its k - 1 right-hand neighbours, the neighbours of
// the last bytes coming from the next block.
template <int... Shift>
__attribute__((target("ssse3"))) inline __m128i windowAnd(__m128i block, __m128i next,
                                                          std::integer_sequence<int, Shift...>)
{
    __m128i result = block;
    ((result = _mm_and_si128(result, _mm_alignr_epi8(next, block, Shift + 1))), ...);
    return result;
}

// The merged row one block of sixteen columns at a time; the columns beyond
// the rectangle are all ones.
__attribute__((target("ssse3"))) inline __m128i mergedBlock(const std::uint8_t* merged, int x)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(merged + x));
}

// The source rows of one destination row merged by AND, sixteen bytes at a
// time, each row read from start to end in turn.
inline void mergeRows(const std::vector<const std::uint8_t*>& rows, int width, std::uint8_t* merged)
{
    std::memcpy(merged, rows[0], std::size_t(width));
    for (std::size_t k = 1; k < rows.size(); ++k) {
        const std::uint8_t* row = rows[k];
        int x = 0;
        for (; x + kLanes <= width; x += kLanes) {
            auto* into = reinterpret_cast<__m128i*>(merged + x);
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
            _mm_storeu_si128(into, _mm_and_si128(_mm_loadu_si128(into), v));
        }
        for (; x < width; ++x)
            merged[x] &= row[x];
    }
}

template <int K>
__attribute__((target("ssse3"))) void stretchRows(const MapBitmap& source, const QRect& from, MapBitmap& target,
                                                  const QRect& to, const ColumnPlan& plan)
{
    const int width = from.width();
    const int blocks = (width + kLanes - 1) / kLanes;
    // Windows of the whole row, with room for the blocks a group reads past the end.
    std::vector<std::uint8_t> windows((std::size_t(unsigned(width)) / kLanes + 3) * kLanes, 0xFF);
    std::vector<const std::uint8_t*> rows;
    std::vector<std::uint8_t> merged((std::size_t(unsigned(width)) / kLanes + 2) * kLanes, 0xFF);
    for (int dy = 0; dy < to.height(); ++dy) {
        const StretchSpan rowSpan = stretchSpan(dy, from.height(), to.height());
        rows.clear();
        for (int sy = rowSpan.begin; sy < rowSpan.end; ++sy)
            rows.push_back(source.row(from.y() + sy) + from.x());
        mergeRows(rows, width, merged.data());

        __m128i block = mergedBlock(merged.data(), 0);
        for (int b = 0; b < blocks; ++b) {
            const __m128i next = mergedBlock(merged.data(), (b + 1) * kLanes);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(windows.data() + b * kLanes),
                             windowAnd(block, next, std::make_integer_sequence<int, K - 1>()));
            block = next;
        }

        std::uint8_t* out = target.row(to.y() + dy) + to.x();
        int dx = 0;
        for (const PixelGroup& group : plan.groups) {
            __m128i begins = _mm_setzero_si128();
            __m128i ends = _mm_setzero_si128();
            for (int i = 0; i < group.blocks; ++i) {
                const __m128i w = _mm_loadu_si128(
                    reinterpret_cast<const __m128i*>(windows.data() + group.firstColumn + i * kLanes));
                const auto* begin = reinterpret_cast<const __m128i*>(plan.beginMasks[group.firstMask + i].lanes);
                const auto* end = reinterpret_cast<const __m128i*>(plan.endMasks[group.firstMask + i].lanes);
                begins = _mm_or_si128(begins, _mm_shuffle_epi8(w, _mm_load_si128(begin)));
                ends = _mm_or_si128(ends, _mm_shuffle_epi8(w, _mm_load_si128(end)));
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + dx), _mm_and_si128(begins, ends));
            dx += kLanes;
        }
        for (; dx < to.width(); ++dx)
            out[dx] = windows[plan.begins[dx]] & windows[plan.lastWindows[dx]];
    }
}

} // namespace

bool stretchAndWide(const MapBitmap& source, const QRect& from, MapBitmap& target, const QRect& to)
{
    static const bool shuffles = __builtin_cpu_supports("ssse3");
    if (!shuffles || from.isEmpty() || to.isEmpty() || from.width() < to.width())
        return false;
    const ColumnPlan plan = planColumns(from.width(), to.width());
    switch (plan.window) {
    case 2:
        stretchRows<2>(source, from, target, to, plan);
        return true;
    case 4:
        stretchRows<4>(source, from, target, to, plan);
        return true;
    case 8:
        stretchRows<8>(source, from, target, to, plan);
        return true;
    default:
        return false;
    }
}

#else

bool stretchAndWide(const MapBitmap&, const QRect&, MapBitmap&, const QRect&)
{
    return false;
}

#endif
