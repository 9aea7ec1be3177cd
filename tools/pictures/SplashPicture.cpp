#include "WindowPictures.h"

#include "Buildings.h"
#include "PictureFonts.h"
#include "SceneKit.h"
#include "Structures.h"

#include <QLinearGradient>

QImage drawSplashPicture()
{
    const int w = 401;
    const int h = 270;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    SceneRandom random(1794);
    SceneLook look = pickLook(random);
    look.skyTop = QColor(30, 90, 180);
    look.skyHorizon = QColor(250, 215, 160);
    look.foliage = QColor(70, 130, 45);
    look.foliageDark = QColor(40, 85, 30);
    look.grass = QColor(80, 130, 50);
    look.grassFar = QColor(120, 150, 80);
    look.sun = false;
    look.clouds = 2;

    const qreal horizon = 150;
    const qreal street = 196;
    SceneKit::sky(p, QRectF(0, 0, w, horizon + 1), look, random);
    // The grain elevator and the church stand over the roofs in the distance.
    Structures::elevator(p, QPointF(62, horizon + 8), 95);
    Structures::church(p, QPointF(300, horizon + 6), 110, QColor(240, 235, 225), QColor(45, 85, 175));
    SceneKit::distantTrees(p, horizon + 4, w, look, random);
    SceneKit::ground(p, QRectF(0, horizon + 4, w, h - horizon - 4), look);

    // A row of low houses along the street.
    const QColor walls[] = {QColor(240, 228, 190), QColor(205, 215, 225), QColor(230, 200, 190), QColor(245, 215, 160)};
    const QColor roofs[] = {QColor(130, 60, 50), QColor(80, 100, 120), QColor(110, 90, 80), QColor(140, 70, 45)};
    qreal x = 8;
    for (int i = 0; x < w; ++i) {
        const qreal houseW = 52 + (i % 3) * 10;
        const qreal houseH = 30 + (i % 2) * 6;
        drawHouse(p, QRectF(x, street - houseH, houseW, houseH), walls[i % 4], roofs[i % 4], random);
        SceneKit::fence(p, x - 6, x + 2, street, 10, QColor(200, 190, 160));
        x += houseW + 22;
        if (i % 2 == 0)
            SceneKit::tree(p, QPointF(x - 11, street + 2), 70, look, random);
    }
    SceneKit::street(p, street, street + 10, h, w);
    SceneKit::lamp(p, QPointF(150, street + 8), 70, true);
    SceneKit::lamp(p, QPointF(360, street + 8), 70, false);
    SceneKit::car(p, QPointF(250, street + 32), 70, QColor(200, 30, 30), false);

    // Darken the bottom strip under the program's white labels.
    QLinearGradient shade(0, 226, 0, h);
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.45, QColor(10, 15, 30, 200));
    shade.setColorAt(1, QColor(10, 15, 30, 235));
    p.fillRect(QRectF(0, 226, w, h - 226), shade);

    // The title with a shadow, over the sky.
    const QString title = QStringLiteral("Тальвинск Навигатор");
    p.setFont(PictureFonts::serif(36, true, true));
    p.setPen(QColor(10, 20, 50, 170));
    p.drawText(QRectF(2, 20, w, 48), Qt::AlignCenter, title);
    p.setPen(QColor(255, 244, 200));
    p.drawText(QRectF(0, 18, w, 48), Qt::AlignCenter, title);
    p.setFont(PictureFonts::sans(13, true));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(0, 64, w, 20), Qt::AlignCenter, QStringLiteral("карта и справочник города"));
    p.end();
    return image;
}
