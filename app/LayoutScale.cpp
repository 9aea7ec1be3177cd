#include "app/LayoutScale.h"

#include <cstdint>

ScreenCase screenCaseFor(const QSize& primaryScreen)
{
    if (primaryScreen == QSize(800, 600))
        return ScreenCase::Small800x600;
    if (primaryScreen == QSize(1024, 768))
        return ScreenCase::Standard1024x768;
    return ScreenCase::Other;
}

LayoutScale layoutScaleFor(const QSize& primaryScreen)
{
    LayoutScale scale;
    scale.screen = screenCaseFor(primaryScreen);
    if (scale.screen == ScreenCase::Small800x600) {
        scale.multiplier = 77;
        scale.overviewScale = QPoint(26, 26);
    }
    return scale;
}

int mulDiv(int value, int m, int d)
{
    const std::int64_t product = std::int64_t(value) * m;
    const std::int64_t half = d / 2;
    const std::int64_t rounded = product >= 0 ? (product + half) / d : -((-product + half) / d);
    return int(rounded);
}

QRect scaledRect(const QRect& designed, const LayoutScale& scale)
{
    const int m = scale.multiplier;
    const int d = scale.divisor;
    const int left = mulDiv(designed.x(), m, d);
    const int top = mulDiv(designed.y(), m, d);
    const int right = mulDiv(designed.x() + designed.width(), m, d);
    const int bottom = mulDiv(designed.y() + designed.height(), m, d);
    return QRect(left, top, right - left, bottom - top);
}
