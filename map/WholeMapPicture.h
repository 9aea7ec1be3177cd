#pragma once

#include "map/MapBitmap.h"

#include <QImage>
#include <QSize>

// The picture of the whole map reduced to a size by the AND stretch. Each
// making writes into the buffers of the one before when the size is the same,
// so showing the whole map again allocates nothing.
class WholeMapPicture {
public:
    const QImage& make(const MapBitmap& map, QSize size);
    const QImage& picture() const { return m_picture; }

private:
    MapBitmap m_reduced;
    QImage m_picture;
};
