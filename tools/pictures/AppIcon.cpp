#include "AppIcon.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QSvgGenerator>

namespace {

// The drawing is made on a 256 x 256 grid and scaled to the size asked for.
constexpr qreal kGrid = 256;
const QRectF kSheet(16, 16, 224, 224);
constexpr qreal kCorner = 40;

QPainterPath sheetOutline()
{
    QPainterPath sheet;
    sheet.addRoundedRect(kSheet, kCorner, kCorner);
    return sheet;
}

QPainterPath stroked(const QPainterPath& line, qreal width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

// Fills the part of the shape that lies on the sheet; the shapes are cut
// rather than clipped so that the scalable form holds the same geometry.
void fillOnSheet(QPainter& p, const QPainterPath& shape, const QBrush& brush)
{
    p.fillPath(shape.intersected(sheetOutline()), brush);
}

QPainterPath line(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

QPointF markerCentre(QPointF point, qreal radius)
{
    return {point.x(), point.y() - radius * 2.1};
}

// The landmark marker: a drop standing on its point.
QPainterPath marker(QPointF point, qreal radius)
{
    QPainterPath drop;
    const QPointF centre = markerCentre(point, radius);
    drop.moveTo(point);
    drop.cubicTo(point.x() - radius * 0.35, centre.y() + radius * 0.9, centre.x() - radius, centre.y() + radius * 0.6,
                 centre.x() - radius, centre.y());
    drop.arcTo(QRectF(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2), 180, -180);
    drop.cubicTo(centre.x() + radius, centre.y() + radius * 0.6, point.x() + radius * 0.35, centre.y() + radius * 0.9,
                 point.x(), point.y());
    drop.closeSubpath();
    return drop;
}

} // namespace

namespace AppIcon {

void paint(QPainter& p, int size)
{
    const bool detailed = size >= 32;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);

    const QPainterPath sheet = sheetOutline();
    QLinearGradient paper(0, kSheet.top(), 0, kSheet.bottom());
    paper.setColorAt(0, QColor(248, 243, 222));
    paper.setColorAt(1, QColor(226, 216, 176));
    p.fillPath(sheet, paper);

    // The park in the lower left corner and the river across the right side.
    QPainterPath park(QPointF(0, 164));
    park.cubicTo(QPointF(48, 150), QPointF(84, 176), QPointF(112, 256));
    park.lineTo(0, 256);
    park.closeSubpath();
    fillOnSheet(p, park, QColor(150, 196, 104));
    QPainterPath river(QPointF(176, 0));
    river.cubicTo(QPointF(150, 70), QPointF(222, 104), QPointF(196, 156));
    river.cubicTo(QPointF(178, 196), QPointF(206, 228), QPointF(256, 240));
    fillOnSheet(p, stroked(river, detailed ? 24 : 34), QColor(78, 142, 208));

    // The streets, white in a darker edging, and the one found in red.
    const QPainterPath streets[] = {
        line({0, 92}, {256, 74}), line({76, 0}, {92, 256}), line({140, 0}, {152, 256}),
        line({0, 206}, {256, 196}),
    };
    const QPainterPath found = line({0, 150}, {256, 134});
    if (detailed) {
        for (const QPainterPath& street : streets)
            fillOnSheet(p, stroked(street, 17), QColor(168, 158, 124));
        for (const QPainterPath& street : streets)
            fillOnSheet(p, stroked(street, 10), Qt::white);
        fillOnSheet(p, stroked(found, 18), QColor(140, 0, 0));
        fillOnSheet(p, stroked(found, 12), QColor(255, 0, 0));
    } else {
        for (const QPainterPath& street : {streets[1], streets[2]})
            fillOnSheet(p, stroked(street, 20), Qt::white);
        fillOnSheet(p, stroked(found, 28), QColor(255, 0, 0));
    }

    // The edge of the sheet.
    p.strokePath(sheet, QPen(QColor(120, 104, 58), detailed ? 6 : 12));

    // A landmark marker standing on the street found; larger, and wholly on
    // the sheet, where the icon is small.
    const QPointF point(116, detailed ? 128 : 144);
    const qreal radius = detailed ? 30 : 34;
    const QPainterPath pin = marker(point, radius);
    p.fillPath(stroked(pin, detailed ? 10 : 16), Qt::white);
    p.fillPath(pin, QColor(36, 86, 166));
    if (detailed) {
        QPainterPath dot;
        dot.addEllipse(markerCentre(point, radius), 11, 11);
        p.fillPath(dot, Qt::white);
    }
    p.restore();
}

QImage draw(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paint(p, size);
    return image;
}

QByteArray drawSvg()
{
    const int size = int(kGrid);
    QBuffer out;
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    // CSS pixels: the document is as many pixels wide as its grid.
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Тальвинск Навигатор"));
    svg.setDescription(QStringLiteral("Значок программы: план города"));
    QPainter p(&svg);
    paint(p, size);
    p.end();
    return out.data();
}

} // namespace AppIcon
