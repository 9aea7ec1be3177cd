#include "MarkerSheet.h"

#include <cmath>
#include <functional>

namespace {

// Colours that the map palette holds exactly (red and green in steps of 32
// ending at 255, blue in steps of 64 ending at 255).
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kDarkRed = qRgb(160, 0, 0);
const QRgb kDarkBlue = qRgb(0, 0, 128);
const QRgb kFlagBlue = qRgb(0, 64, 255);
const QRgb kGrey = qRgb(128, 128, 128);

using Shape = std::function<bool(int x, int y)>;

// Paints a shape given by its membership test inside a sprite, with a one-pixel
// black outline wherever a neighbour lies outside the shape.
void paintShape(QImage& sheet, const QRect& sprite, const Shape& inside, QRgb fill, bool outline)
{
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            if (!inside(x, y))
                continue;
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            sheet.setPixel(sprite.left() + x, sprite.top() + y, outline && edge ? kBlack : fill);
        }
    }
}

Shape disc(double cx, double cy, double r)
{
    return [=](int x, int y) { return std::hypot(x - cx, y - cy) <= r; };
}

Shape box(int left, int top, int right, int bottom)
{
    return [=](int x, int y) { return x >= left && x <= right && y >= top && y <= bottom; };
}

// Sprite A: a round sign of the administration, the national flag on a pole.
void drawAdministration(QImage& sheet)
{
    const QRect s = MarkerSheet::kAdministrationSprite;
    paintShape(sheet, s, disc(19, 19, 18.4), kWhite, true);
    paintShape(sheet, s, disc(19, 19, 14.5), kDarkBlue, false);
    paintShape(sheet, s, box(11, 8, 12, 31), kWhite, false);            // pole
    paintShape(sheet, s, box(13, 9, 28, 13), kWhite, true);             // white stripe
    paintShape(sheet, s, box(13, 13, 28, 17), kFlagBlue, false);        // blue stripe
    paintShape(sheet, s, box(13, 17, 28, 21), kRed, false);             // red stripe
    paintShape(sheet, s, box(13, 21, 28, 21), kBlack, false);
    paintShape(sheet, s, box(28, 9, 28, 21), kBlack, false);
}

// Sprite B: the ordinary map pin, a red drop with a white dot, its tip at the
// bottom middle of the sprite.
void drawLandmark(QImage& sheet)
{
    const QRect s = MarkerSheet::kLandmarkSprite;
    const double cx = 19.5;
    const double cy = 14;
    const Shape head = disc(cx, cy, 13.2);
    const Shape pin = [=](int x, int y) {
        if (head(x, y))
            return true;
        // The cone from the head down to the tip at row 37.
        if (y < cy || y > 37)
            return false;
        const double half = 10.5 * (37 - y) / (37 - cy);
        return std::abs(x - cx) <= half;
    };
    paintShape(sheet, s, pin, kRed, true);
    // A darker right side gives the drop some body without soft edges.
    paintShape(sheet, s, [=](int x, int y) { return pin(x, y) && pin(x + 1, y) && pin(x + 2, y) && pin(x, y + 1) &&
                                                    pin(x, y - 1) && x > cx + 6 && std::hypot(x - cx, y - cy) > 8; },
               kDarkRed, false);
    paintShape(sheet, s, disc(cx, cy, 5.6), kWhite, true);
}

// Sprite C: the hospital's sign, a white board with a red cross on a post.
void drawHospital(QImage& sheet)
{
    const QRect s = MarkerSheet::kHospitalSprite;
    paintShape(sheet, s, box(18, 29, 21, 43), kGrey, true);            // post
    const Shape board = [](int x, int y) {
        if (x < 1 || x > 38 || y < 1 || y > 31)
            return false;
        // Cut the corners for a rounded look.
        const int dx = x < 4 ? 4 - x : (x > 35 ? x - 35 : 0);
        const int dy = y < 4 ? 4 - y : (y > 28 ? y - 28 : 0);
        return dx * dx + dy * dy <= 10;
    };
    paintShape(sheet, s, board, kWhite, true);
    paintShape(sheet, s, box(16, 6, 23, 26), kRed, false);
    paintShape(sheet, s, box(9, 12, 30, 19), kRed, false);
}

} // namespace

namespace MarkerSheet {

QImage draw()
{
    QImage sheet(kWidth, kHeight, QImage::Format_RGB32);
    sheet.fill(kKeyColour);
    drawAdministration(sheet);
    drawLandmark(sheet);
    drawHospital(sheet);
    return sheet;
}

} // namespace MarkerSheet
