#include "Structures.h"

#include "Buildings.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace {

QLinearGradient roundShade(const QRectF& r, const QColor& colour)
{
    QLinearGradient shade(r.topLeft(), r.topRight());
    shade.setColorAt(0, colour.darker(115));
    shade.setColorAt(0.35, colour.lighter(118));
    shade.setColorAt(1, colour.darker(150));
    return shade;
}

void onionDome(QPainter& p, QPointF neckTop, qreal width, const QColor& colour)
{
    QPainterPath dome;
    const qreal h = width * 1.25;
    dome.moveTo(neckTop.x() - width * 0.32, neckTop.y());
    dome.cubicTo(neckTop.x() - width * 0.75, neckTop.y() - h * 0.45, neckTop.x() - width * 0.1, neckTop.y() - h * 0.7,
                 neckTop.x(), neckTop.y() - h);
    dome.cubicTo(neckTop.x() + width * 0.1, neckTop.y() - h * 0.7, neckTop.x() + width * 0.75, neckTop.y() - h * 0.45,
                 neckTop.x() + width * 0.32, neckTop.y());
    dome.closeSubpath();
    p.setBrush(roundShade(QRectF(neckTop.x() - width / 2, 0, width, 1), colour));
    p.drawPath(dome);
    // Orthodox cross above the dome.
    const QColor gold(235, 195, 70);
    p.setBrush(gold);
    const qreal ch = width * 0.7;
    const QPointF top(neckTop.x(), neckTop.y() - h);
    const qreal bar = qMax<qreal>(1.2, width * 0.05);
    p.drawRect(QRectF(top.x() - bar / 2, top.y() - ch, bar, ch));
    p.drawRect(QRectF(top.x() - ch * 0.3, top.y() - ch * 0.7, ch * 0.6, bar));
    p.drawRect(QRectF(top.x() - ch * 0.15, top.y() - ch * 0.88, ch * 0.3, bar));
    QPolygonF slant;
    slant << QPointF(top.x() - ch * 0.2, top.y() - ch * 0.22) << QPointF(top.x() + ch * 0.2, top.y() - ch * 0.38)
          << QPointF(top.x() + ch * 0.2, top.y() - ch * 0.38 + bar) << QPointF(top.x() - ch * 0.2, top.y() - ch * 0.22 + bar);
    p.drawPolygon(slant);
}

void drumWithDome(QPainter& p, QPointF base, qreal width, qreal drumH, const QColor& wall, const QColor& domes)
{
    const QRectF drum(base.x() - width / 2, base.y() - drumH, width, drumH);
    p.setBrush(roundShade(drum, wall));
    p.drawRect(drum);
    p.setBrush(QColor(60, 70, 90));
    for (int i = -1; i <= 1; ++i)
        p.drawRoundedRect(QRectF(base.x() + i * width * 0.3 - width * 0.07, drum.top() + drumH * 0.25, width * 0.14,
                                 drumH * 0.5), width * 0.07, width * 0.07);
    onionDome(p, QPointF(base.x(), drum.top()), width * 1.1, domes);
}

} // namespace

