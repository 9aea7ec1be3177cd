#include "map/PagePicture.h"

#include "map/AndStretch.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint8_t whiteIndex(const MapBitmap& map)
{
    return map.nearestIndex(qRgb(255, 255, 255));
}

// Copies the piece of the map at the origin; rows and columns outside the map
// become white, so nothing is read beyond the map's pixels.
void copyPiece(const MapBitmap& map, QPoint origin, MapBitmap& page)
{
    const std::uint8_t white = whiteIndex(map);
    const int w = page.width();
    const int firstColumn = std::clamp(-origin.x(), 0, w);
    const int lastColumn = std::clamp(map.width() - origin.x(), 0, w);
    for (int y = 0; y < page.height(); ++y) {
        std::uint8_t* out = page.row(y);
        const int mapY = origin.y() + y;
        if (mapY < 0 || mapY >= map.height() || firstColumn >= lastColumn) {
            std::fill(out, out + w, white);
            continue;
        }
        std::fill(out, out + firstColumn, white);
        std::memcpy(out + firstColumn, map.row(mapY) + origin.x() + firstColumn, std::size_t(lastColumn - firstColumn));
        std::fill(out + lastColumn, out + w, white);
    }
}

} // namespace

MapBitmap& PagePicture::prepare(const MapBitmap& map)
{
    // Every draw covers the whole picture, so a picture made for another
    // palette may be made again without losing anything.
    if (m_bitmap.isNull() || m_bitmap.palette() != map.palette())
        m_bitmap = MapBitmap(m_size.width(), m_size.height(), map.palette(), whiteIndex(map));
    return m_bitmap;
}

QImage PagePicture::toImage() const
{
    if (m_bitmap.isNull()) {
        QImage image(m_size, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }
    return m_bitmap.toImage();
}

QRect pageSourceRect(QSize pictureSize, QSize mapSize, bool detailMode, QPoint viewOrigin)
{
    if (detailMode)
        return QRect(viewOrigin, pictureSize);
    return QRect(QPoint(0, 0), mapSize);
}

QRect pageDestinationRect(QSize pictureSize)
{
    return QRect(QPoint(0, 0), pictureSize);
}

void drawMapOntoPage(const MapBitmap& map, bool detailMode, QPoint viewOrigin, PagePicture& page)
{
    MapBitmap& picture = page.prepare(map);
    const QRect from = pageSourceRect(page.size(), QSize(map.width(), map.height()), detailMode, viewOrigin);
    const QRect to = pageDestinationRect(page.size());
    if (detailMode)
        copyPiece(map, from.topLeft(), picture);
    else
        stretchAnd(map, from, picture, to);
}
