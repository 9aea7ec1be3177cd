#include "SceneKit.h"

#include "PictureFonts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

SceneLook pickLook(SceneRandom& random)
{
    SceneLook look;
    switch (random.range(0, 5)) {
    case 0: // clear summer day
    case 1:
        look.skyTop = QColor(40, 110, 200);
        look.skyHorizon = QColor(170, 210, 240);
        look.grass = QColor(80, 150, 50);
        look.grassFar = QColor(120, 165, 80);
        look.foliage = QColor(60, 135, 45);
        look.foliageDark = QColor(35, 90, 30);
        look.clouds = random.range(1, 4);
        break;
    case 2: // hazy noon in the steppe
        look.skyTop = QColor(90, 150, 215);
        look.skyHorizon = QColor(225, 232, 235);
        look.grass = QColor(130, 160, 60);
        look.grassFar = QColor(170, 180, 110);
        look.foliage = QColor(85, 140, 50);
        look.foliageDark = QColor(55, 95, 35);
        look.clouds = random.range(0, 2);
        break;
    case 3: // early autumn
        look.skyTop = QColor(60, 120, 190);
        look.skyHorizon = QColor(200, 215, 230);
        look.grass = QColor(120, 145, 60);
        look.grassFar = QColor(160, 160, 95);
        look.foliage = QColor(200, 150, 40);
        look.foliageDark = QColor(150, 95, 30);
        look.clouds = random.range(2, 5);
        break;
    case 4: // warm evening
        look.skyTop = QColor(70, 100, 170);
        look.skyHorizon = QColor(250, 200, 140);
        look.grass = QColor(95, 130, 50);
        look.grassFar = QColor(140, 140, 80);
        look.foliage = QColor(70, 115, 45);
        look.foliageDark = QColor(40, 70, 30);
        look.clouds = random.range(1, 3);
        break;
    default: // grey day
        look.skyTop = QColor(130, 145, 165);
        look.skyHorizon = QColor(205, 210, 215);
        look.grass = QColor(90, 130, 60);
        look.grassFar = QColor(130, 150, 100);
        look.foliage = QColor(70, 120, 55);
        look.foliageDark = QColor(45, 80, 40);
        look.sun = false;
        look.clouds = random.range(4, 7);
        break;
    }
    if (look.sun)
        look.sun = random.chance(0.7);
    return look;
}

namespace SceneKit {

void sky(QPainter& p, const QRectF& area, const SceneLook& look, SceneRandom& random)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, look.skyTop);
    gradient.setColorAt(1, look.skyHorizon);
    p.fillRect(area, gradient);

    if (look.sun) {
        const QPointF centre(area.left() + area.width() * random.real(0.1, 0.9),
                             area.top() + area.height() * random.real(0.12, 0.35));
        const qreal radius = area.width() * 0.035 + 6;
        QRadialGradient glow(centre, radius * 4);
        glow.setColorAt(0, QColor(255, 255, 230, 200));
        glow.setColorAt(1, QColor(255, 255, 230, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, radius * 4, radius * 4);
        p.setBrush(QColor(255, 252, 225));
        p.drawEllipse(centre, radius, radius);
    }

    for (int i = 0; i < look.clouds; ++i) {
        const qreal width = area.width() * random.real(0.12, 0.28);
        const qreal x = area.left() + random.real(-0.1, 0.95) * area.width();
        const qreal y = area.top() + random.real(0.08, 0.6) * area.height();
        const int tone = look.sun ? 255 : 232;
        p.setPen(Qt::NoPen);
        const int puffs = random.range(4, 7);
        for (int k = 0; k < puffs; ++k) {
            const qreal r = width * random.real(0.12, 0.22);
            const QPointF c(x + width * k / puffs, y - r * random.real(0.1, 0.6));
            p.setBrush(QColor(tone - 30, tone - 25, tone - 15, 200));
            p.drawEllipse(c + QPointF(0, r * 0.25), r, r * 0.7);
            p.setBrush(QColor(tone, tone, tone, 225));
            p.drawEllipse(c, r, r * 0.7);
        }
    }
}

