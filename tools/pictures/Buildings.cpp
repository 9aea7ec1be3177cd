#include "Buildings.h"

#include "SceneKit.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

void drawWindow(QPainter& p, const QRectF& r, const BuildingStyle& style, bool arched)
{
    p.setPen(Qt::NoPen);
    p.setBrush(style.trim);
    QPainterPath frame;
    QPainterPath glassPath;
    if (arched) {
        frame.addRoundedRect(r.adjusted(-2, -2, 2, 2), r.width() / 2 + 2, r.width() / 2 + 2);
        glassPath.addRoundedRect(r, r.width() / 2, r.width() / 2);
    } else {
        frame.addRect(r.adjusted(-2, -2, 2, 2));
        glassPath.addRect(r);
    }
    p.drawPath(frame);
    QLinearGradient glass(r.topLeft(), r.bottomRight());
    glass.setColorAt(0, style.glass.lighter(150));
    glass.setColorAt(0.45, style.glass);
    glass.setColorAt(1, style.glass.darker(150));
    p.setBrush(glass);
    p.drawPath(glassPath);
    // Mullions.
    p.setBrush(style.trim);
    const qreal bar = qMax<qreal>(1, r.width() * 0.08);
    p.drawRect(QRectF(r.center().x() - bar / 2, r.top(), bar, r.height()));
    p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.35, r.width(), bar));
    // Sill.
    p.setBrush(style.trim.darker(115));
    p.drawRect(QRectF(r.left() - 3, r.bottom() + 2, r.width() + 6, qMax<qreal>(2, bar * 1.4)));
}

void drawDoor(QPainter& p, const QRectF& r, const BuildingStyle& style)
{
    p.setPen(Qt::NoPen);
    p.setBrush(style.trim);
    p.drawRect(r.adjusted(-3, -3, 3, 0));
    p.setBrush(style.door);
    p.drawRect(r);
    p.setBrush(style.glass.lighter(110));
    const qreal half = r.width() / 2;
    p.drawRect(QRectF(r.left() + half * 0.2, r.top() + r.height() * 0.1, half * 0.65, r.height() * 0.5));
    p.drawRect(QRectF(r.left() + half * 1.15, r.top() + r.height() * 0.1, half * 0.65, r.height() * 0.5));
    p.setBrush(style.door.darker(140));
    p.drawRect(QRectF(r.center().x() - 0.75, r.top(), 1.5, r.height()));
    // Steps.
    p.setBrush(QColor(170, 165, 160));
    p.drawRect(QRectF(r.left() - r.width() * 0.25, r.bottom(), r.width() * 1.5, r.height() * 0.06));
    p.setBrush(QColor(150, 145, 140));
    p.drawRect(QRectF(r.left() - r.width() * 0.35, r.bottom() + r.height() * 0.06, r.width() * 1.7, r.height() * 0.06));
}

void drawBrickLines(QPainter& p, const QRectF& wall, const QColor& colour)
{
    p.setPen(QPen(colour.darker(118), 1));
    const qreal course = qMax<qreal>(4, wall.height() / 40);
    int row = 0;
    for (qreal y = wall.top() + course; y < wall.bottom(); y += course, ++row) {
        p.drawLine(QPointF(wall.left(), y), QPointF(wall.right(), y));
        for (qreal x = wall.left() + (row % 2) * course; x < wall.right(); x += course * 2)
            p.drawLine(QPointF(x, y - course), QPointF(x, y));
    }
    p.setPen(Qt::NoPen);
}

void drawColumns(QPainter& p, const QRectF& front, const BuildingStyle& style, qreal floorHeight)
{
    const qreal porticoW = front.width() * 0.42;
    const qreal left = front.center().x() - porticoW / 2;
    const qreal top = front.top() + floorHeight * 0.15;
    const int count = 6;
    const qreal colW = porticoW / (count * 2 - 1);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QRectF col(left + i * colW * 2, top + colW * 0.6, colW, front.bottom() - top - colW * 0.6);
        QLinearGradient shade(col.topLeft(), col.topRight());
        shade.setColorAt(0, style.trim);
        shade.setColorAt(1, style.trim.darker(125));
        p.setBrush(shade);
        p.drawRect(col);
        p.setBrush(style.trim.darker(110));
        p.drawRect(QRectF(col.left() - colW * 0.2, col.top() - colW * 0.3, colW * 1.4, colW * 0.3));
    }
    // Entablature and pediment over the columns.
    p.setBrush(style.trim);
    p.drawRect(QRectF(left - colW * 0.4, top, porticoW + colW * 0.8, colW * 0.6));
    QPolygonF pediment;
    pediment << QPointF(left - colW * 0.6, top) << QPointF(left + porticoW + colW * 0.6, top)
             << QPointF(front.center().x(), top - porticoW * 0.2);
    p.setBrush(style.trim.darker(105));
    p.drawPolygon(pediment);
    p.setPen(QPen(style.trim.darker(135), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(pediment);
    p.setPen(Qt::NoPen);
}

} // namespace

