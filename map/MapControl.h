#pragma once

#include "map/WholeMapPicture.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

class MapBitmap;

// The map control of the main window. It paints from state alone: either its
// whole-map picture, or the full-scale piece of the map at the origin last
// presented. The full-scale piece fills the Viewport, which is the control less
// its two rightmost columns; those keep showing the whole-map picture.
class MapControl : public QWidget {
    Q_OBJECT
public:
    explicit MapControl(QWidget* parent = nullptr);

    // The map the full-scale view is cut from; it must outlive the control or be
    // detached with setMap(nullptr).
    void setMap(const MapBitmap* map);
    // Makes the whole-map picture again from the map, reduced to the control's size.
    void makeWholeMapPicture(const MapBitmap& map);
    const QImage& wholeMapPicture() const { return m_wholeMap.picture(); }

    // The full-scale piece at the origin becomes what the control shows.
    void presentPiece(QPoint origin);
    // The whole-map picture becomes what the control shows.
    void presentWholeMap();

    bool showsPiece() const { return m_showsPiece; }
    QPoint presentedOrigin() const { return m_origin; }
    QSize viewportSize() const { return QSize(qMax(0, width() - 2), height()); }

    // Fills a picture of the Viewport's size with the piece of the map at the
    // origin; what lies beyond the map is white.
    static void renderPiece(const MapBitmap& map, QPoint origin, QImage& out);

signals:
    void mousePressed(Qt::MouseButton button, QPoint at);
    void mouseMoved(QPoint at);
    void mouseReleased(Qt::MouseButton button, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const MapBitmap* m_map = nullptr;
    WholeMapPicture m_wholeMap;
    QImage m_piece;
    QPoint m_origin;
    bool m_showsPiece = false;
};