namespace Structures {

void church(QPainter& p, QPointF base, qreal height, const QColor& wall, const QColor& domes)
{
    p.setPen(Qt::NoPen);
    const qreal bodyW = height * 0.62;
    const qreal bodyH = height * 0.36;
    const QRectF body(base.x() - bodyW / 2, base.y() - bodyH, bodyW, bodyH);
    // Bell tower on the left, the main body with its five domes on the right.
    const qreal towerW = height * 0.16;
    const QRectF tower(body.left() - towerW * 0.7, base.y() - height * 0.62, towerW, height * 0.62);
    p.setBrush(roundShade(tower, wall));
    p.drawRect(tower);
    p.setBrush(QColor(50, 55, 70));
    p.drawRoundedRect(QRectF(tower.center().x() - towerW * 0.22, tower.top() + towerW * 0.3, towerW * 0.44, towerW * 0.7),
                      towerW * 0.2, towerW * 0.2);
    p.setBrush(QColor(215, 175, 60));
    p.drawEllipse(QPointF(tower.center().x(), tower.top() + towerW * 0.8), towerW * 0.12, towerW * 0.12);
    QPolygonF spire;
    spire << tower.topLeft() << tower.topRight() << QPointF(tower.center().x(), tower.top() - towerW * 1.2);
    p.setBrush(domes.darker(110));
    p.drawPolygon(spire);
    onionDome(p, QPointF(tower.center().x(), tower.top() - towerW * 1.1), towerW * 0.5, domes);

    p.setBrush(roundShade(body, wall));
    p.drawRect(body);
    p.setBrush(wall.lighter(108));
    QPolygonF gable;
    gable << QPointF(body.left(), body.top()) << QPointF(body.right(), body.top())
          << QPointF(body.center().x(), body.top() - bodyH * 0.25);
    p.drawPolygon(gable);
    // Arched windows and the door.
    p.setBrush(QColor(55, 65, 85));
    for (int i = 0; i < 4; ++i) {
        const qreal x = body.left() + bodyW * (0.12 + i * 0.24);
        if (i == 1 || i == 2)
            continue;
        p.drawRoundedRect(QRectF(x, body.top() + bodyH * 0.25, bodyW * 0.08, bodyH * 0.4), bodyW * 0.04, bodyW * 0.04);
    }
    p.setBrush(QColor(120, 70, 40));
    p.drawRoundedRect(QRectF(body.center().x() - bodyW * 0.1, body.top() + bodyH * 0.35, bodyW * 0.2, bodyH * 0.65),
                      bodyW * 0.1, bodyW * 0.1);
    p.setBrush(QColor(230, 190, 80));
    p.drawEllipse(QPointF(body.center().x(), body.top() + bodyH * 0.02), bodyW * 0.06, bodyW * 0.06);
    // Four small domes round the central one.
    const qreal smallW = bodyW * 0.13;
    drumWithDome(p, QPointF(body.left() + bodyW * 0.18, body.top() - bodyH * 0.02), smallW, bodyH * 0.3, wall, domes);
    drumWithDome(p, QPointF(body.right() - bodyW * 0.18, body.top() - bodyH * 0.02), smallW, bodyH * 0.3, wall, domes);
    drumWithDome(p, QPointF(body.center().x(), body.top() - bodyH * 0.2), bodyW * 0.22, bodyH * 0.45, wall, domes);
}

void elevator(QPainter& p, QPointF base, qreal height)
{
    p.setPen(Qt::NoPen);
    const QColor concrete(205, 200, 188);
    const qreal siloW = height * 0.12;
    const qreal siloH = height * 0.62;
    const int count = 5;
    const qreal rowLeft = base.x() - count * siloW / 2 + siloW * 0.8;
    // The working tower stands to the left of the row of silos.
    const QRectF tower(rowLeft - siloW * 1.7, base.y() - height, siloW * 1.7, height);
    for (int i = 0; i < count; ++i) {
        const QRectF silo(rowLeft + i * siloW, base.y() - siloH, siloW, siloH);
        p.setBrush(roundShade(silo, concrete));
        p.drawRect(silo);
    }
    p.setBrush(concrete.darker(108));
    p.drawRect(QRectF(rowLeft, base.y() - siloH - siloW * 0.5, count * siloW, siloW * 0.5));
    p.setBrush(QColor(70, 75, 85));
    for (int i = 0; i < count * 2; ++i)
        p.drawRect(QRectF(rowLeft + i * siloW / 2 + siloW * 0.12, base.y() - siloH - siloW * 0.38, siloW * 0.22, siloW * 0.18));

    QLinearGradient shade(tower.topLeft(), tower.topRight());
    shade.setColorAt(0, concrete.lighter(108));
    shade.setColorAt(1, concrete.darker(125));
    p.setBrush(shade);
    p.drawRect(tower);
    p.setBrush(concrete.darker(140));
    p.drawRect(QRectF(tower.left() - 2, tower.top() - siloW * 0.2, tower.width() + 4, siloW * 0.2));
    p.setBrush(QColor(60, 70, 85));
    for (qreal y = tower.top() + siloW * 0.4; y < tower.bottom() - siloW; y += siloW * 0.7) {
        p.drawRect(QRectF(tower.left() + tower.width() * 0.2, y, tower.width() * 0.22, siloW * 0.3));
        p.drawRect(QRectF(tower.left() + tower.width() * 0.58, y, tower.width() * 0.22, siloW * 0.3));
    }
    // The gallery and the loading chute toward the railway.
    p.setBrush(QColor(150, 145, 135));
    p.drawRect(QRectF(tower.left() - siloW * 1.5, tower.top() + height * 0.25, siloW * 1.5, siloW * 0.3));
    p.setPen(QPen(QColor(110, 105, 100), qMax<qreal>(1, siloW * 0.06)));
    p.drawLine(QPointF(tower.left() - siloW * 1.4, tower.top() + height * 0.25 + siloW * 0.3),
               QPointF(tower.left() - siloW * 1.4, base.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 40, 35));
    SceneKit::fittedText(p, QRectF(tower.left(), tower.top() + siloW * 0.1, tower.width(), siloW * 0.3),
                         QStringLiteral("1968"), QColor(90, 85, 80), false);
}

void silos(QPainter& p, QPointF base, int count, qreal radius, qreal height)
{
    p.setPen(Qt::NoPen);
    const QColor steel(200, 205, 210);
    for (int i = 0; i < count; ++i) {
        const QRectF body(base.x() + (i - count / 2.0) * radius * 2.2, base.y() - height, radius * 2, height);
        QLinearGradient shade(body.topLeft(), body.topRight());
        shade.setColorAt(0, steel.darker(110));
        shade.setColorAt(0.3, steel.lighter(115));
        shade.setColorAt(1, steel.darker(160));
        p.setBrush(shade);
        p.drawRect(body);
        p.setPen(QPen(steel.darker(135), 1));
        for (qreal y = body.top() + height / 8; y < body.bottom(); y += height / 8)
            p.drawLine(QPointF(body.left(), y), QPointF(body.right(), y));
        p.setPen(Qt::NoPen);
        QPolygonF cone;
        cone << body.topLeft() << body.topRight() << QPointF(body.center().x(), body.top() - radius * 0.6);
        p.setBrush(shade);
        p.drawPolygon(cone);
    }
}

void sunflowerField(QPainter& p, const QRectF& area, SceneRandom& random)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 110, 40));
    p.drawRect(area);
    // Rows recede toward the top: flowers are small far away and large in front.
    for (int row = 0; row < 14; ++row) {
        const qreal t = row / 13.0;
        const qreal y = area.top() + area.height() * t * t;
        const qreal size = 2 + 14 * t * area.height() / 200.0;
        for (qreal x = area.left() - random.real(0, size * 2); x < area.right() + size; x += size * 2.1) {
            const QPointF c(x + random.real(-size * 0.4, size * 0.4), y + random.real(-size * 0.5, size * 0.5));
            const qreal own = size * random.real(0.85, 1.15);
            p.setBrush(QColor(60, 100, 35));
            p.drawRect(QRectF(c.x() - size * 0.06, c.y(), size * 0.12, size * 2));
            p.drawEllipse(QPointF(c.x() + size * 0.35, c.y() + size * 1.1), size * 0.35, size * 0.18);
            p.setBrush(random.chance(0.5) ? QColor(250, 200, 20) : QColor(245, 180, 15));
            p.drawEllipse(c, own * 0.75, own * 0.65);
            p.setBrush(QColor(110, 70, 25));
            p.drawEllipse(c + QPointF(0, own * 0.05), own * 0.32, own * 0.28);
        }
    }
}

