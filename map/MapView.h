#pragma once

#include "app/LayoutScale.h"
#include "map/MapBitmap.h"
#include "map/ViewGeometry.h"

#include <QPoint>

class MapControl;
class QWidget;

// The state of the map view and the operations that present it: the map in
// memory, the origin of the full-scale view, which of the two ways of showing
// the map is on, and the drags on the map and on the overview plan.
class MapView {
public:
    MapView(MapControl& control, QWidget& mainWindow);

    MapBitmap& mapBitmap() { return m_map; }
    const MapBitmap& mapBitmap() const { return m_map; }
    QPoint viewOrigin() const { return m_viewOrigin; }
    void setViewOrigin(QPoint origin) { m_viewOrigin = origin; }
    bool detailMode() const { return m_detailMode; }
    void setDetailMode(bool on) { m_detailMode = on; }
    void setScreenCase(ScreenCase screen) { m_screen = screen; }

    // Loads the embedded town map into the map in memory.
    void loadMap();
    // Replaces the map (tests, benchmarks).
    void setMap(MapBitmap map);
    // Frees the map; nothing is presented afterwards.
    void releaseMap();

    // The full-scale piece at the view origin, as it is, without limits.
    void PresentViewport();
    // Presents the piece at a wished origin, moved left where it would pass the
    // map's right edge, and returns the origin presented.
    QPoint PresentViewAt(QPoint wished);
    // After a window that covered the map area: in detail mode the main window
    // is repainted at once and the view presented again; otherwise nothing.
    void RepaintViewport();
    // The whole map, as it is now, reduced to the control; leaves detail mode.
    void ShowWholeMap();
    // "Увеличение": detail mode at the start origin.
    void ZoomIn();

    // Panning by dragging on the map control with the left button.
    void mapMouseDown(Qt::MouseButton button, QPoint at);
    void mapMouseMove(QPoint at);
    void mapMouseUp(Qt::MouseButton button, QPoint at);
    bool dragging() const { return m_dragActive; }

    // Moving the view from the overview plan.
    void planMouseDown(Qt::MouseButton button, QPoint at);
    void planMouseMove(QPoint at);
    void planMouseUp();
    bool planDragging() const { return m_planDrag; }

    static constexpr QPoint kStartOrigin{1500, 1500};

private:
    QSize controlSize() const;
    QSize mapSize() const { return QSize(m_map.width(), m_map.height()); }
    void presentAt(QPoint origin);
    void presentPlanRect(const PlanRect& rect);

    MapControl& m_control;
    QWidget& m_mainWindow;
    MapBitmap m_map;
    QPoint m_viewOrigin = kStartOrigin;
    bool m_detailMode = false;
    ScreenCase m_screen = ScreenCase::Other;

    bool m_dragActive = false;
    QPoint m_press;

    bool m_planDrag = false;
    PlanRect m_planRect;
};
