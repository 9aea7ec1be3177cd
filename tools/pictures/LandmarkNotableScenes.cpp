#include "LandmarkCanvas.h"
#include "LandmarkScenes.h"
#include "Structures.h"

#include <QLinearGradient>

namespace {

// A paved square with a path leading to the monument at its centre.
void pavedSquare(LandmarkCanvas& c, qreal centreX)
{
    QPainter& p = c.p();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(185, 180, 170));
    QPolygonF square;
    square << QPointF(centreX - c.w * 0.3, c.groundLine) << QPointF(centreX + c.w * 0.3, c.groundLine)
           << QPointF(centreX + c.w * 0.45, c.h) << QPointF(centreX - c.w * 0.45, c.h);
    p.drawPolygon(square);
    p.setPen(QPen(QColor(160, 155, 145), 1));
    for (int i = 1; i < 8; ++i) {
        const qreal t = i / 8.0;
        const qreal y = c.groundLine + (c.h - c.groundLine) * t * t;
        const qreal half = c.w * (0.3 + 0.15 * t * t);
        p.drawLine(QPointF(centreX - half, y), QPointF(centreX + half, y));
    }
    p.setPen(Qt::NoPen);
}

void symmetricalTrees(LandmarkCanvas& c, qreal centreX, qreal height, bool firs)
{
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 2; ++i) {
            const QPointF base(centreX + side * c.w * (0.28 + i * 0.14), c.groundLine + i * c.h * 0.04);
            if (firs)
                SceneKit::fir(c.p(), base, height * (1 + i * 0.15), c.look);
            else
                SceneKit::poplar(c.p(), base, height * (1 + i * 0.15), c.look);
        }
    }
}

} // namespace

void drawFoundingScene(LandmarkCanvas& c)
{
    c.backdrop(0.55, 0.66, false);
    const qreal cx = c.w * c.random.real(0.45, 0.55);
    c.neighbours(QRectF(cx - c.w * 0.3, 0, c.w * 0.6, 1));
    pavedSquare(c, cx);
    for (int side = -1; side <= 1; side += 2)
        SceneKit::tree(c.p(), QPointF(cx + side * c.w * 0.3, c.groundLine + 4), c.h * 0.45, c.look, c.random);
    Structures::foundingStele(c.p(), QPointF(cx, c.groundLine + c.h * 0.08), c.h * 0.5,
                              QStringLiteral("ТАЛЬВИНСК"), QStringLiteral("1794"));
    SceneKit::flowerBed(c.p(), QRectF(cx - c.w * 0.22, c.groundLine + c.h * 0.07, c.w * 0.12, c.h * 0.04), c.random);
    SceneKit::flowerBed(c.p(), QRectF(cx + c.w * 0.1, c.groundLine + c.h * 0.07, c.w * 0.12, c.h * 0.04), c.random);
    SceneKit::bench(c.p(), QPointF(cx - c.w * 0.36, c.h * 0.93), c.w * 0.12);
    SceneKit::lamp(c.p(), QPointF(cx + c.w * 0.38, c.h * 0.95), c.h * 0.35, false);
    SceneKit::person(c.p(), QPointF(cx + c.w * 0.2, c.h * 0.9), c.h * 0.11, QColor(70, 90, 140));
}

void drawMemorialScene(LandmarkCanvas& c)
{
    c.backdrop(0.6, 0.7, false);
    const qreal cx = c.w * 0.5;
    symmetricalTrees(c, cx, c.h * 0.4, true);
    pavedSquare(c, cx);
    Structures::statue(c.p(), QPointF(cx, c.groundLine + c.h * 0.05), c.h * 0.62);
    Structures::eternalFlame(c.p(), QPointF(cx, c.h * 0.9), c.w * 0.06);
    for (int side = -1; side <= 1; side += 2)
        SceneKit::flowerBed(c.p(), QRectF(cx + side * c.w * 0.2 - c.w * 0.08, c.h * 0.8, c.w * 0.16, c.h * 0.035),
                            c.random);
}

