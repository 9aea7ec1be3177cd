#include "LandmarkCanvas.h"

LandmarkCanvas::LandmarkCanvas(int width, int height, std::uint64_t seed)
    : random(seed), w(width), h(height), m_image(width, height, QImage::Format_RGB32)
{
    m_image.fill(Qt::white);
    m_painter = std::make_unique<QPainter>(&m_image);
    m_painter->setRenderHint(QPainter::Antialiasing, true);
    m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    look = pickLook(random);
}

QImage LandmarkCanvas::finish()
{
    m_painter->end();
    return m_image;
}

void LandmarkCanvas::backdrop(qreal horizonFraction, qreal groundFraction, bool withStreet)
{
    horizon = h * horizonFraction;
    groundLine = h * groundFraction;
    m_street = withStreet;
    SceneKit::sky(p(), QRectF(0, 0, w, horizon + 1), look, random);
    SceneKit::distantTrees(p(), horizon, w, look, random);
    SceneKit::ground(p(), QRectF(0, horizon, w, h - horizon), look);
    if (withStreet) {
        const qreal roadTop = groundLine + (h - groundLine) * 0.35;
        SceneKit::street(p(), groundLine, roadTop, h, w);
    }
}

void LandmarkCanvas::neighbours(const QRectF& keepClear)
{
    const qreal houseH = (groundLine - horizon) * random.real(0.6, 0.9) + h * 0.05;
    // Left side.
    qreal x = keepClear.left() - random.real(0.02, 0.06) * w;
    while (x > -w * 0.1) {
        const qreal houseW = houseH * random.real(1.2, 1.8);
        if (random.chance(0.55))
            drawHouse(p(), QRectF(x - houseW, groundLine - houseH, houseW, houseH), facadeColour(),
                      random.vary(QColor(120, 70, 55), 30), random);
        else
            SceneKit::tree(p(), QPointF(x - houseW / 2, groundLine), houseH * 1.9, look, random);
        x -= houseW + random.real(0.02, 0.05) * w;
    }
    x = keepClear.right() + random.real(0.02, 0.06) * w;
    while (x < w * 1.1) {
        const qreal houseW = houseH * random.real(1.2, 1.8);
        if (random.chance(0.55))
            drawHouse(p(), QRectF(x, groundLine - houseH, houseW, houseH), facadeColour(),
                      random.vary(QColor(90, 100, 110), 30), random);
        else
            SceneKit::tree(p(), QPointF(x + houseW / 2, groundLine), houseH * 1.9, look, random);
        x += houseW + random.real(0.02, 0.05) * w;
    }
}

void LandmarkCanvas::foreground(const QRectF& building, bool withCar)
{
    const qreal treeH = building.height() * random.real(0.7, 1.0) + h * 0.08;
    const qreal base = groundLine + (h - groundLine) * 0.12;
    if (random.chance(0.75))
        SceneKit::tree(p(), QPointF(building.left() - random.real(0.02, 0.07) * w, base), treeH, look, random);
    if (random.chance(0.75))
        SceneKit::tree(p(), QPointF(building.right() + random.real(0.02, 0.07) * w, base), treeH * 0.9, look, random);
    const bool lampLeft = random.chance(0.5);
    SceneKit::lamp(p(), QPointF(lampLeft ? w * random.real(0.08, 0.2) : w * random.real(0.8, 0.92), base + 2),
                   h * random.real(0.28, 0.36), lampLeft);
    if (random.chance(0.6))
        SceneKit::person(p(), QPointF(w * random.real(0.25, 0.75), base + (h - groundLine) * 0.1), h * 0.085,
                         random.vary(QColor(120, 60, 60), 60));
    if (withCar && m_street) {
        const QColor colours[] = {QColor(200, 30, 30), QColor(240, 240, 235), QColor(40, 80, 150), QColor(40, 110, 60),
                                  QColor(30, 30, 35)};
        const qreal roadTop = groundLine + (h - groundLine) * 0.35;
        SceneKit::car(p(), QPointF(w * random.real(0.15, 0.85), roadTop + (h - roadTop) * 0.45), w * 0.17,
                      colours[random.range(0, 4)], random.chance(0.5));
    }
}

QColor LandmarkCanvas::facadeColour()
{
    const QColor facades[] = {QColor(240, 228, 190), QColor(245, 215, 160), QColor(230, 200, 190), QColor(205, 215, 225),
                              QColor(240, 240, 235), QColor(225, 190, 130), QColor(210, 225, 195), QColor(190, 120, 95)};
    return random.vary(facades[random.range(0, 7)], 8);
}

QRectF placeFront(LandmarkCanvas& c, qreal widthFraction, qreal heightFraction)
{
    const qreal fw = c.w * widthFraction;
    const qreal fh = c.h * heightFraction;
    const qreal shift = c.random.real(-0.08, 0.06) * c.w;
    return QRectF(c.w / 2 - fw / 2 + shift, c.groundLine - fh, fw, fh);
}
