#include "map/RotatedText.h"

#include "map/MapBitmap.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QtMath>
#include <QTransform>

#include <cmath>

namespace {

const QString kFaceResource = QStringLiteral(":/fonts/LiberationSerif-Regular.ttf");
// The height of a label's whole character cell, in pixels.
constexpr qreal kCellPixels = 14.0;
// The em the Times New Roman cell of 14 pixels has, should the face's own
// metrics be unreadable.
constexpr qreal kFallbackEm = 12.64;
// A pixel is the glyph's when the outline covers two fifths of it. The
// thinnest strokes of the face are narrower than a pixel at this size and
// fall across two: a rule of half a pixel would break them up, as a one-bit
// rasterizer does without its dropout control.
constexpr int kGlyphCover = 102;

// The em, in pixels, at which the face's cell (its ascent plus its descent, as
// its design gives them, internal leading included) is 14 pixels. The cell of
// Liberation Serif is 2268 of its 2048 design units, so the em is about 12.64
// pixels: a whole-pixel size would give a cell of 13.3 or of 14.4 pixels.
qreal cellSizedEm(const QByteArray& face)
{
    const QRawFont probe(face, 100, QFont::PreferNoHinting);
    if (!probe.isValid() || probe.unitsPerEm() <= 0)
        return kFallbackEm;
    // At one pixel a design unit the metrics are the design's, unrounded.
    const QRawFont design(face, probe.unitsPerEm(), QFont::PreferNoHinting);
    const qreal cellPerEm = (design.ascent() + design.descent()) / design.pixelSize();
    return cellPerEm > 0 ? kCellPixels / cellPerEm : kFallbackEm;
}

// The outline with its curves made into short lines once, at the size it is
// drawn at, rather than again for every label that uses the glyph.
QPainterPath flattened(const QPainterPath& outline)
{
    QPainterPath lines;
    lines.setFillRule(outline.fillRule());
    for (const QPolygonF& contour : outline.toSubpathPolygons())
        lines.addPolygon(contour);
    return lines;
}

// The outline of the text in the label face, laid out along the x axis from
// the top-left corner of its first character cell (the baseline is the
// ascent below it), with the face's own advances and no kerning. Outlines are
// filled rather than glyphs drawn as text, because a font of Qt's own always
// has a whole number of pixels to its em.
QPainterPath textOutline(const QRawFont& face, const QString& text, qreal* advance)
{
    // The labels use a few dozen glyphs: each outline is read from the face once.
    static QHash<quint32, QPainterPath> outlines;
    const QList<quint32> glyphs = face.glyphIndexesForString(text);
    const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs);
    QPainterPath outline;
    qreal pen = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        auto known = outlines.constFind(glyphs[i]);
        if (known == outlines.constEnd())
            known = outlines.insert(glyphs[i], flattened(face.pathForGlyph(glyphs[i])));
        if (!known->isEmpty())
            outline.addPath(known->translated(pen, face.ascent()));
        pen += advances.value(i).x();
    }
    *advance = pen;
    return outline;
}

} // namespace

QRawFont labelFace()
{
    // Made once from the embedded file, so that every machine draws the same
    // pixels. Hinted across the baseline only: full hinting would round the em
    // to a whole pixel.
    static const QRawFont face = [] {
        QFile file(kFaceResource);
        const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return QRawFont(data, cellSizedEm(data), QFont::PreferVerticalHinting);
    }();
    return face;
}

TextMask rasterizeRotatedText(int x, int y, int angle, const QString& text)
{
    static const QRawFont face = labelFace();
    qreal advance = 0;
    const QPainterPath outline = textOutline(face, text, &advance);

    QTransform rotation;
    rotation.rotate(-angle);
    // The rotated cell, with a margin for glyph parts that reach outside it.
    const QRect cell(-2, -2, qCeil(advance) + 4, qCeil(kCellPixels) + 4);
    const QRect box = rotation.mapRect(cell);

    TextMask mask;
    mask.left = x + box.left();
    mask.top = y + box.top();
    mask.width = box.width();
    mask.height = box.height();

    // The rotated outline's cover of every pixel, then one bit a pixel.
    QImage canvas(mask.width, mask.height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(-box.left(), -box.top());
        painter.rotate(-angle);
        painter.fillPath(outline, Qt::black);
    }
    mask.bits.resize(std::size_t(mask.width) * mask.height);
    for (int row = 0; row < mask.height; ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(row));
        for (int col = 0; col < mask.width; ++col)
            mask.bits[std::size_t(row) * mask.width + col] = qAlpha(line[col]) >= kGlyphCover;
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
