#include "LandmarkScenes.h"

#include "LandmarkCanvas.h"
#include "Structures.h"
#include "base/AppError.h"

#include <functional>
#include <map>

namespace {

// A building on a town street: the composition of most landmarks. `extras`
// adds what tells the kind apart (a flag, a cross, a mast) once the building
// stands, before the trees and lamps in front of it.
void drawStreetBuilding(LandmarkCanvas& c, BuildingStyle style, qreal widthFraction, qreal heightFraction,
                        const std::function<void(const QRectF& front, const QRectF& roof)>& extras = {})
{
    c.backdrop(c.random.real(0.45, 0.55), c.random.real(0.76, 0.82), true);
    const QRectF front = placeFront(c, widthFraction, heightFraction);
    style.sideDepth = c.random.chance(0.6) ? c.w * c.random.real(0.03, 0.07) : 0;
    c.neighbours(front.adjusted(0, 0, style.sideDepth, 0));
    const QRectF roof = drawBuilding(c.p(), front, style, c.random);
    if (extras)
        extras(front, roof);
    c.foreground(front, true);
}

BuildingStyle baseStyle(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style;
    style.wall = c.facadeColour();
    style.roof = c.random.vary(QColor(110, 90, 85), 25);
    style.sign = sign;
    return style;
}

void drawBankScene(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style = baseStyle(c, sign);
    style.wall = c.random.vary(QColor(215, 210, 200), 10);
    style.floors = 3;
    style.bays = 7;
    style.columns = true;
    style.roofKind = RoofKind::Flat;
    style.signBack = QColor(20, 80, 60);
    style.signInk = QColor(240, 210, 120);
    style.serifSign = true;
    drawStreetBuilding(c, style, 0.56, 0.46);
}

void drawCultureScene(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style = baseStyle(c, sign);
    style.wall = c.random.vary(QColor(245, 225, 170), 8);
    style.floors = 2;
    style.bays = 9;
    style.columns = true;
    style.archedWindows = true;
    style.roofKind = RoofKind::Pediment;
    style.signBack = QColor(140, 30, 40);
    style.serifSign = true;
    drawStreetBuilding(c, style, 0.7, 0.34, [&](const QRectF& front, const QRectF&) {
        SceneKit::flowerBed(c.p(), QRectF(front.left() + front.width() * 0.05, c.groundLine - 4, front.width() * 0.2, 10),
                            c.random);
        SceneKit::flowerBed(c.p(), QRectF(front.right() - front.width() * 0.25, c.groundLine - 4, front.width() * 0.2, 10),
                            c.random);
    });
}

void drawAdministrationScene(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style = baseStyle(c, sign);
    style.wall = c.random.vary(QColor(235, 225, 205), 10);
    style.floors = c.random.range(3, 4);
    style.bays = 9;
    style.roofKind = RoofKind::Pediment;
    style.signBack = QColor(20, 40, 110);
    style.serifSign = true;
    drawStreetBuilding(c, style, 0.62, 0.5, [&](const QRectF&, const QRectF& roof) {
        SceneKit::flag(c.p(), QPointF(roof.center().x(), roof.top()), c.h * 0.14);
    });
}

void drawCourtScene(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style = baseStyle(c, sign);
    style.wall = c.random.vary(QColor(200, 190, 175), 8);
    style.floors = 2;
    style.bays = 7;
    style.columns = true;
    style.roofKind = RoofKind::Hip;
    style.roof = QColor(70, 90, 80);
    style.signBack = QColor(60, 50, 40);
    style.signInk = QColor(235, 205, 120);
    style.serifSign = true;
    drawStreetBuilding(c, style, 0.58, 0.38, [&](const QRectF&, const QRectF& roof) {
        SceneKit::flag(c.p(), QPointF(roof.center().x(), roof.top() + 2), c.h * 0.1);
    });
}

void drawShopScene(LandmarkCanvas& c, const QString& sign, const QColor& signBack)
{
    BuildingStyle style = baseStyle(c, sign);
    style.floors = c.random.range(1, 2);
    style.bays = c.random.range(3, 5) | 1;
    style.shopWindows = true;
    style.roofKind = c.random.chance(0.5) ? RoofKind::Gable : RoofKind::Flat;
    style.brick = c.random.chance(0.3);
    style.signBack = signBack;
    drawStreetBuilding(c, style, c.random.real(0.45, 0.6), style.floors == 1 ? 0.26 : 0.38);
}

void drawPharmacyScene(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style = baseStyle(c, sign);
    style.wall = QColor(240, 245, 240);
    style.floors = 1;
    style.bays = 5;
    style.shopWindows = true;
    style.signBack = QColor(20, 140, 70);
    drawStreetBuilding(c, style, 0.55, 0.3, [&](const QRectF& front, const QRectF&) {
        drawCross(c.p(), QPointF(front.right() - front.width() * 0.08, front.top() + front.height() * 0.12),
                  front.height() * 0.18, QColor(20, 160, 70), true);
    });
}

void drawPostScene(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style = baseStyle(c, sign);
    style.floors = 2;
    style.bays = 5;
    style.roofKind = RoofKind::Hip;
    style.signBack = QColor(20, 70, 160);
    drawStreetBuilding(c, style, 0.5, 0.36, [&](const QRectF& front, const QRectF&) {
        // A blue post box beside the door.
        const QRectF box(front.center().x() + front.width() * 0.14, c.groundLine - front.height() * 0.28,
                         front.width() * 0.06, front.height() * 0.14);
        c.p().setPen(Qt::NoPen);
        c.p().setBrush(QColor(30, 80, 170));
        c.p().drawRoundedRect(box, 3, 3);
        c.p().setBrush(QColor(20, 20, 20));
        c.p().drawRect(QRectF(box.left() + box.width() * 0.2, box.top() + box.height() * 0.2, box.width() * 0.6, 2));
    });
}

void drawPlainOfficeScene(LandmarkCanvas& c, const QString& sign, int floors, const QColor& signBack, bool flag)
{
    BuildingStyle style = baseStyle(c, sign);
    style.floors = floors;
    style.bays = c.random.range(5, 7) | 1;
    style.brick = c.random.chance(0.4);
    if (style.brick)
        style.wall = c.random.vary(QColor(170, 85, 65), 12);
    style.signBack = signBack;
    drawStreetBuilding(c, style, c.random.real(0.48, 0.6), 0.14 * floors + 0.04, [&](const QRectF&, const QRectF& roof) {
        if (flag)
            SceneKit::flag(c.p(), QPointF(roof.left() + roof.width() * 0.8, roof.top()), c.h * 0.12);
    });
}

void drawModernOfficeScene(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style = baseStyle(c, sign);
    const QColor walls[] = {QColor(200, 205, 215), QColor(225, 220, 205), QColor(180, 195, 205)};
    style.wall = walls[c.random.range(0, 2)];
    style.trim = QColor(90, 100, 115);
    style.glass = c.random.vary(QColor(70, 130, 170), 20);
    style.ribbonWindows = true;
    style.floors = c.random.range(2, 3);
    style.bays = 5;
    style.signBack = c.random.vary(QColor(30, 60, 110), 30);
    drawStreetBuilding(c, style, c.random.real(0.45, 0.55), 0.14 * style.floors + 0.05);
}

void drawHospitalScene(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style = baseStyle(c, sign);
    style.wall = QColor(245, 245, 240);
    style.trim = QColor(200, 220, 235);
    style.floors = 3;
    style.bays = 9;
    style.signBack = QColor(250, 250, 250);
    style.signInk = QColor(200, 20, 20);
    drawStreetBuilding(c, style, 0.66, 0.46, [&](const QRectF& front, const QRectF&) {
        drawCross(c.p(), QPointF(front.center().x(), front.top() + front.height() * 0.15), front.height() * 0.16,
                  QColor(220, 20, 20), true);
        SceneKit::car(c.p(), QPointF(front.left() + front.width() * 0.2, c.groundLine + 2), c.w * 0.16,
                      QColor(250, 250, 245), true);
        drawCross(c.p(), QPointF(front.left() + front.width() * 0.2, c.groundLine - c.w * 0.03), c.w * 0.018,
                  QColor(220, 20, 20), false);
    });
}

void drawMediaScene(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style = baseStyle(c, sign);
    style.wall = c.random.vary(QColor(200, 215, 230), 10);
    style.glass = QColor(60, 110, 160);
    style.floors = 3;
    style.bays = 5;
    style.shopWindows = true;
    style.signBack = QColor(230, 120, 20);
    drawStreetBuilding(c, style, 0.46, 0.42, [&](const QRectF&, const QRectF& roof) {
        Structures::mast(c.p(), QPointF(roof.left() + roof.width() * 0.75, roof.top()), c.h * 0.3);
    });
}

void drawCinemaScene(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style = baseStyle(c, sign);
    style.floors = 1;
    style.bays = 5;
    style.archedWindows = true;
    style.roofKind = RoofKind::Pediment;
    style.signBack = QColor(170, 20, 30);
    style.signInk = QColor(255, 230, 120);
    drawStreetBuilding(c, style, 0.62, 0.34, [&](const QRectF& front, const QRectF&) {
        // Film posters on both sides of the door.
        for (int side = -1; side <= 1; side += 2) {
            const QRectF poster(front.center().x() + side * front.width() * 0.15 - front.width() * 0.04,
                                front.bottom() - front.height() * 0.62, front.width() * 0.08, front.height() * 0.32);
            c.p().setBrush(QColor(250, 240, 220));
            c.p().drawRect(poster.adjusted(-2, -2, 2, 2));
            c.p().setBrush(c.random.vary(QColor(70, 100, 160), 50));
            c.p().drawRect(poster);
        }
    });
}

void drawCafeScene(LandmarkCanvas& c, const QString& sign)
{
    BuildingStyle style = baseStyle(c, sign);
    style.floors = 2;
    style.bays = 7;
    style.roofKind = RoofKind::Gable;
    style.roof = QColor(150, 60, 40);
    style.shopWindows = true;
    style.signBack = QColor(120, 50, 30);
    style.signInk = QColor(255, 235, 170);
    style.serifSign = true;
    drawStreetBuilding(c, style, 0.6, 0.38, [&](const QRectF& front, const QRectF&) {
        // Parasols over the summer tables.
        for (int i = 0; i < 2; ++i) {
            const qreal x = front.left() + front.width() * (0.15 + i * 0.7);
            const qreal top = c.groundLine - front.height() * 0.42;
            c.p().setBrush(QColor(60, 60, 60));
            c.p().drawRect(QRectF(x - 1, top, 2, c.groundLine - top));
            c.p().setBrush(i ? QColor(220, 50, 40) : QColor(40, 120, 60));
            QPolygonF canopy;
            canopy << QPointF(x - front.width() * 0.09, top + front.height() * 0.08) << QPointF(x, top)
                   << QPointF(x + front.width() * 0.09, top + front.height() * 0.08);
            c.p().drawPolygon(canopy);
            c.p().setBrush(QColor(240, 240, 235));
            c.p().drawRect(QRectF(x - front.width() * 0.04, c.groundLine - front.height() * 0.14, front.width() * 0.08, 3));
        }
    });
}

void drawIndustryScene(LandmarkCanvas& c, const QString& sign, bool bakery)
{
    BuildingStyle style = baseStyle(c, sign);
    style.wall = bakery ? c.random.vary(QColor(235, 215, 175), 10) : c.random.vary(QColor(175, 90, 70), 10);
    style.brick = !bakery;
    style.floors = 2;
    style.bays = 9;
    style.signBack = bakery ? QColor(160, 90, 30) : QColor(40, 60, 90);
    drawStreetBuilding(c, style, 0.62, 0.34, [&](const QRectF& front, const QRectF&) {
        Structures::chimney(c.p(), QPointF(front.right() - front.width() * 0.1, front.top()), c.h * 0.32, true);
        if (bakery) {
            SceneKit::car(c.p(), QPointF(front.left() + front.width() * 0.22, c.groundLine + 3), c.w * 0.17,
                          QColor(230, 200, 60), false);
        }
    });
}

using SceneFunction = std::function<void(LandmarkCanvas&, const QString& sign)>;

const std::map<QString, SceneFunction>& scenes()
{
    static const std::map<QString, SceneFunction> table = {
        {QStringLiteral("bank"), drawBankScene},
        {QStringLiteral("mill"), drawMillScene},
        {QStringLiteral("founding"), [](LandmarkCanvas& c, const QString&) { drawFoundingScene(c); }},
        {QStringLiteral("culture"), drawCultureScene},
        {QStringLiteral("sports"), drawSportsScene},
        {QStringLiteral("memorial"), [](LandmarkCanvas& c, const QString&) { drawMemorialScene(c); }},
        {QStringLiteral("administration"), drawAdministrationScene},
        {QStringLiteral("elevator"), [](LandmarkCanvas& c, const QString&) { drawElevatorScene(c); }},
        {QStringLiteral("media"), drawMediaScene},
        {QStringLiteral("obelisk"), [](LandmarkCanvas& c, const QString&) { drawObeliskScene(c); }},
        {QStringLiteral("cinema"), drawCinemaScene},
        {QStringLiteral("court"), drawCourtScene},
        {QStringLiteral("shop"),
         [](LandmarkCanvas& c, const QString& sign) {
             const QColor backs[] = {QColor(200, 30, 30), QColor(30, 90, 170), QColor(20, 120, 60), QColor(230, 140, 20)};
             drawShopScene(c, sign, backs[c.random.range(0, 3)]);
         }},
        {QStringLiteral("pharmacy"), drawPharmacyScene},
        {QStringLiteral("post"), drawPostScene},
        {QStringLiteral("military"),
         [](LandmarkCanvas& c, const QString& sign) { drawPlainOfficeScene(c, sign, 2, QColor(40, 70, 40), true); }},
        {QStringLiteral("hospital"), drawHospitalScene},
        {QStringLiteral("petrol"), drawPetrolScene},
        {QStringLiteral("office"),
         [](LandmarkCanvas& c, const QString& sign) {
             drawModernOfficeScene(c, sign);
         }},
        {QStringLiteral("bakery"), [](LandmarkCanvas& c, const QString& sign) { drawIndustryScene(c, sign, true); }},
        {QStringLiteral("factory"), [](LandmarkCanvas& c, const QString& sign) { drawIndustryScene(c, sign, false); }},
        {QStringLiteral("fishery"), drawFisheryScene},
        {QStringLiteral("tax"),
         [](LandmarkCanvas& c, const QString& sign) { drawPlainOfficeScene(c, sign, 3, QColor(20, 50, 100), true); }},
        {QStringLiteral("cafe"), drawCafeScene},
        {QStringLiteral("church"), [](LandmarkCanvas& c, const QString&) { drawChurchScene(c); }},
        {QStringLiteral("bust"), [](LandmarkCanvas& c, const QString&) { drawBustScene(c); }},
    };
    return table;
}

} // namespace

QImage drawLandmarkPhoto(const LandmarkPhotoEntry& entry)
{
    const auto scene = scenes().find(entry.kind);
    if (scene == scenes().end())
        throw AppError(QStringLiteral("Unknown kind of landmark picture \"%1\" for %2").arg(entry.kind, entry.code));
    LandmarkCanvas canvas(entry.width, entry.height, entry.code.toULongLong() * 104729u);
    scene->second(canvas, entry.sign);
    return canvas.finish();
}
