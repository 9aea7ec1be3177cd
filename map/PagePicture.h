#pragma once

#include "map/MapBitmap.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// The picture a page layout prints. It holds palette indices like the map it is
// cut from; it is made white the first time the map is drawn into it and is
// then kept, each later print of its orientation drawing over the same picture.
class PagePicture {
public:
    explicit PagePicture(QSize size) : m_size(size) {}

    QSize size() const { return m_size; }
    bool isCreated() const { return !m_bitmap.isNull(); }
    const MapBitmap& bitmap() const { return m_bitmap; }

    // The picture, created white with the palette of the map about to be drawn
    // into it if it does not exist yet.
    MapBitmap& prepare(const MapBitmap& map);

    // The picture in colour, as it goes to the preview and the printer.
    QImage toImage() const;

private:
    QSize m_size;
    MapBitmap m_bitmap;
};

// The rectangle of the map a page takes: in detail mode the picture-sized piece
// from the view origin, not clipped to the map; otherwise the whole map.
QRect pageSourceRect(QSize pictureSize, QSize mapSize, bool detailMode, QPoint viewOrigin);

// The rectangle of the page picture the map goes to: all of it, in both modes.
QRect pageDestinationRect(QSize pictureSize);

// Draws the map onto the page picture as the view shows it: in detail mode the
// piece is copied pixel for pixel, white where it reaches beyond the map; the
// whole map is reduced onto the whole picture by the AND-merging stretch of the
// whole-map view.
void drawMapOntoPage(const MapBitmap& map, bool detailMode, QPoint viewOrigin, PagePicture& page);