void wheatField(QPainter& p, const QRectF& area, SceneRandom& random)
{
    QLinearGradient gold(area.topLeft(), area.bottomLeft());
    gold.setColorAt(0, QColor(225, 195, 110));
    gold.setColorAt(1, QColor(205, 160, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawRect(area);
    p.setPen(QPen(QColor(180, 135, 50), 1));
    for (int i = 0; i < int(area.width() / 3); ++i) {
        const qreal x = area.left() + random.real(0, area.width());
        const qreal y = area.top() + random.real(0.1, 1.0) * area.height();
        p.drawLine(QPointF(x, y), QPointF(x + 1, y - 3 - 6 * (y - area.top()) / area.height()));
    }
    p.setPen(Qt::NoPen);
}

void obelisk(QPainter& p, QPointF base, qreal height, bool star)
{
    p.setPen(Qt::NoPen);
    const QColor stone(195, 190, 180);
    p.setBrush(stone.darker(125));
    p.drawRect(QRectF(base.x() - height * 0.2, base.y() - height * 0.06, height * 0.4, height * 0.06));
    p.setBrush(stone.darker(110));
    p.drawRect(QRectF(base.x() - height * 0.13, base.y() - height * 0.16, height * 0.26, height * 0.1));
    QPolygonF shaft;
    shaft << QPointF(base.x() - height * 0.07, base.y() - height * 0.16) << QPointF(base.x() + height * 0.07, base.y() - height * 0.16)
          << QPointF(base.x() + height * 0.035, base.y() - height * 0.9) << QPointF(base.x(), base.y() - height * 0.95)
          << QPointF(base.x() - height * 0.035, base.y() - height * 0.9);
    QLinearGradient shade(base.x() - height * 0.07, 0, base.x() + height * 0.07, 0);
    shade.setColorAt(0, stone.lighter(112));
    shade.setColorAt(0.5, stone);
    shade.setColorAt(0.51, stone.darker(120));
    shade.setColorAt(1, stone.darker(135));
    p.setBrush(shade);
    p.drawPolygon(shaft);
    if (star) {
        QPolygonF shape;
        const QPointF c(base.x(), base.y() - height * 1.0);
        for (int i = 0; i < 10; ++i) {
            const qreal r = (i % 2 ? 0.4 : 1.0) * height * 0.05;
            const qreal a = -M_PI / 2 + i * M_PI / 5;
            shape << c + QPointF(std::cos(a) * r, std::sin(a) * r);
        }
        p.setBrush(QColor(210, 30, 30));
        p.drawPolygon(shape);
    }
    p.setBrush(QColor(200, 165, 70));
    p.drawRect(QRectF(base.x() - height * 0.05, base.y() - height * 0.14, height * 0.1, height * 0.05));
}

void statue(QPainter& p, QPointF base, qreal height)
{
    p.setPen(Qt::NoPen);
    const QColor granite(120, 110, 105);
    p.setBrush(granite.darker(115));
    p.drawRect(QRectF(base.x() - height * 0.22, base.y() - height * 0.08, height * 0.44, height * 0.08));
    p.setBrush(granite);
    const QRectF pedestal(base.x() - height * 0.14, base.y() - height * 0.42, height * 0.28, height * 0.34);
    p.drawRect(pedestal);
    p.setBrush(QColor(200, 170, 90));
    p.drawRect(QRectF(pedestal.left() + pedestal.width() * 0.15, pedestal.top() + pedestal.height() * 0.3,
                      pedestal.width() * 0.7, pedestal.height() * 0.2));
    // A standing figure in a greatcoat, cast in dark bronze.
    const QColor bronze(75, 85, 70);
    const qreal top = pedestal.top();
    const qreal fh = height * 0.58;
    QPainterPath figure;
    figure.moveTo(base.x() - fh * 0.16, top);
    figure.lineTo(base.x() - fh * 0.12, top - fh * 0.55);
    figure.lineTo(base.x() - fh * 0.2, top - fh * 0.75);
    figure.lineTo(base.x() - fh * 0.09, top - fh * 0.82);
    figure.lineTo(base.x() + fh * 0.09, top - fh * 0.82);
    figure.lineTo(base.x() + fh * 0.16, top - fh * 0.7);
    figure.lineTo(base.x() + fh * 0.14, top - fh * 0.5);
    figure.lineTo(base.x() + fh * 0.16, top);
    figure.closeSubpath();
    QLinearGradient shade(base.x() - fh * 0.2, 0, base.x() + fh * 0.2, 0);
    shade.setColorAt(0, bronze.lighter(140));
    shade.setColorAt(1, bronze.darker(130));
    p.setBrush(shade);
    p.drawPath(figure);
    p.drawEllipse(QPointF(base.x(), top - fh * 0.9), fh * 0.075, fh * 0.085);
    // A raised arm holding a wreath.
    QPolygonF arm;
    arm << QPointF(base.x() + fh * 0.07, top - fh * 0.8) << QPointF(base.x() + fh * 0.3, top - fh * 1.02)
        << QPointF(base.x() + fh * 0.34, top - fh * 0.98) << QPointF(base.x() + fh * 0.14, top - fh * 0.7);
    p.drawPolygon(arm);
    p.setPen(QPen(QColor(60, 90, 50), fh * 0.035));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(base.x() + fh * 0.34, top - fh * 1.08), fh * 0.08, fh * 0.08);
    p.setPen(Qt::NoPen);
}

void bust(QPainter& p, QPointF base, qreal height)
{
    p.setPen(Qt::NoPen);
    const QColor stone(170, 165, 160);
    p.setBrush(stone.darker(120));
    p.drawRect(QRectF(base.x() - height * 0.25, base.y() - height * 0.07, height * 0.5, height * 0.07));
    QLinearGradient shade(base.x() - height * 0.12, 0, base.x() + height * 0.12, 0);
    shade.setColorAt(0, stone.lighter(110));
    shade.setColorAt(1, stone.darker(130));
    p.setBrush(shade);
    p.drawRect(QRectF(base.x() - height * 0.12, base.y() - height * 0.6, height * 0.24, height * 0.53));
    p.setBrush(QColor(190, 160, 80));
    p.drawRect(QRectF(base.x() - height * 0.08, base.y() - height * 0.4, height * 0.16, height * 0.1));
    const QColor bronze(110, 90, 60);
    p.setBrush(bronze);
    QPainterPath shoulders;
    shoulders.moveTo(base.x() - height * 0.16, base.y() - height * 0.6);
    shoulders.quadTo(base.x() - height * 0.15, base.y() - height * 0.76, base.x(), base.y() - height * 0.77);
    shoulders.quadTo(base.x() + height * 0.15, base.y() - height * 0.76, base.x() + height * 0.16, base.y() - height * 0.6);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.drawRect(QRectF(base.x() - height * 0.035, base.y() - height * 0.82, height * 0.07, height * 0.08));
    QRadialGradient head(QPointF(base.x() - height * 0.03, base.y() - height * 0.9), height * 0.1);
    head.setColorAt(0, bronze.lighter(150));
    head.setColorAt(1, bronze.darker(110));
    p.setBrush(head);
    p.drawEllipse(QPointF(base.x(), base.y() - height * 0.88), height * 0.075, height * 0.095);
}

void foundingStele(QPainter& p, QPointF base, qreal height, const QString& name, const QString& year)
{
    p.setPen(Qt::NoPen);
    const QColor stone(185, 175, 160);
    p.setBrush(stone.darker(130));
    p.drawRect(QRectF(base.x() - height * 0.45, base.y() - height * 0.05, height * 0.9, height * 0.05));
    p.setBrush(stone.darker(115));
    p.drawRect(QRectF(base.x() - height * 0.38, base.y() - height * 0.1, height * 0.76, height * 0.05));
    const QRectF slab(base.x() - height * 0.28, base.y() - height * 0.9, height * 0.56, height * 0.8);
    QLinearGradient shade(slab.topLeft(), slab.topRight());
    shade.setColorAt(0, stone.lighter(112));
    shade.setColorAt(1, stone.darker(115));
    p.setBrush(shade);
    QPainterPath shape;
    shape.moveTo(slab.bottomLeft());
    shape.lineTo(slab.left(), slab.top() + slab.width() * 0.3);
    shape.quadTo(slab.center().x(), slab.top() - slab.width() * 0.15, slab.right(), slab.top() + slab.width() * 0.3);
    shape.lineTo(slab.bottomRight());
    shape.closeSubpath();
    p.drawPath(shape);
    // A bronze coat of arms: a sheaf of wheat on a shield.
    const QPointF arms(slab.center().x(), slab.top() + slab.height() * 0.28);
    QPainterPath shield;
    const qreal s = slab.width() * 0.2;
    shield.moveTo(arms + QPointF(-s, -s));
    shield.lineTo(arms + QPointF(s, -s));
    shield.lineTo(arms + QPointF(s, s * 0.3));
    shield.quadTo(arms + QPointF(s, s * 1.1), arms + QPointF(0, s * 1.3));
    shield.quadTo(arms + QPointF(-s, s * 1.1), arms + QPointF(-s, s * 0.3));
    shield.closeSubpath();
    p.setBrush(QColor(185, 145, 60));
    p.drawPath(shield);
    p.setPen(QPen(QColor(120, 85, 30), qMax<qreal>(1, s * 0.1)));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(arms + QPointF(0, s * 0.9), arms + QPointF(i * s * 0.25, -s * 0.6));
    p.setPen(Qt::NoPen);
    const QColor letters(95, 75, 40);
    SceneKit::fittedText(p, QRectF(slab.left(), slab.top() + slab.height() * 0.5, slab.width(), slab.height() * 0.14),
                         name, letters, true);
    SceneKit::fittedText(p, QRectF(slab.left(), slab.top() + slab.height() * 0.66, slab.width(), slab.height() * 0.12),
                         year, letters, true);
}

void eternalFlame(QPainter& p, QPointF base, qreal size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 85, 85));
    p.drawRect(QRectF(base.x() - size, base.y() - size * 0.35, size * 2, size * 0.35));
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 ? 0.4 : 1.0) * size * 0.8;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(base.x() + std::cos(a) * r, base.y() - size * 0.35 + std::sin(a) * r * 0.3);
    }
    p.setBrush(QColor(130, 110, 70));
    p.drawPolygon(star);
    QPainterPath flame;
    flame.moveTo(base.x() - size * 0.3, base.y() - size * 0.4);
    flame.quadTo(base.x() - size * 0.4, base.y() - size, base.x(), base.y() - size * 1.4);
    flame.quadTo(base.x() + size * 0.4, base.y() - size, base.x() + size * 0.3, base.y() - size * 0.4);
    flame.closeSubpath();
    p.setBrush(QColor(255, 140, 30));
    p.drawPath(flame);
    p.setBrush(QColor(255, 230, 90));
    p.drawEllipse(QPointF(base.x(), base.y() - size * 0.6), size * 0.14, size * 0.25);
}

