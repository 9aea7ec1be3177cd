#include "map/RotatedText.h"

#include "map/MapBitmap.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <cmath>

namespace {

// The label face: Liberation Serif, the metric twin of Times New Roman, embedded
// so that every machine draws the same pixels. At 12 pixels its cell (ascent
// plus descent) is 14 pixels high.
const QFont& labelFont()
{
    static const QFont font = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSerif-Regular.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        QFont f(families.isEmpty() ? QStringLiteral("Liberation Serif") : families.first());
        f.setPixelSize(12);
        f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias
                                                | QFont::NoFontMerging));
        f.setHintingPreference(QFont::PreferFullHinting);
        f.setKerning(false);
        return f;
    }();
    return font;
}

} // namespace

TextMask rasterizeRotatedText(int x, int y, int angle, const QString& text)
{
    const QFont& font = labelFont();
    const QFontMetrics metrics(font);
    const int advance = metrics.horizontalAdvance(text);

    QTransform rotation;
    rotation.rotate(-angle);
    // The rotated cell, with a margin for glyph parts that reach outside it.
    const QRect cell(-2, -2, advance + 4, metrics.height() + 4);
    const QRect box = rotation.mapRect(cell);

    TextMask mask;
    mask.left = x + box.left();
    mask.top = y + box.top();
    mask.width = box.width();
    mask.height = box.height();

    QImage canvas(mask.width, mask.height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.translate(-box.left(), -box.top());
        painter.rotate(-angle);
        painter.drawText(QPoint(0, metrics.ascent()), text);
    }
    mask.bits.resize(std::size_t(mask.width) * mask.height);
    for (int row = 0; row < mask.height; ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(row));
        for (int col = 0; col < mask.width; ++col)
            mask.bits[std::size_t(row) * mask.width + col] = qAlpha(line[col]) >= 128;
    }
    return mask;
}

void DrawRotatedText(MapBitmap& map, int x, int y, int angle, const QString& text, std::uint16_t colour)
{
    const std::uint8_t index = map.nearestIndex(qRgb(colour & 0xFF, (colour >> 8) & 0xFF, 0));
    const TextMask mask = rasterizeRotatedText(x, y, angle, text);
    for (int row = 0; row < mask.height; ++row) {
        const int mapY = mask.top + row;
        for (int col = 0; col < mask.width; ++col) {
            const int mapX = mask.left + col;
            if (mask.at(col, row) && map.contains(mapX, mapY))
                map.set(mapX, mapY, index);
        }
    }
}