void distantTrees(QPainter& p, qreal horizon, qreal width, const SceneLook& look, SceneRandom& random)
{
    QPainterPath path;
    path.moveTo(0, horizon + 2);
    qreal x = 0;
    while (x < width + 20) {
        const qreal r = random.real(6, 16) * width / 640.0 + 3;
        path.arcTo(QRectF(x, horizon - r * random.real(1.0, 1.8), r * 2, r * 2.4), 180, -180);
        x += r * 1.6;
    }
    path.lineTo(width + 20, horizon + 2);
    path.closeSubpath();
    QColor far = look.foliageDark;
    far = QColor((far.red() + look.skyHorizon.red()) / 2, (far.green() + look.skyHorizon.green()) / 2,
                 (far.blue() + look.skyHorizon.blue()) / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(far);
    p.drawPath(path);
}

void ground(QPainter& p, const QRectF& area, const SceneLook& look)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, look.grassFar);
    gradient.setColorAt(1, look.grass);
    p.fillRect(area, gradient);
}

void street(QPainter& p, qreal footwayTop, qreal roadTop, qreal bottom, qreal width)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(178, 172, 160));
    p.drawRect(QRectF(0, footwayTop, width, roadTop - footwayTop));
    // Paving joints on the footway.
    p.setPen(QPen(QColor(150, 145, 135), 1));
    for (qreal x = 0; x < width; x += 24)
        p.drawLine(QPointF(x, footwayTop), QPointF(x - 6, roadTop));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 118));
    p.drawRect(QRectF(0, roadTop, width, 3));
    QLinearGradient asphalt(0, roadTop + 3, 0, bottom);
    asphalt.setColorAt(0, QColor(95, 95, 98));
    asphalt.setColorAt(1, QColor(60, 60, 64));
    p.setBrush(asphalt);
    p.drawRect(QRectF(0, roadTop + 3, width, bottom - roadTop - 3));
    const qreal middle = (roadTop + bottom) / 2 + 2;
    p.setBrush(QColor(225, 225, 215));
    for (qreal x = 10; x < width; x += 60)
        p.drawRect(QRectF(x, middle, 32, qMax<qreal>(2, (bottom - roadTop) / 18)));
}

void tree(QPainter& p, QPointF base, qreal height, const SceneLook& look, SceneRandom& random)
{
    const qreal trunkW = height * 0.07;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(95, 70, 45));
    p.drawRect(QRectF(base.x() - trunkW / 2, base.y() - height * 0.45, trunkW, height * 0.45));
    const qreal crownR = height * 0.3;
    const QPointF centre(base.x(), base.y() - height + crownR);
    for (int i = 0; i < 7; ++i) {
        const QPointF c = centre + QPointF(random.real(-0.5, 0.5) * crownR, random.real(-0.3, 0.45) * crownR);
        const qreal r = crownR * random.real(0.55, 0.75);
        p.setBrush(look.foliageDark);
        p.drawEllipse(c + QPointF(r * 0.12, r * 0.15), r, r);
    }
    for (int i = 0; i < 7; ++i) {
        const QPointF c = centre + QPointF(random.real(-0.5, 0.4) * crownR, random.real(-0.45, 0.3) * crownR);
        const qreal r = crownR * random.real(0.45, 0.65);
        QRadialGradient shade(c - QPointF(r * 0.3, r * 0.4), r * 1.2);
        shade.setColorAt(0, look.foliage.lighter(125));
        shade.setColorAt(1, look.foliage);
        p.setBrush(shade);
        p.drawEllipse(c, r, r);
    }
}

void poplar(QPainter& p, QPointF base, qreal height, const SceneLook& look)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(100, 80, 60));
    p.drawRect(QRectF(base.x() - height * 0.02, base.y() - height * 0.2, height * 0.04, height * 0.2));
    QLinearGradient shade(base.x() - height * 0.1, 0, base.x() + height * 0.1, 0);
    shade.setColorAt(0, look.foliage.lighter(115));
    shade.setColorAt(1, look.foliageDark);
    p.setBrush(shade);
    p.drawEllipse(QRectF(base.x() - height * 0.1, base.y() - height, height * 0.2, height * 0.88));
}

void fir(QPainter& p, QPointF base, qreal height, const SceneLook& look)
{
    Q_UNUSED(look);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 65, 40));
    p.drawRect(QRectF(base.x() - height * 0.03, base.y() - height * 0.12, height * 0.06, height * 0.12));
    const QColor needles(30, 85, 45);
    for (int tier = 0; tier < 4; ++tier) {
        const qreal bottom = base.y() - height * (0.08 + tier * 0.2);
        const qreal half = height * (0.3 - tier * 0.06);
        QPolygonF shape;
        shape << QPointF(base.x() - half, bottom) << QPointF(base.x() + half, bottom)
              << QPointF(base.x(), bottom - height * 0.38);
        p.setBrush(tier % 2 ? needles : needles.darker(115));
        p.drawPolygon(shape);
    }
}