void fillingStation(QPainter& p, const QRectF& area, const QColor& brand, const QString& name, SceneRandom& random)
{
    p.setPen(Qt::NoPen);
    // The kiosk at the back.
    const QRectF kiosk(area.left() + area.width() * 0.58, area.bottom() - area.height() * 0.55, area.width() * 0.38,
                       area.height() * 0.55);
    p.setBrush(QColor(235, 235, 230));
    p.drawRect(kiosk);
    p.setBrush(QColor(120, 160, 190));
    p.drawRect(kiosk.adjusted(kiosk.width() * 0.08, kiosk.height() * 0.35, -kiosk.width() * 0.45, -kiosk.height() * 0.05));
    p.drawRect(kiosk.adjusted(kiosk.width() * 0.62, kiosk.height() * 0.35, -kiosk.width() * 0.08, -kiosk.height() * 0.3));
    SceneKit::signBoard(p, QRectF(kiosk.left(), kiosk.top(), kiosk.width(), kiosk.height() * 0.22), name, brand,
                        QColor(255, 255, 255));
    // The canopy on two pillars over the pumps.
    const QRectF canopy(area.left() + area.width() * 0.04, area.top(), area.width() * 0.56, area.height() * 0.17);
    p.setBrush(QColor(210, 210, 210));
    p.drawRect(QRectF(canopy.left() + canopy.width() * 0.15, canopy.bottom(), canopy.width() * 0.04, area.bottom() - canopy.bottom()));
    p.drawRect(QRectF(canopy.right() - canopy.width() * 0.19, canopy.bottom(), canopy.width() * 0.04, area.bottom() - canopy.bottom()));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(canopy);
    p.setBrush(brand);
    p.drawRect(QRectF(canopy.left(), canopy.top() + canopy.height() * 0.55, canopy.width(), canopy.height() * 0.45));
    SceneKit::fittedText(p, QRectF(canopy.left(), canopy.top(), canopy.width(), canopy.height() * 0.55), name, brand, false);
    for (int i = 0; i < 2; ++i) {
        const QRectF pump(canopy.left() + canopy.width() * (0.32 + i * 0.26), area.bottom() - area.height() * 0.3,
                          canopy.width() * 0.1, area.height() * 0.3);
        p.setBrush(brand.darker(110));
        p.drawRect(pump);
        p.setBrush(QColor(240, 240, 240));
        p.drawRect(pump.adjusted(pump.width() * 0.15, pump.height() * 0.12, -pump.width() * 0.15, -pump.height() * 0.6));
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRectF(pump.right(), pump.top() + pump.height() * 0.4, pump.width() * 0.15, pump.height() * 0.25));
    }
    // A price board beside the road.
    const QRectF price(area.left() - area.width() * 0.02, area.bottom() - area.height() * 0.75, area.width() * 0.1,
                       area.height() * 0.4);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(price.center().x() - 2, price.bottom(), 4, area.bottom() - price.bottom()));
    p.setBrush(brand);
    p.drawRect(price);
    p.setBrush(QColor(20, 20, 20));
    for (int i = 0; i < 3; ++i) {
        const QRectF row(price.left() + price.width() * 0.1, price.top() + price.height() * (0.1 + i * 0.3),
                         price.width() * 0.8, price.height() * 0.22);
        p.setBrush(QColor(20, 20, 20));
        p.drawRect(row);
        SceneKit::fittedText(p, row, QString::number(random.range(15, 19)) + QLatin1Char(',') +
                                         QString::number(random.range(10, 99)), QColor(255, 200, 40), false);
    }
}

