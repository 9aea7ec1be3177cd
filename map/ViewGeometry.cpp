#include "map/ViewGeometry.h"

QPoint presentedOrigin(QPoint wished, int controlWidth, int mapWidth)
{
    if (wished.x() + controlWidth > mapWidth)
        wished.setX(mapWidth - controlWidth);
    return wished;
}

DragStep limitDrag(QPoint viewOrigin, QPoint press, QPoint current, QSize control, QSize map)
{
    const int w = control.width();
    const int h = control.height();
    if (viewOrigin.x() + press.x() - current.x() < 2) {
        viewOrigin.setX(2);
        current.setX(press.x());
    }
    if (viewOrigin.y() + press.y() - current.y() < 2) {
        viewOrigin.setY(2);
        current.setY(press.y());
    }
    if (viewOrigin.y() + press.y() - current.y() + h > map.height()) {
        viewOrigin.setY(map.height() - h);
        current.setY(press.y());
    }
    if (viewOrigin.x() + press.x() - current.x() + w > map.width()) {
        viewOrigin.setX(map.width() - w);
        current.setX(press.x());
    }
    return {viewOrigin, current};
}

PlanRect planRectFor(QPoint p, ScreenCase screen, PlanEvent event)
{
    const int x = p.x();
    const int y = p.y();
    if (screen == ScreenCase::Small800x600)
        return {26 * x - 334, 26 * y - 232, 26 * x + 300, 26 * y + 195};
    const int bottom = event == PlanEvent::Press ? 19 * y + 300 : 19 * y + 295;
    return {20 * x - 424, 19 * y - 261, 20 * x + 400, bottom};
}

PlanRect limitPlanRect(PlanRect r, QSize control)
{
    constexpr int kLastColumn = 3683;
    constexpr int kMapHeight = 2698;
    if (r.left < 0) {
        r.left = 1;
        r.right = control.width() - 1;
    }
    if (r.top < 0) {
        r.top = 1;
        r.bottom = control.height() - 1;
    }
    if (r.right > kLastColumn) {
        r.right = kLastColumn;
        r.left = kLastColumn - 1 - control.width();
    }
    if (r.bottom > kMapHeight) {
        r.bottom = kMapHeight;
        r.top = kMapHeight - 1 - control.height();
    }
    return r;
}