void drawObeliskScene(LandmarkCanvas& c)
{
    c.backdrop(0.6, 0.72, false);
    const qreal cx = c.w * c.random.real(0.42, 0.58);
    c.neighbours(QRectF(cx - c.w * 0.2, 0, c.w * 0.4, 1));
    pavedSquare(c, cx);
    symmetricalTrees(c, cx, c.h * 0.42, false);
    Structures::obelisk(c.p(), QPointF(cx, c.groundLine + c.h * 0.06), c.h * 0.66, true);
    SceneKit::flowerBed(c.p(), QRectF(cx - c.w * 0.16, c.groundLine + c.h * 0.075, c.w * 0.32, c.h * 0.03), c.random);
    SceneKit::fence(c.p(), 0, c.w * 0.12, c.h * 0.96, c.h * 0.06, QColor(40, 40, 40));
    SceneKit::fence(c.p(), c.w * 0.88, c.w, c.h * 0.96, c.h * 0.06, QColor(40, 40, 40));
}

void drawBustScene(LandmarkCanvas& c)
{
    c.backdrop(0.58, 0.68, false);
    const qreal cx = c.w * c.random.real(0.4, 0.6);
    for (int i = 0; i < 4; ++i)
        SceneKit::tree(c.p(), QPointF(c.w * (0.05 + i * 0.3), c.groundLine), c.h * c.random.real(0.35, 0.5), c.look,
                       c.random);
    pavedSquare(c, cx);
    Structures::bust(c.p(), QPointF(cx, c.groundLine + c.h * 0.1), c.h * 0.45);
    SceneKit::flowerBed(c.p(), QRectF(cx - c.w * 0.2, c.groundLine + c.h * 0.09, c.w * 0.4, c.h * 0.04), c.random);
    SceneKit::bench(c.p(), QPointF(c.w * 0.15, c.h * 0.94), c.w * 0.18);
    SceneKit::bench(c.p(), QPointF(c.w * 0.85, c.h * 0.94), c.w * 0.18);
    SceneKit::lamp(c.p(), QPointF(c.w * 0.3, c.h * 0.97), c.h * 0.3, false);
}

void drawChurchScene(LandmarkCanvas& c)
{
    c.look.sun = true;
    c.backdrop(0.62, 0.8, false);
    const qreal cx = c.w * 0.55;
    SceneKit::tree(c.p(), QPointF(c.w * 0.08, c.groundLine), c.h * 0.32, c.look, c.random);
    SceneKit::tree(c.p(), QPointF(c.w * 0.95, c.groundLine), c.h * 0.36, c.look, c.random);
    Structures::church(c.p(), QPointF(cx, c.groundLine), c.h * 0.75, QColor(245, 240, 230), QColor(40, 80, 170));
    SceneKit::fence(c.p(), 0, c.w, c.h * 0.88, c.h * 0.05, QColor(240, 240, 240));
    c.p().setBrush(QColor(170, 160, 150));
    c.p().drawRect(QRectF(0, c.h * 0.88, c.w, c.h * 0.12));
    SceneKit::person(c.p(), QPointF(c.w * 0.3, c.h * 0.97), c.h * 0.09, QColor(60, 40, 90));
    SceneKit::person(c.p(), QPointF(c.w * 0.36, c.h * 0.98), c.h * 0.085, QColor(150, 40, 40));
}