void sportsHall(QPainter& p, const QRectF& front, const QString& sign)
{
    p.setPen(Qt::NoPen);
    QPainterPath roof;
    roof.moveTo(front.left() - 6, front.top() + front.height() * 0.3);
    roof.quadTo(front.center().x(), front.top() - front.height() * 0.35, front.right() + 6, front.top() + front.height() * 0.3);
    roof.closeSubpath();
    QLinearGradient metal(0, front.top() - front.height() * 0.2, 0, front.top() + front.height() * 0.3);
    metal.setColorAt(0, QColor(200, 215, 225));
    metal.setColorAt(1, QColor(120, 140, 160));
    p.setBrush(metal);
    p.drawPath(roof);
    const QRectF wall(front.left(), front.top() + front.height() * 0.3, front.width(), front.height() * 0.7);
    p.setBrush(QColor(225, 225, 220));
    p.drawRect(wall);
    p.setBrush(QColor(40, 120, 190));
    p.drawRect(QRectF(wall.left(), wall.top(), wall.width(), wall.height() * 0.12));
    p.setBrush(QColor(110, 160, 200));
    for (int i = 0; i < 6; ++i)
        p.drawRect(QRectF(wall.left() + wall.width() * (0.04 + i * 0.16), wall.top() + wall.height() * 0.25,
                          wall.width() * 0.12, wall.height() * 0.45));
    p.setBrush(QColor(90, 90, 95));
    p.drawRect(QRectF(wall.center().x() - wall.width() * 0.07, wall.bottom() - wall.height() * 0.4, wall.width() * 0.14,
                      wall.height() * 0.4));
    SceneKit::signBoard(p, QRectF(wall.center().x() - wall.width() * 0.25, front.top() + front.height() * 0.05,
                                  wall.width() * 0.5, front.height() * 0.18),
                        sign, QColor(200, 40, 40), QColor(255, 255, 255));
}

