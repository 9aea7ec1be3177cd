#include "RulerPicture.h"

namespace {

constexpr int Step = 38;
constexpr int Thickness = 23;
constexpr Rgb Ground{236, 233, 216};
constexpr Rgb Ink{0, 0, 0};

// The rulers begin a few pixels before the map area (the horizontal one 5, the
// vertical one 3), so that their marks stand over the map's own pixels.
constexpr int HorizontalLead = 5;
constexpr int VerticalLead = 3;

// A 5 x 7 digit font, one string of five columns per row.
constexpr const char* Digits[10][7] = {
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},
};
constexpr int DigitWidth = 5;
constexpr int DigitHeight = 7;
constexpr int DigitGap = 1;

int numberWidth(int n)
{
    const int digits = n >= 10 ? 2 : 1;
    return digits * DigitWidth + (digits - 1) * DigitGap;
}

void drawNumber(RgbPicture& picture, int n, int left, int top)
{
    const int digits[2] = {n / 10, n % 10};
    const int first = n >= 10 ? 0 : 1;
    for (int d = first; d < 2; ++d) {
        for (int row = 0; row < DigitHeight; ++row)
            for (int col = 0; col < DigitWidth; ++col)
                if (Digits[digits[d]][row][col] == '#')
                    picture.at(left + col, top + row) = Ink;
        left += DigitWidth + DigitGap;
    }
}

// The edge line and the ticks of one ruler; `place` maps (position along the
// ruler, depth from the map edge) to picture coordinates.
template<typename Place>
void drawScale(RgbPicture& picture, int length, int lead, Place place)
{
    for (int along = 0; along < length; ++along) {
        const auto [x, y] = place(along, 0);
        picture.at(x, y) = Ink;
    }
    for (int span = 0; lead + span * Step < length; ++span) {
        const int start = lead + span * Step;
        for (int depth = 1; depth <= 10; ++depth) {
            const auto [x, y] = place(start, depth);
            picture.at(x, y) = Ink;
        }
        for (int quarter : {start + 9, start + 28}) {
            if (quarter >= length)
                continue;
            for (int depth = 1; depth <= 5; ++depth) {
                const auto [x, y] = place(quarter, depth);
                picture.at(x, y) = Ink;
            }
        }
    }
}

}  // namespace

RgbPicture paintHorizontalRuler()
{
    constexpr int Length = 821;
    constexpr int Count = 21;
    RgbPicture picture(Length, Thickness, Ground);
    // The map edge is the bottom row.
    drawScale(picture, Length, HorizontalLead, [](int along, int depth) {
        return std::pair{along, Thickness - 1 - depth};
    });
    for (int n = 1; n <= Count; ++n) {
        const int centre = HorizontalLead + (n - 1) * Step + Step / 2;
        drawNumber(picture, n, centre - numberWidth(n) / 2, 4);
    }
    return picture;
}

RgbPicture paintVerticalRuler()
{
    constexpr int Length = 568;
    constexpr int Count = 14;
    RgbPicture picture(Thickness, Length, Ground);
    // The map edge is the rightmost column.
    drawScale(picture, Length, VerticalLead, [](int along, int depth) {
        return std::pair{Thickness - 1 - depth, along};
    });
    for (int n = 1; n <= Count; ++n) {
        const int centre = VerticalLead + (n - 1) * Step + Step / 2;
        drawNumber(picture, n, 2, centre - DigitHeight / 2);
    }
    return picture;
}
