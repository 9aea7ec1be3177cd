#include "map/MapView.h"

#include "map/AndStretch.h"
#include "map/MapControl.h"

#include <QImage>
#include <QWidget>


MapView::MapView(MapControl& control, QWidget& mainWindow)
    : m_control(control), m_mainWindow(mainWindow)
{
}

void MapView::loadMap()
{
    setMap(MapBitmap::loadTownMap());
}

void MapView::setMap(MapBitmap map)
{
    m_map = std::move(map);
    m_control.setMap(&m_map);
}

void MapView::releaseMap()
{
    m_control.setMap(nullptr);
    m_map.release();
}

QSize MapView::controlSize() const
{
    return m_control.size();
}

void MapView::presentAt(QPoint origin)
{
    if (!m_map.isNull())
        m_control.presentPiece(origin);
}

void MapView::PresentViewport()
{
    presentAt(m_viewOrigin);
}

QPoint MapView::PresentViewAt(QPoint wished)
{
    const QPoint origin = presentedOrigin(wished, controlSize().width(), m_map.width());
    presentAt(origin);
    return origin;
}

void MapView::RepaintViewport()
{
    if (!m_detailMode)
        return;
    m_mainWindow.repaint();
    PresentViewport();
}

void MapView::ShowWholeMap()
{
    if (!m_map.isNull())
        m_control.makeWholeMapPicture(m_map);
    m_control.presentWholeMap();
    m_detailMode = false;
}

void MapView::ZoomIn()
{
    m_detailMode = true;
    m_viewOrigin = kStartOrigin;
    PresentViewport();
}

void MapView::mapMouseDown(Qt::MouseButton button, QPoint at)
{
    m_dragActive = button == Qt::LeftButton;
    if (m_dragActive)
        m_press = at;
}

void MapView::mapMouseMove(QPoint at)
{
    if (!m_dragActive || !m_detailMode)
        return;
    const DragStep step = limitDrag(m_viewOrigin, m_press, at, controlSize(), mapSize());
    m_viewOrigin = step.viewOrigin;
    PresentViewAt(step.shownOrigin(m_press));
}

void MapView::mapMouseUp(Qt::MouseButton button, QPoint at)
{
    if (button != Qt::LeftButton)
        return;
    // The release applies the limits and keeps the origin, in either mode; the
    // view on the screen is the one of the last move.
    const DragStep step = limitDrag(m_viewOrigin, m_press, at, controlSize(), mapSize());
    m_viewOrigin = step.shownOrigin(m_press);
    m_dragActive = false;
}

void MapView::presentPlanRect(const PlanRect& rect)
{
    m_planRect = rect;
    const QPoint origin(rect.left, rect.top);
    if (m_detailMode)
        presentAt(origin);
    m_viewOrigin = origin;
}

void MapView::planMouseDown(Qt::MouseButton button, QPoint at)
{
    m_planDrag = button == Qt::LeftButton;
    if (!m_planDrag)
        return;
    presentPlanRect(limitPlanRect(planRectFor(at, m_screen, PlanEvent::Press), controlSize()));
}

void MapView::planMouseMove(QPoint at)
{
    if (!m_planDrag || !m_detailMode)
        return;
    presentPlanRect(limitPlanRect(planRectFor(at, m_screen, PlanEvent::Move), controlSize()));
}

void MapView::planMouseUp()
{
    m_planDrag = false;
}