void chimney(QPainter& p, QPointF base, qreal height, bool smoke)
{
    p.setPen(Qt::NoPen);
    if (smoke) {
        for (int i = 0; i < 5; ++i) {
            const qreal r = height * (0.06 + i * 0.03);
            p.setBrush(QColor(230, 230, 230, 150 - i * 22));
            p.drawEllipse(QPointF(base.x() + height * (0.05 + i * 0.1), base.y() - height - height * (0.06 + i * 0.08)), r, r * 0.7);
        }
    }
    QPolygonF stack;
    stack << QPointF(base.x() - height * 0.06, base.y()) << QPointF(base.x() + height * 0.06, base.y())
          << QPointF(base.x() + height * 0.035, base.y() - height) << QPointF(base.x() - height * 0.035, base.y() - height);
    p.setBrush(QColor(160, 70, 55));
    p.drawPolygon(stack);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(base.x() - height * 0.04, base.y() - height * 0.85, height * 0.08, height * 0.05));
    p.drawRect(QRectF(base.x() - height * 0.04, base.y() - height * 0.7, height * 0.08, height * 0.05));
}

void mast(QPainter& p, QPointF base, qreal height)
{
    p.setPen(QPen(QColor(200, 40, 40), qMax<qreal>(1, height * 0.015)));
    const qreal w = height * 0.06;
    p.drawLine(QPointF(base.x() - w, base.y()), QPointF(base.x(), base.y() - height));
    p.drawLine(QPointF(base.x() + w, base.y()), QPointF(base.x(), base.y() - height));
    p.setPen(QPen(QColor(240, 240, 240), qMax<qreal>(1, height * 0.01)));
    for (int i = 1; i < 8; ++i) {
        const qreal t = i / 8.0;
        const qreal y = base.y() - height * t;
        p.drawLine(QPointF(base.x() - w * (1 - t), y), QPointF(base.x() + w * (1 - t), y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 235));
    p.drawEllipse(QPointF(base.x() + w * 0.6, base.y() - height * 0.6), height * 0.05, height * 0.05);
}

void lake(QPainter& p, const QRectF& area, const SceneLook& look)
{
    QLinearGradient water(area.topLeft(), area.bottomLeft());
    water.setColorAt(0, look.skyHorizon.darker(115));
    water.setColorAt(1, QColor(40, 85, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawRect(area);
    p.setPen(QPen(QColor(230, 240, 250, 120), 1));
    for (int i = 0; i < 12; ++i) {
        const qreal y = area.top() + area.height() * (0.1 + i * 0.075);
        const qreal x = area.left() + area.width() * ((i * 37) % 100) / 100.0;
        p.drawLine(QPointF(x, y), QPointF(x + area.width() * 0.08, y));
    }
    p.setPen(Qt::NoPen);
}

void boat(QPainter& p, QPointF waterline, qreal length, const QColor& hull)
{
    QPainterPath shape;
    shape.moveTo(waterline.x() - length / 2, waterline.y() - length * 0.14);
    shape.lineTo(waterline.x() + length / 2, waterline.y() - length * 0.18);
    shape.quadTo(waterline.x() + length * 0.4, waterline.y() + length * 0.02, waterline.x() + length * 0.25, waterline.y());
    shape.lineTo(waterline.x() - length * 0.4, waterline.y());
    shape.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(hull);
    p.drawPath(shape);
    p.setBrush(QColor(245, 245, 240));
    p.drawRect(QRectF(waterline.x() - length / 2, waterline.y() - length * 0.16, length, length * 0.03));
    p.setBrush(QColor(20, 40, 60, 90));
    p.drawEllipse(QRectF(waterline.x() - length * 0.45, waterline.y(), length * 0.9, length * 0.05));
}

void shed(QPainter& p, const QRectF& front, const QColor& wall, const QString& sign)
{
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(front);
    p.setPen(QPen(wall.darker(125), 1));
    for (qreal x = front.left() + 5; x < front.right(); x += 6)
        p.drawLine(QPointF(x, front.top()), QPointF(x, front.bottom()));
    p.setPen(Qt::NoPen);
    QPolygonF roof;
    roof << QPointF(front.left() - 8, front.top()) << QPointF(front.right() + 8, front.top())
         << QPointF(front.right() - front.width() * 0.1, front.top() - front.height() * 0.3)
         << QPointF(front.left() + front.width() * 0.1, front.top() - front.height() * 0.3);
    p.setBrush(QColor(110, 115, 120));
    p.drawPolygon(roof);
    p.setBrush(wall.darker(160));
    p.drawRect(QRectF(front.left() + front.width() * 0.1, front.bottom() - front.height() * 0.65, front.width() * 0.3,
                      front.height() * 0.65));
    SceneKit::signBoard(p, QRectF(front.left() + front.width() * 0.45, front.top() + front.height() * 0.15,
                                  front.width() * 0.5, front.height() * 0.3),
                        sign, QColor(20, 60, 120), QColor(255, 255, 255));
}

} // namespace Structures