QRectF drawBuilding(QPainter& p, const QRectF& front, const BuildingStyle& style, SceneRandom& random)
{
    const qreal floorH = front.height() / style.floors;
    p.setPen(Qt::NoPen);

    // Side wall in perspective, to the right of the front.
    if (style.sideDepth > 0) {
        QPolygonF side;
        const qreal rise = style.sideDepth * 0.45;
        side << front.topRight() << QPointF(front.right() + style.sideDepth, front.top() - rise)
             << QPointF(front.right() + style.sideDepth, front.bottom() - rise * 0.3) << front.bottomRight();
        p.setBrush(style.wall.darker(130));
        p.drawPolygon(side);
        if (style.roofKind == RoofKind::Flat || style.roofKind == RoofKind::Pediment) {
            QPolygonF top;
            top << QPointF(front.left(), front.top()) << QPointF(front.left() + style.sideDepth, front.top() - rise)
                << QPointF(front.right() + style.sideDepth, front.top() - rise) << front.topRight();
            p.setBrush(style.roof);
            p.drawPolygon(top);
        }
    }

    // Front wall with a plinth and a cornice.
    QLinearGradient wallShade(front.topLeft(), front.bottomLeft());
    wallShade.setColorAt(0, style.wall.lighter(106));
    wallShade.setColorAt(1, style.wall.darker(106));
    p.setBrush(wallShade);
    p.drawRect(front);
    if (style.brick)
        drawBrickLines(p, front, style.wall);
    p.setBrush(style.wall.darker(145));
    p.drawRect(QRectF(front.left() - 2, front.bottom() - floorH * 0.1, front.width() + 4, floorH * 0.1));
    p.setBrush(style.trim);
    p.drawRect(QRectF(front.left() - 4, front.top() - floorH * 0.08, front.width() + 8, floorH * 0.1));

    // Roof.
    QRectF roofTop(front.left(), front.top() - floorH * 0.08, front.width(), 0);
    if (style.roofKind == RoofKind::Gable || style.roofKind == RoofKind::Hip) {
        const qreal rise = front.width() * (style.roofKind == RoofKind::Gable ? 0.22 : 0.14);
        QPolygonF roof;
        const qreal overhang = front.width() * 0.04;
        if (style.roofKind == RoofKind::Gable) {
            roof << QPointF(front.left() - overhang, front.top()) << QPointF(front.right() + overhang, front.top())
                 << QPointF(front.center().x(), front.top() - rise);
        } else {
            roof << QPointF(front.left() - overhang, front.top()) << QPointF(front.right() + overhang, front.top())
                 << QPointF(front.right() - front.width() * 0.2, front.top() - rise)
                 << QPointF(front.left() + front.width() * 0.2, front.top() - rise);
        }
        QLinearGradient roofShade(0, front.top() - rise, 0, front.top());
        roofShade.setColorAt(0, style.roof.lighter(115));
        roofShade.setColorAt(1, style.roof.darker(115));
        p.setBrush(roofShade);
        p.drawPolygon(roof);
        roofTop = QRectF(front.left() + front.width() * 0.2, front.top() - rise, front.width() * 0.6, 0);
    } else if (style.roofKind == RoofKind::Pediment) {
        QPolygonF attic;
        attic << QPointF(front.left() + front.width() * 0.3, front.top() - floorH * 0.08)
              << QPointF(front.right() - front.width() * 0.3, front.top() - floorH * 0.08)
              << QPointF(front.right() - front.width() * 0.3, front.top() - floorH * 0.4)
              << QPointF(front.left() + front.width() * 0.3, front.top() - floorH * 0.4);
        p.setBrush(style.wall.lighter(104));
        p.drawPolygon(attic);
        p.setBrush(style.trim);
        p.drawRect(QRectF(front.left() + front.width() * 0.3 - 3, front.top() - floorH * 0.46, front.width() * 0.4 + 6,
                          floorH * 0.07));
        roofTop = QRectF(front.left() + front.width() * 0.3, front.top() - floorH * 0.46, front.width() * 0.4, 0);
    }

    // Windows, floor by floor; the middle bay of the ground floor is the door.
    const qreal bayW = front.width() / style.bays;
    const int doorBay = style.bays / 2;
    for (int floor = 0; floor < style.floors; ++floor) {
        const qreal floorTop = front.bottom() - (floor + 1) * floorH;
        for (int bay = 0; bay < style.bays; ++bay) {
            if (floor == 0 && bay == doorBay)
                continue;
            QRectF r;
            if ((floor == 0 && style.shopWindows) || style.ribbonWindows) {
                r = QRectF(front.left() + bay * bayW + bayW * 0.1, floorTop + floorH * 0.3, bayW * 0.8, floorH * 0.55);
            } else {
                r = QRectF(front.left() + bay * bayW + bayW * 0.28, floorTop + floorH * 0.28, bayW * 0.44, floorH * 0.5);
            }
            drawWindow(p, r, style, style.archedWindows && !(floor == 0 && style.shopWindows));
            // Some windows have a curtain or a lamp lit inside.
            if (random.chance(0.18)) {
                p.setBrush(QColor(240, 230, 200, 150));
                p.drawRect(QRectF(r.left() + 1, r.top() + r.height() * 0.4, r.width() * 0.35, r.height() * 0.58));
            }
        }
    }
    const QRectF doorRect(front.left() + doorBay * bayW + bayW * 0.18, front.bottom() - floorH * 0.72, bayW * 0.64,
                          floorH * 0.62);
    if (style.columns)
        drawColumns(p, front, style, floorH);
    drawDoor(p, doorRect, style);

    if (!style.sign.isEmpty()) {
        const qreal signW = qMin(front.width() * 0.92, qMax(bayW * 2.8, style.sign.size() * floorH * 0.2));
        const qreal signH = qMin(floorH * 0.3, signW * 0.25);
        QRectF board(front.center().x() - signW / 2, front.bottom() - floorH - signH * 0.35, signW, signH);
        if (style.floors == 1)
            board.moveTop(front.top() + floorH * 0.04);
        if (style.columns)
            board.moveTop(doorRect.top() - signH * 1.25);
        SceneKit::signBoard(p, board, style.sign, style.signBack, style.signInk, style.serifSign);
    }
    return roofTop;
}