void bush(QPainter& p, QPointF base, qreal width, const SceneLook& look, SceneRandom& random)
{
    p.setPen(Qt::NoPen);
    const int puffs = random.range(3, 5);
    for (int i = 0; i < puffs; ++i) {
        const qreal r = width * random.real(0.22, 0.3);
        const qreal x = base.x() - width / 2 + width * (i + 0.5) / puffs;
        p.setBrush(i % 2 ? look.foliage : look.foliageDark);
        p.drawEllipse(QPointF(x, base.y() - r * 0.8), r, r * 0.85);
    }
}

void lamp(QPainter& p, QPointF base, qreal height, bool facingRight)
{
    const qreal w = qMax<qreal>(2, height * 0.035);
    const qreal dir = facingRight ? 1 : -1;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 50, 55));
    p.drawRect(QRectF(base.x() - w, base.y() - height * 0.08, w * 2, height * 0.08));
    p.drawRect(QRectF(base.x() - w / 2, base.y() - height, w, height));
    QPainterPath arm;
    arm.moveTo(base.x(), base.y() - height);
    arm.quadTo(base.x(), base.y() - height * 1.05, base.x() + dir * height * 0.2, base.y() - height * 1.02);
    p.setPen(QPen(QColor(45, 50, 55), w));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arm);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    const QPointF head(base.x() + dir * height * 0.2, base.y() - height * 1.02);
    p.drawRect(QRectF(head.x() - height * 0.06, head.y() - w, height * 0.12, w * 1.6));
    p.setBrush(QColor(255, 245, 200));
    p.drawRect(QRectF(head.x() - height * 0.05, head.y() + w * 0.6, height * 0.1, w * 0.8));
}

void bench(QPainter& p, QPointF base, qreal width)
{
    const qreal h = width * 0.35;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(base.x() - width * 0.42, base.y() - h * 0.5, width * 0.06, h * 0.5));
    p.drawRect(QRectF(base.x() + width * 0.36, base.y() - h * 0.5, width * 0.06, h * 0.5));
    p.setBrush(QColor(150, 95, 45));
    p.drawRect(QRectF(base.x() - width / 2, base.y() - h * 0.58, width, h * 0.12));
    p.drawRect(QRectF(base.x() - width / 2, base.y() - h, width, h * 0.12));
    p.drawRect(QRectF(base.x() - width / 2, base.y() - h * 0.8, width, h * 0.12));
}

void fence(QPainter& p, qreal x0, qreal x1, qreal baseY, qreal height, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(120));
    p.drawRect(QRectF(x0, baseY - height * 0.75, x1 - x0, height * 0.08));
    p.drawRect(QRectF(x0, baseY - height * 0.3, x1 - x0, height * 0.08));
    p.setBrush(colour);
    const qreal step = qMax<qreal>(4, height * 0.35);
    for (qreal x = x0; x < x1; x += step) {
        QPolygonF picket;
        picket << QPointF(x, baseY) << QPointF(x, baseY - height * 0.9) << QPointF(x + step * 0.3, baseY - height)
               << QPointF(x + step * 0.6, baseY - height * 0.9) << QPointF(x + step * 0.6, baseY);
        p.drawPolygon(picket);
    }
}

void flowerBed(QPainter& p, const QRectF& bed, SceneRandom& random)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 80, 55));
    p.drawEllipse(bed);
    p.setBrush(QColor(70, 120, 45));
    p.drawEllipse(bed.adjusted(bed.width() * 0.05, 0, -bed.width() * 0.05, -bed.height() * 0.3));
    const QColor flowers[] = {QColor(230, 50, 60), QColor(250, 210, 40), QColor(240, 240, 240), QColor(200, 80, 190)};
    const int count = int(bed.width() / 3);
    for (int i = 0; i < count; ++i) {
        const QPointF c(bed.left() + bed.width() * random.real(0.1, 0.9), bed.top() + bed.height() * random.real(0.05, 0.6));
        p.setBrush(flowers[random.range(0, 3)]);
        const qreal r = qMax<qreal>(1.2, bed.height() * 0.08);
        p.drawEllipse(c, r, r);
    }
}

