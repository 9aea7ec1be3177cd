#include "map/PaletteColours.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

void paletteColours(const std::uint8_t* indices, QRgb* colours, int count, const std::array<QRgb, 256>& palette)
{
    for (int i = 0; i < count; ++i)
        colours[i] = palette[indices[i]];
}

namespace {

// One channel: the level's bits in the top of the byte, and the top level (all
// the channel's bits set) widened to 255.
inline int channel(unsigned bits, unsigned top)
{
    return bits == top ? 255 : int(bits);
}

inline QRgb townColour(std::uint8_t index)
{
    const unsigned red = index & 0xE0u;
    const unsigned green = (index << 3) & 0xE0u;
    const unsigned blue = (index << 6) & 0xC0u;
    return qRgb(channel(red, 0xE0), channel(green, 0xE0), channel(blue, 0xC0));
}

} // namespace

void townPaletteColours(const std::uint8_t* indices, QRgb* colours, int count)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128i redMask = _mm_set1_epi8(char(0xE0));
    const __m128i blueMask = _mm_set1_epi8(char(0xC0));
    const __m128i fill3 = _mm_set1_epi8(0x1F);
    const __m128i fill2 = _mm_set1_epi8(0x3F);
    const __m128i opaque = _mm_set1_epi8(char(0xFF));
    for (; i + 16 <= count; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(indices + i));
        // Each channel's bits moved to the top of its byte; the 16-bit shifts
        // carry bits across bytes only into the positions the masks clear.
        __m128i r = _mm_and_si128(v, redMask);
        __m128i g = _mm_and_si128(_mm_slli_epi16(v, 3), redMask);
        __m128i b = _mm_and_si128(_mm_slli_epi16(v, 6), blueMask);
        r = _mm_or_si128(r, _mm_and_si128(_mm_cmpeq_epi8(r, redMask), fill3));
        g = _mm_or_si128(g, _mm_and_si128(_mm_cmpeq_epi8(g, redMask), fill3));
        b = _mm_or_si128(b, _mm_and_si128(_mm_cmpeq_epi8(b, blueMask), fill2));
        // Bytes of a pixel in memory: blue, green, red, alpha.
        const __m128i blueGreenLow = _mm_unpacklo_epi8(b, g);
        const __m128i blueGreenHigh = _mm_unpackhi_epi8(b, g);
        const __m128i redAlphaLow = _mm_unpacklo_epi8(r, opaque);
        const __m128i redAlphaHigh = _mm_unpackhi_epi8(r, opaque);
        auto* out = reinterpret_cast<__m128i*>(colours + i);
        _mm_storeu_si128(out, _mm_unpacklo_epi16(blueGreenLow, redAlphaLow));
        _mm_storeu_si128(out + 1, _mm_unpackhi_epi16(blueGreenLow, redAlphaLow));
        _mm_storeu_si128(out + 2, _mm_unpacklo_epi16(blueGreenHigh, redAlphaHigh));
        _mm_storeu_si128(out + 3, _mm_unpackhi_epi16(blueGreenHigh, redAlphaHigh));
    }
#endif
    for (; i < count; ++i)
        colours[i] = townColour(indices[i]);
}