void drawElevatorScene(LandmarkCanvas& c)
{
    c.backdrop(0.66, 0.78, false);
    Structures::wheatField(c.p(), QRectF(0, c.horizon + 4, c.w, c.groundLine - c.horizon - 4), c.random);
    Structures::elevator(c.p(), QPointF(c.w * 0.55, c.groundLine), c.h * 0.68);
    // The railway siding in front.
    c.p().setBrush(QColor(120, 110, 100));
    c.p().drawRect(QRectF(0, c.groundLine, c.w, c.h * 0.04));
    c.p().setPen(QPen(QColor(70, 70, 75), 2));
    c.p().drawLine(QPointF(0, c.groundLine + c.h * 0.012), QPointF(c.w, c.groundLine + c.h * 0.012));
    c.p().drawLine(QPointF(0, c.groundLine + c.h * 0.03), QPointF(c.w, c.groundLine + c.h * 0.03));
    c.p().setPen(Qt::NoPen);
    // Grain wagons.
    for (int i = 0; i < 3; ++i) {
        const QRectF wagon(c.w * (-0.05 + i * 0.27), c.groundLine - c.h * 0.07, c.w * 0.25, c.h * 0.075);
        c.p().setBrush(QColor(150, 110, 60));
        c.p().drawRect(wagon);
        c.p().setBrush(QColor(30, 30, 30));
        c.p().drawEllipse(QPointF(wagon.left() + wagon.width() * 0.2, wagon.bottom() + 2), 4, 4);
        c.p().drawEllipse(QPointF(wagon.right() - wagon.width() * 0.2, wagon.bottom() + 2), 4, 4);
    }
    SceneKit::poplar(c.p(), QPointF(c.w * 0.08, c.h * 0.95), c.h * 0.45, c.look);
}

void drawMillScene(LandmarkCanvas& c, const QString& sign)
{
    c.backdrop(0.5, 0.62, false);
    Structures::silos(c.p(), QPointF(c.w * 0.72, c.groundLine), 3, c.w * 0.045, c.h * 0.3);
    BuildingStyle mill;
    mill.wall = QColor(180, 90, 65);
    mill.brick = true;
    mill.roofKind = RoofKind::Gable;
    mill.roof = QColor(90, 100, 110);
    mill.floors = 3;
    mill.bays = 5;
    mill.sideDepth = c.w * 0.05;
    mill.sign = sign;
    mill.signBack = QColor(230, 180, 20);
    mill.signInk = QColor(90, 50, 10);
    drawBuilding(c.p(), QRectF(c.w * 0.2, c.groundLine - c.h * 0.36, c.w * 0.3, c.h * 0.36), mill, c.random);
    SceneKit::fence(c.p(), 0, c.w, c.groundLine + 4, c.h * 0.05, QColor(130, 100, 70));
    Structures::sunflowerField(c.p(), QRectF(0, c.groundLine + 4, c.w, c.h - c.groundLine - 4), c.random);
}

void drawFisheryScene(LandmarkCanvas& c, const QString& sign)
{
    c.backdrop(0.45, 0.6, false);
    const QRectF water(0, c.h * 0.62, c.w, c.h * 0.38);
    Structures::shed(c.p(), QRectF(c.w * 0.5, c.groundLine - c.h * 0.2, c.w * 0.4, c.h * 0.2), QColor(170, 130, 90), sign);
    SceneKit::tree(c.p(), QPointF(c.w * 0.35, c.groundLine), c.h * 0.4, c.look, c.random);
    Structures::lake(c.p(), water, c.look);
    // The jetty with the boats of the collective.
    const QRectF jetty(c.w * 0.55, water.top(), c.w * 0.06, water.height() * 0.5);
    c.p().setBrush(QColor(90, 65, 45));
    for (int i = 1; i <= 3; ++i)
        c.p().drawRect(QRectF(jetty.left() + 1, jetty.top() + jetty.height() * i / 3.0 - 2, 3, jetty.height() * 0.12));
    c.p().setBrush(QColor(150, 115, 75));
    c.p().drawRect(jetty.adjusted(0, 0, 0, -jetty.height() * 0.1));
    c.p().setPen(QPen(QColor(110, 80, 50), 1));
    for (qreal y = jetty.top() + 5; y < jetty.bottom() - jetty.height() * 0.1; y += 5)
        c.p().drawLine(QPointF(jetty.left(), y), QPointF(jetty.right(), y));
    c.p().setPen(Qt::NoPen);
    Structures::boat(c.p(), QPointF(c.w * 0.45, water.top() + water.height() * 0.4), c.w * 0.16, QColor(40, 90, 150));
    Structures::boat(c.p(), QPointF(c.w * 0.72, water.top() + water.height() * 0.3), c.w * 0.14, QColor(200, 60, 40));
    Structures::boat(c.p(), QPointF(c.w * 0.2, water.top() + water.height() * 0.7), c.w * 0.2, QColor(230, 230, 220));
    // Nets drying on poles.
    c.p().setPen(QPen(QColor(60, 50, 40), 2));
    c.p().drawLine(QPointF(c.w * 0.06, c.groundLine), QPointF(c.w * 0.06, c.groundLine - c.h * 0.12));
    c.p().drawLine(QPointF(c.w * 0.22, c.groundLine), QPointF(c.w * 0.22, c.groundLine - c.h * 0.12));
    c.p().setPen(QPen(QColor(90, 80, 70, 160), 1));
    for (int i = 0; i < 8; ++i) {
        const qreal x = c.w * (0.06 + i * 0.02);
        c.p().drawLine(QPointF(x, c.groundLine - c.h * 0.12), QPointF(x + c.w * 0.01, c.groundLine - c.h * 0.03));
    }
    c.p().setPen(Qt::NoPen);
}

