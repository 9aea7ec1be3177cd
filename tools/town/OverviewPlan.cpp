#include "OverviewPlan.h"

#include "IndexedCanvas.h"
#include "MapPainter.h"
#include "TownModel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Streets at least this wide on the map count as main roads on the plan.
constexpr int MainRoadWidth = 24;

constexpr double ScaleX = double(PlanWidth) / MapWidth;
constexpr double ScaleY = double(PlanHeight) / MapHeight;

void fillScaled(IndexedCanvas& plan, const TownModel& model, TownLayer layer, std::uint8_t colour)
{
    for (const TownItem* item : model.layer(layer)) {
        std::vector<double> xs, ys;
        for (const ModelPoint& p : item->points) {
            xs.push_back(p.x * ScaleX);
            ys.push_back(p.y * ScaleY);
        }
        plan.fillPolygon(xs, ys, colour);
    }
}

// A one-pixel line between two plan pixels (Bresenham).
void drawLine(IndexedCanvas& plan, int x0, int y0, int x1, int y1, std::uint8_t colour)
{
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        plan.set(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void drawLines(IndexedCanvas& plan, const TownItem& item, std::uint8_t colour)
{
    const auto px = [](const ModelPoint& p) {
        return std::min(PlanWidth - 1, int(p.x * ScaleX));
    };
    const auto py = [](const ModelPoint& p) {
        return std::min(PlanHeight - 1, int(p.y * ScaleY));
    };
    for (std::size_t i = 0; i + 1 < item.points.size(); ++i)
        drawLine(plan, px(item.points[i]), py(item.points[i]), px(item.points[i + 1]),
                 py(item.points[i + 1]), colour);
}

}  // namespace

RgbPicture paintOverviewPlan(const TownModel& model)
{
    IndexedCanvas plan(PlanWidth, PlanHeight, MapColour::White);
    fillScaled(plan, model, TownLayer::District, MapColour::Orange);
    fillScaled(plan, model, TownLayer::Building, MapColour::Orange);
    fillScaled(plan, model, TownLayer::Park, MapColour::Green);
    fillScaled(plan, model, TownLayer::Water, MapColour::Blue);
    for (const TownItem* river : model.layer(TownLayer::River)) {
        std::vector<ModelPoint> scaled;
        for (const ModelPoint& p : river->points)
            scaled.push_back({int(std::lround(p.x * ScaleX)), int(std::lround(p.y * ScaleY))});
        plan.strokePolyline(scaled, std::max(1.5, river->width * ScaleX), MapColour::Blue);
    }
    for (const TownItem* street : model.layer(TownLayer::Street))
        if (street->width >= MainRoadWidth)
            drawLines(plan, *street, MapColour::White);
    for (const TownItem* railway : model.layer(TownLayer::Railway))
        drawLines(plan, *railway, MapColour::Black);

    RgbPicture picture(PlanWidth, PlanHeight, Rgb{255, 255, 255});
    for (int y = 0; y < PlanHeight; ++y)
        for (int x = 0; x < PlanWidth; ++x)
            picture.at(x, y) = mapPaletteEntry(plan.at(x, y));
    return picture;
}
