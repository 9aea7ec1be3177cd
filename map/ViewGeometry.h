#pragma once

#include "app/LayoutScale.h"

#include <QPoint>
#include <QSize>

// The arithmetic of moving the full-scale view, free of any window: the limits
// of a drag on the map, the clamp of a presentation, and the mapping of a point
// of the overview plan to a view origin.

// The origin a presentation actually shows: moved left where the wished origin
// plus the map control's width would pass the map's right edge. The left edge,
// the top and the bottom are not limited.
QPoint presentedOrigin(QPoint wished, int controlWidth, int mapWidth);

// One step of a drag: the view origin and the mouse point after the four limits,
// applied in order (left, top, bottom, right). A limit that applies writes the
// edge into the origin and cancels the movement on its axis.
struct DragStep {
    QPoint viewOrigin;
    QPoint current;
    // The origin the view shows for this step.
    QPoint shownOrigin(QPoint press) const { return viewOrigin + press - current; }
};
DragStep limitDrag(QPoint viewOrigin, QPoint press, QPoint current, QSize control, QSize map);

// A rectangle of map pixels computed from a point of the overview plan; left
// and top become the view origin, right and bottom serve only the limits.
struct PlanRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PlanRect&) const = default;
};
enum class PlanEvent { Press, Move };

// The plan rectangle for a plan point, before the limits. A move on a screen
// that is neither 800 x 600 nor 1024 x 768 follows the 1024 x 768 row.
PlanRect planRectFor(QPoint planPoint, ScreenCase screen, PlanEvent event);
// The four limits, in order: left, top, right, bottom.
PlanRect limitPlanRect(PlanRect rect, QSize control);
