#include "map/WholeMapPicture.h"

#include "map/AndStretch.h"

const QImage& WholeMapPicture::make(const MapBitmap& map, QSize size)
{
    if (map.isNull() || size.isEmpty()) {
        m_picture = QImage();
        return m_picture;
    }
    if (m_reduced.width() != size.width() || m_reduced.height() != size.height()
        || m_reduced.palette() != map.palette())
        m_reduced = MapBitmap(size.width(), size.height(), map.palette(), 255);
    // The stretch covers every pixel of the reduced bitmap.
    stretchAnd(map, QRect(0, 0, map.width(), map.height()), m_reduced, QRect(QPoint(0, 0), size));
    if (m_picture.size() != size || m_picture.format() != QImage::Format_RGB32)
        m_picture = QImage(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        m_reduced.rowColours(0, y, size.width(), reinterpret_cast<QRgb*>(m_picture.scanLine(y)));
    return m_picture;
}