void drawHouse(QPainter& p, const QRectF& front, const QColor& wall, const QColor& roof, SceneRandom& random)
{
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(front);
    QPolygonF gable;
    gable << QPointF(front.left() - front.width() * 0.06, front.top())
          << QPointF(front.right() + front.width() * 0.06, front.top())
          << QPointF(front.center().x(), front.top() - front.height() * 0.65);
    p.setBrush(roof);
    p.drawPolygon(gable);
    const int windows = front.width() > front.height() * 1.4 ? 3 : 2;
    for (int i = 0; i < windows; ++i) {
        const qreal w = front.width() / (windows * 2 + 1);
        const QRectF r(front.left() + w * (i * 2 + 1), front.top() + front.height() * 0.28, w, front.height() * 0.42);
        p.setBrush(QColor(250, 250, 250));
        p.drawRect(r.adjusted(-1.5, -1.5, 1.5, 1.5));
        p.setBrush(random.chance(0.3) ? QColor(230, 210, 150) : QColor(90, 120, 150));
        p.drawRect(r);
        p.setBrush(QColor(60, 110, 160));
        p.drawRect(QRectF(r.left() - w * 0.25, r.top(), w * 0.22, r.height()));
        p.drawRect(QRectF(r.right() + w * 0.03, r.top(), w * 0.22, r.height()));
    }
}

void drawCross(QPainter& p, const QPointF& centre, qreal size, const QColor& colour, bool onWhite)
{
    p.setPen(Qt::NoPen);
    if (onWhite) {
        p.setBrush(QColor(250, 250, 250));
        p.drawEllipse(centre, size * 0.75, size * 0.75);
    }
    p.setBrush(colour);
    const qreal arm = size * 0.32;
    p.drawRect(QRectF(centre.x() - arm / 2, centre.y() - size / 2, arm, size));
    p.drawRect(QRectF(centre.x() - size / 2, centre.y() - arm / 2, size, arm));
}
