#include "IndexedCanvas.h"

#include <algorithm>
#include <cmath>

IndexedCanvas::IndexedCanvas(int width, int height, std::uint8_t background)
    : m_width(width), m_height(height), m_pixels(std::size_t(width) * height, background)
{
}

void IndexedCanvas::set(int x, int y, std::uint8_t colour)
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_pixels[std::size_t(y) * m_width + x] = colour;
}

void IndexedCanvas::fillPolygon(const std::vector<double>& xs, const std::vector<double>& ys,
                                std::uint8_t colour)
{
    const std::size_t n = xs.size();
    if (n < 3)
        return;
    double top = ys[0], bottom = ys[0];
    for (double y : ys) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    const int firstRow = std::max(0, int(std::floor(top)));
    const int lastRow = std::min(m_height - 1, int(std::ceil(bottom)));
    struct Crossing {
        double x;
        int winding;
    };
    std::vector<Crossing> crossings;
    for (int row = firstRow; row <= lastRow; ++row) {
        const double yc = row + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t j = (i + 1) % n;
            const double y0 = ys[i], y1 = ys[j];
            if (y0 == y1)
                continue;
            const bool down = y0 < y1;
            const double lo = down ? y0 : y1, hi = down ? y1 : y0;
            if (yc < lo || yc >= hi)
                continue;
            const double x = xs[i] + (yc - y0) * (xs[j] - xs[i]) / (y1 - y0);
            crossings.push_back({x, down ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        int winding = 0;
        for (std::size_t k = 0; k + 1 < crossings.size(); ++k) {
            winding += crossings[k].winding;
            if (winding == 0)
                continue;
            // Pixels whose centres lie in [x_k, x_k+1).
            const int from = std::max(0, int(std::ceil(crossings[k].x - 0.5)));
            const int to = std::min(m_width, int(std::ceil(crossings[k + 1].x - 0.5)));
            std::uint8_t* line = &m_pixels[std::size_t(row) * m_width];
            for (int x = from; x < to; ++x)
                line[x] = colour;
        }
    }
}

void IndexedCanvas::fillPolygon(const std::vector<ModelPoint>& points, std::uint8_t colour)
{
    std::vector<double> xs, ys;
    for (const ModelPoint& p : points) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    fillPolygon(xs, ys, colour);
}

void IndexedCanvas::fillDisc(double cx, double cy, double radius, std::uint8_t colour)
{
    const int firstRow = std::max(0, int(std::floor(cy - radius)));
    const int lastRow = std::min(m_height - 1, int(std::ceil(cy + radius)));
    const double r2 = radius * radius;
    for (int row = firstRow; row <= lastRow; ++row) {
        const double dy = row + 0.5 - cy;
        if (dy * dy > r2)
            continue;
        const double half = std::sqrt(r2 - dy * dy);
        const int from = std::max(0, int(std::ceil(cx - half - 0.5)));
        const int to = std::min(m_width, int(std::ceil(cx + half - 0.5)));
        for (int x = from; x < to; ++x)
            m_pixels[std::size_t(row) * m_width + x] = colour;
    }
}

void IndexedCanvas::strokeSegment(double x0, double y0, double x1, double y1, double width,
                                  std::uint8_t colour)
{
    const double dx = x1 - x0, dy = y1 - y0;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0.0)
        return;
    const double nx = -dy / length * width / 2.0, ny = dx / length * width / 2.0;
    fillPolygon({x0 + nx, x1 + nx, x1 - nx, x0 - nx}, {y0 + ny, y1 + ny, y1 - ny, y0 - ny}, colour);
}

void IndexedCanvas::strokePolyline(const std::vector<ModelPoint>& points, double width,
                                   std::uint8_t colour)
{
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        strokeSegment(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, width, colour);
    for (std::size_t i = 1; i + 1 < points.size(); ++i)
        fillDisc(points[i].x, points[i].y, width / 2.0, colour);
}
