#pragma once

#include <cstdint>
#include <vector>

// A point of the town model: map pixels, x to the right, y downwards. Whole
// numbers are pixel corners, so the centre of pixel (i, j) is (i + 0.5, j + 0.5).
struct ModelPoint {
    int x = 0;
    int y = 0;
};

// An 8-bit colour-index picture with the few drawing primitives the town needs.
// Everything is filled by pixel centres, without antialiasing, so that the same
// model always gives the same bytes.
class IndexedCanvas {
public:
    IndexedCanvas(int width, int height, std::uint8_t background);

    int width() const { return m_width; }
    int height() const { return m_height; }
    std::uint8_t at(int x, int y) const { return m_pixels[std::size_t(y) * m_width + x]; }
    void set(int x, int y, std::uint8_t colour);
    const std::vector<std::uint8_t>& pixels() const { return m_pixels; }

    // Fills the polygon (non-zero winding) given in continuous coordinates.
    void fillPolygon(const std::vector<double>& xs, const std::vector<double>& ys, std::uint8_t colour);
    void fillPolygon(const std::vector<ModelPoint>& points, std::uint8_t colour);
    void fillDisc(double cx, double cy, double radius, std::uint8_t colour);
    // A band of the given width along the polyline, with round joins and flat ends.
    void strokePolyline(const std::vector<ModelPoint>& points, double width, std::uint8_t colour);
    void strokeSegment(double x0, double y0, double x1, double y1, double width, std::uint8_t colour);

private:
    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_pixels;
};