void car(QPainter& p, QPointF base, qreal length, const QColor& body, bool facingRight)
{
    p.save();
    p.translate(base);
    if (!facingRight)
        p.scale(-1, 1);
    const qreal h = length * 0.3;
    p.setPen(Qt::NoPen);
    QPainterPath shape;
    shape.moveTo(-length / 2, -h * 0.25);
    shape.lineTo(-length / 2, -h * 0.65);
    shape.lineTo(-length * 0.28, -h * 0.7);
    shape.lineTo(-length * 0.18, -h);
    shape.lineTo(length * 0.18, -h);
    shape.lineTo(length * 0.3, -h * 0.68);
    shape.lineTo(length / 2, -h * 0.6);
    shape.lineTo(length / 2, -h * 0.25);
    shape.closeSubpath();
    p.setBrush(body);
    p.drawPath(shape);
    p.setBrush(QColor(170, 200, 220));
    QPolygonF glass;
    glass << QPointF(-length * 0.25, -h * 0.7) << QPointF(-length * 0.16, -h * 0.93) << QPointF(length * 0.16, -h * 0.93)
          << QPointF(length * 0.26, -h * 0.7);
    p.drawPolygon(glass);
    p.setBrush(body.darker(130));
    p.drawRect(QRectF(-length * 0.02, -h * 0.95, length * 0.03, h * 0.26));
    p.setBrush(QColor(25, 25, 25));
    p.drawEllipse(QPointF(-length * 0.3, -h * 0.2), h * 0.22, h * 0.22);
    p.drawEllipse(QPointF(length * 0.3, -h * 0.2), h * 0.22, h * 0.22);
    p.setBrush(QColor(160, 160, 160));
    p.drawEllipse(QPointF(-length * 0.3, -h * 0.2), h * 0.1, h * 0.1);
    p.drawEllipse(QPointF(length * 0.3, -h * 0.2), h * 0.1, h * 0.1);
    p.setBrush(QColor(255, 240, 180));
    p.drawRect(QRectF(length * 0.46, -h * 0.55, length * 0.04, h * 0.1));
    p.restore();
}

void person(QPainter& p, QPointF base, qreal height, const QColor& coat)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 50, 60));
    p.drawRect(QRectF(base.x() - height * 0.08, base.y() - height * 0.45, height * 0.07, height * 0.45));
    p.drawRect(QRectF(base.x() + height * 0.01, base.y() - height * 0.45, height * 0.07, height * 0.45));
    p.setBrush(coat);
    p.drawRoundedRect(QRectF(base.x() - height * 0.12, base.y() - height * 0.82, height * 0.24, height * 0.42), 3, 3);
    p.setBrush(QColor(225, 185, 150));
    p.drawEllipse(QPointF(base.x(), base.y() - height * 0.9), height * 0.08, height * 0.09);
}

void flag(QPainter& p, QPointF base, qreal height)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 205));
    p.drawRect(QRectF(base.x() - 1.5, base.y() - height, 3, height));
    const qreal w = height * 0.45;
    const qreal stripe = height * 0.1;
    const QColor colours[] = {QColor(250, 250, 250), QColor(0, 57, 166), QColor(213, 43, 30)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(base.x() + 1.5, base.y() - height + i * stripe, w, stripe));
    }
}

void fittedText(QPainter& p, const QRectF& area, const QString& text, const QColor& ink, bool serif, bool bold)
{
    qreal size = area.height() * 0.72;
    QFont font = serif ? PictureFonts::serif(size, bold) : PictureFonts::sans(size, bold);
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    if (width > area.width() * 0.92) {
        size = size * area.width() * 0.92 / width;
        font = serif ? PictureFonts::serif(size, bold) : PictureFonts::sans(size, bold);
    }
    p.setFont(font);
    p.setPen(ink);
    p.drawText(area, Qt::AlignCenter, text);
}

void signBoard(QPainter& p, const QRectF& board, const QString& text, const QColor& back, const QColor& ink, bool serif)
{
    p.setPen(QPen(back.darker(150), qMax<qreal>(1, board.height() * 0.06)));
    p.setBrush(back);
    p.drawRect(board);
    fittedText(p, board, text, ink, serif);
}

} // namespace SceneKit
