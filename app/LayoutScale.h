#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The three cases of screen the layout and the overview plan distinguish.
enum class ScreenCase { Small800x600, Standard1024x768, Other };

ScreenCase screenCaseFor(const QSize& primaryScreen);

// The main window is designed for 1024 x 768 and scaled once at start-up:
// to 77/100 on a screen of exactly 800 x 600 pixels, otherwise not at all.
struct LayoutScale {
    int multiplier = 100;
    int divisor = 100;
    // Map pixels per pixel of the overview plan, in x and in y.
    QPoint overviewScale{20, 19};
    ScreenCase screen = ScreenCase::Other;

    bool isIdentity() const { return multiplier == divisor; }
};

LayoutScale layoutScaleFor(const QSize& primaryScreen);

// value * m / d rounded half away from zero, as the window system's MulDiv.
int mulDiv(int value, int m, int d);

// A control's rectangle under the scale: its left and top are scaled, and its
// right and bottom edges too, so that neighbouring controls stay flush.
QRect scaledRect(const QRect& designed, const LayoutScale& scale);