void drawPetrolScene(LandmarkCanvas& c, const QString& sign)
{
    c.backdrop(0.5, 0.78, true);
    const QColor brands[] = {QColor(220, 40, 30), QColor(20, 110, 60), QColor(30, 70, 160)};
    const QColor brand = brands[c.random.range(0, 2)];
    const QRectF area(c.w * 0.1, c.groundLine - c.h * 0.34, c.w * 0.8, c.h * 0.34);
    SceneKit::tree(c.p(), QPointF(c.w * 0.95, c.groundLine), c.h * 0.45, c.look, c.random);
    Structures::fillingStation(c.p(), area, brand, sign, c.random);
    SceneKit::car(c.p(), QPointF(c.w * 0.3, c.groundLine - 1), c.w * 0.16, c.random.vary(QColor(60, 60, 140), 40), true);
    c.foreground(QRectF(c.w * 0.04, area.top(), c.w * 0.9, area.height()), true);
}

void drawSportsScene(LandmarkCanvas& c, const QString& sign)
{
    c.backdrop(0.48, 0.62, false);
    for (int i = 0; i < 6; ++i)
        SceneKit::poplar(c.p(), QPointF(c.w * (0.03 + i * 0.19), c.groundLine), c.h * 0.42, c.look);
    Structures::sportsHall(c.p(), QRectF(c.w * 0.22, c.groundLine - c.h * 0.28, c.w * 0.56, c.h * 0.28), sign);
    // The football pitch in front of the hall.
    QLinearGradient pitch(0, c.groundLine + 6, 0, c.h);
    pitch.setColorAt(0, QColor(90, 165, 70));
    pitch.setColorAt(1, QColor(60, 140, 50));
    c.p().setBrush(pitch);
    QPolygonF field;
    field << QPointF(c.w * 0.1, c.groundLine + 8) << QPointF(c.w * 0.9, c.groundLine + 8) << QPointF(c.w * 1.05, c.h)
          << QPointF(-c.w * 0.05, c.h);
    c.p().drawPolygon(field);
    c.p().setPen(QPen(QColor(245, 245, 245), 2));
    c.p().setBrush(Qt::NoBrush);
    c.p().drawPolygon(field);
    c.p().drawLine(QPointF(c.w * 0.5, c.groundLine + 8), QPointF(c.w * 0.5, c.h));
    c.p().drawEllipse(QPointF(c.w * 0.5, c.groundLine + (c.h - c.groundLine) * 0.55), c.w * 0.1, c.h * 0.07);
    // A goal on the left.
    c.p().setPen(QPen(QColor(250, 250, 250), 3));
    c.p().drawRect(QRectF(c.w * 0.05, c.h * 0.78, c.w * 0.03, c.h * 0.12));
    c.p().setPen(Qt::NoPen);
    SceneKit::person(c.p(), QPointF(c.w * 0.35, c.h * 0.92), c.h * 0.1, QColor(220, 40, 40));
    SceneKit::person(c.p(), QPointF(c.w * 0.62, c.h * 0.86), c.h * 0.09, QColor(30, 80, 200));
    c.p().setBrush(QColor(250, 250, 250));
    c.p().drawEllipse(QPointF(c.w * 0.45, c.h * 0.91), c.h * 0.012, c.h * 0.012);
}
