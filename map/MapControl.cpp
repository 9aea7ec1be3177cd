#include "map/MapControl.h"

#include "map/MapBitmap.h"

#include <QMouseEvent>
#include <QPainter>

MapControl::MapControl(QWidget* parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves are reported while a button is held, as a drag needs.
    setMouseTracking(false);
}

void MapControl::setMap(const MapBitmap* map)
{
    m_map = map;
    if (!m_map)
        m_showsPiece = false;
    update();
}

void MapControl::makeWholeMapPicture(const MapBitmap& map)
{
    m_wholeMap.make(map, size());
    update();
}

void MapControl::presentPiece(QPoint origin)
{
    m_origin = origin;
    m_showsPiece = m_map != nullptr;
    update();
}

void MapControl::presentWholeMap()
{
    m_showsPiece = false;
    update();
}

void MapControl::renderPiece(const MapBitmap& map, QPoint origin, QImage& out)
{
    const int w = out.width();
    const int h = out.height();
    const QRgb white = qRgb(255, 255, 255);
    // The columns of the piece that lie on the map; the rest is white.
    const int firstColumn = qBound(0, -origin.x(), w);
    const int lastColumn = qBound(0, map.width() - origin.x(), w);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const int mapY = origin.y() + y;
        if (mapY < 0 || mapY >= map.height() || firstColumn >= lastColumn) {
            std::fill(line, line + w, white);
            continue;
        }
        std::fill(line, line + firstColumn, white);
        map.rowColours(origin.x() + firstColumn, mapY, lastColumn - firstColumn, line + firstColumn);
        std::fill(line + lastColumn, line + w, white);
    }
}

void MapControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool piece = m_showsPiece && m_map && !m_map->isNull();
    // Under a full-scale piece only the control's last two columns show the
    // whole-map picture.
    const int pictureFrom = piece ? viewportSize().width() : 0;
    const QRect pictureArea(pictureFrom, 0, width() - pictureFrom, height());
    const QImage& wholeMap = m_wholeMap.picture();
    if (wholeMap.isNull())
        painter.fillRect(pictureArea, Qt::white);
    else
        painter.drawImage(pictureArea.topLeft(), wholeMap, pictureArea);
    if (!piece)
        return;
    const QSize size = viewportSize();
    if (m_piece.size() != size)
        m_piece = QImage(size, QImage::Format_RGB32);
    renderPiece(*m_map, m_origin, m_piece);
    painter.drawImage(QPoint(0, 0), m_piece);
}

void MapControl::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event->button(), event->position().toPoint());
}

void MapControl::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
}

void MapControl::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event->button(), event->position().toPoint());
}
