#include "MapPainter.h"

#include "BmpFile.h"
#include "TownModel.h"

#include <cmath>

namespace {

void fillAreas(IndexedCanvas& canvas, const TownModel& model, TownLayer layer, std::uint8_t colour)
{
    for (const TownItem* item : model.layer(layer))
        canvas.fillPolygon(item->points, colour);
}

void strokeLines(IndexedCanvas& canvas, const TownModel& model, TownLayer layer, std::uint8_t colour)
{
    for (const TownItem* item : model.layer(layer))
        canvas.strokePolyline(item->points, item->width, colour);
}

// A thin black line round every block and every piece of water, drawn on the
// block's (or the water's) own edge pixels so that corridors keep their width.
void outlineAreas(IndexedCanvas& canvas)
{
    const IndexedCanvas before = canvas;
    const int w = canvas.width(), h = canvas.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint8_t c = before.at(x, y);
            if (c != MapColour::Orange && c != MapColour::Blue)
                continue;
            const auto differs = [&](int nx, int ny) {
                if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                    return false;
                const std::uint8_t n = before.at(nx, ny);
                // Water meets blocks along the block's outline only.
                return n != c && !(c == MapColour::Blue && n == MapColour::Orange);
            };
            if (differs(x - 1, y) || differs(x + 1, y) || differs(x, y - 1) || differs(x, y + 1))
                canvas.set(x, y, MapColour::Black);
        }
    }
}

// Where a street, the railway's right of way or a square meets open ground,
// its edge is drawn as a thin black line just outside the corridor, so that
// roads across fields show as they do on a printed plan.
void edgeOpenWays(IndexedCanvas& canvas, const IndexedCanvas& ways)
{
    const int w = canvas.width(), h = canvas.height();
    std::vector<std::uint8_t> edge(std::size_t(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (ways.at(x, y) || canvas.at(x, y) != MapColour::White)
                continue;
            const auto isWay = [&](int nx, int ny) {
                return nx >= 0 && ny >= 0 && nx < w && ny < h && ways.at(nx, ny);
            };
            if (isWay(x - 1, y) || isWay(x + 1, y) || isWay(x, y - 1) || isWay(x, y + 1))
                edge[std::size_t(y) * w + x] = 1;
        }
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (edge[std::size_t(y) * w + x])
                canvas.set(x, y, MapColour::Black);
}

// The track: a solid black line with cross ties every 16 pixels along it.
void drawTrack(IndexedCanvas& canvas, const TownItem& railway)
{
    constexpr double TieSpacing = 16.0;
    constexpr double TieHalfLength = 4.5;
    const std::vector<ModelPoint>& p = railway.points;
    canvas.strokePolyline(p, 3.0, MapColour::Black);
    double untilTie = TieSpacing / 2;
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        const double dx = p[i + 1].x - p[i].x, dy = p[i + 1].y - p[i].y;
        const double length = std::sqrt(dx * dx + dy * dy);
        if (length == 0.0)
            continue;
        const double ux = dx / length, uy = dy / length;
        double along = untilTie;
        for (; along < length; along += TieSpacing) {
            const double cx = p[i].x + ux * along, cy = p[i].y + uy * along;
            canvas.strokeSegment(cx - uy * TieHalfLength, cy + ux * TieHalfLength,
                                 cx + uy * TieHalfLength, cy - ux * TieHalfLength, 1.5,
                                 MapColour::Black);
        }
        untilTie = along - length;
    }
}

}  // namespace

IndexedCanvas paintTownMap(const TownModel& model)
{
    IndexedCanvas canvas(MapWidth, MapHeight, MapColour::White);
    fillAreas(canvas, model, TownLayer::District, MapColour::Orange);
    fillAreas(canvas, model, TownLayer::Park, MapColour::Green);
    fillAreas(canvas, model, TownLayer::Water, MapColour::Blue);
    strokeLines(canvas, model, TownLayer::River, MapColour::Blue);
    // Open ways are painted white on the map and marked on a mask of their own.
    IndexedCanvas ways(MapWidth, MapHeight, 0);
    for (IndexedCanvas* target : {&canvas, &ways}) {
        const std::uint8_t colour = target == &canvas ? MapColour::White : 1;
        fillAreas(*target, model, TownLayer::Square, colour);
        strokeLines(*target, model, TownLayer::Street, colour);
        strokeLines(*target, model, TownLayer::Railway, colour);
    }
    fillAreas(canvas, model, TownLayer::Building, MapColour::Orange);
    fillAreas(ways, model, TownLayer::Building, 0);
    outlineAreas(canvas);
    edgeOpenWays(canvas, ways);
    for (const TownItem* railway : model.layer(TownLayer::Railway))
        drawTrack(canvas, *railway);
    for (const TownItem* mark : model.layer(TownLayer::Mark))
        for (const ModelPoint& p : mark->points)
            canvas.fillDisc(p.x, p.y, mark->width, MapColour::SpringGreen);
    return canvas;
}
