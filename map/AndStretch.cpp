#include "map/AndStretch.h"

#include "map/AndStretchWide.h"

#include <cstring>
#include <vector>

StretchSpan stretchSpan(int d, int sourceLength, int targetLength)
{
    if (sourceLength >= targetLength) {
        // Source s lands on d = s * target / source; the sources of d are those s.
        return {int((qint64(d) * sourceLength + targetLength - 1) / targetLength),
                int((qint64(d + 1) * sourceLength + targetLength - 1) / targetLength)};
    }
    const int s = int(qint64(d) * sourceLength / targetLength);
    return {s, s + 1};
}

namespace {

std::vector<StretchSpan> axisSpans(int sourceLength, int targetLength)
{
    std::vector<StretchSpan> spans;
    spans.reserve(std::size_t(targetLength));
    for (int d = 0; d < targetLength; ++d)
        spans.push_back(stretchSpan(d, sourceLength, targetLength));
    return spans;
}

} // namespace

void stretchAnd(const MapBitmap& source, const QRect& from, MapBitmap& target, const QRect& to)
{
    if (!stretchAndWide(source, from, target, to))
        stretchAndPlain(source, from, target, to);
}

void stretchAndPlain(const MapBitmap& source, const QRect& from, MapBitmap& target, const QRect& to)
{
    if (from.isEmpty() || to.isEmpty())
        return;
    const std::vector<StretchSpan> columns = axisSpans(from.width(), to.width());
    const std::vector<StretchSpan> rows = axisSpans(from.height(), to.height());
    std::vector<std::uint8_t> merged(std::size_t(from.width()));

    for (int dy = 0; dy < to.height(); ++dy) {
        // Merge the source rows of this destination row first, then the columns.
        const StretchSpan rowSpan = rows[dy];
        std::memcpy(merged.data(), source.row(from.y() + rowSpan.begin) + from.x(), merged.size());
        for (int sy = rowSpan.begin + 1; sy < rowSpan.end; ++sy) {
            const std::uint8_t* line = source.row(from.y() + sy) + from.x();
            for (std::size_t i = 0; i < merged.size(); ++i)
                merged[i] &= line[i];
        }
        std::uint8_t* out = target.row(to.y() + dy) + to.x();
        for (int dx = 0; dx < to.width(); ++dx) {
            const StretchSpan columnSpan = columns[dx];
            std::uint8_t value = merged[columnSpan.begin];
            for (int sx = columnSpan.begin + 1; sx < columnSpan.end; ++sx)
                value &= merged[sx];
            out[dx] = value;
        }
    }
}

MapBitmap reducedCopy(const MapBitmap& source, const QSize& size)
{
    MapBitmap reduced(size.width(), size.height(), source.palette(), 255);
    stretchAnd(source, QRect(0, 0, source.width(), source.height()), reduced, QRect(QPoint(0, 0), size));
    return reduced;
}
