#include "WindowPictures.h"

#include "Buildings.h"
#include "PictureFonts.h"
#include "SceneKit.h"
#include "Structures.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

void drawSunflowerEmblem(QPainter& p, QPointF centre, qreal radius)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 22.5);
        QPainterPath petal;
        petal.moveTo(0, -radius * 0.35);
        petal.quadTo(radius * 0.2, -radius * 0.7, 0, -radius);
        petal.quadTo(-radius * 0.2, -radius * 0.7, 0, -radius * 0.35);
        p.setBrush(i % 2 ? QColor(255, 200, 20) : QColor(245, 170, 10));
        p.drawPath(petal);
        p.restore();
    }
    p.setBrush(QColor(100, 60, 20));
    p.drawEllipse(centre, radius * 0.45, radius * 0.45);
    p.setBrush(QColor(70, 40, 15));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * 0.9;
        const qreal r = radius * 0.3 * std::sqrt((i + 1) / 12.0);
        p.drawEllipse(centre + QPointF(std::cos(a) * r, std::sin(a) * r), radius * 0.04, radius * 0.04);
    }
    p.restore();
}

QImage drawSponsorPicture()
{
    const int w = 702;
    const int h = 439;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    SceneRandom random(2);
    SceneLook look = pickLook(random);
    look.skyTop = QColor(45, 115, 205);
    look.skyHorizon = QColor(185, 215, 240);
    look.sun = true;
    look.clouds = 3;

    const qreal horizon = 215;
    const qreal ground = 262;
    SceneKit::sky(p, QRectF(0, 0, w, horizon + 1), look, random);
    SceneKit::distantTrees(p, horizon, w, look, random);
    SceneKit::ground(p, QRectF(0, horizon, w, h - horizon), look);
    Structures::wheatField(p, QRectF(0, horizon + 3, w, ground - horizon - 3), random);

    // The premises: the mill, the oil press shop and the silos.
    Structures::silos(p, QPointF(640, ground), 3, 18, 120);
    BuildingStyle mill;
    mill.wall = QColor(180, 90, 65);
    mill.brick = true;
    mill.roofKind = RoofKind::Gable;
    mill.roof = QColor(90, 100, 110);
    mill.floors = 3;
    mill.bays = 5;
    mill.sideDepth = 24;
    drawBuilding(p, QRectF(462, ground - 130, 110, 130), mill, random);
    BuildingStyle press;
    press.wall = QColor(230, 225, 210);
    press.roof = QColor(120, 130, 140);
    press.floors = 1;
    press.bays = 5;
    press.sideDepth = 0;
    press.sign = QStringLiteral("ОРМАЛИН");
    press.signBack = QColor(230, 180, 20);
    press.signInk = QColor(90, 50, 10);
    drawBuilding(p, QRectF(350, ground - 62, 112, 62), press, random);
    SceneKit::tree(p, QPointF(40, ground), 90, look, random);
    SceneKit::tree(p, QPointF(690, ground + 2), 85, look, random);
    SceneKit::fence(p, 0, w, ground + 4, 18, QColor(140, 110, 75));
    Structures::sunflowerField(p, QRectF(0, ground + 4, w, h - ground - 4), random);

    // The farm's card on the left.
    const QRectF card(14, 14, 330, 190);
    p.setPen(QPen(QColor(120, 80, 20), 2));
    p.setBrush(QColor(255, 250, 225, 225));
    p.drawRoundedRect(card, 10, 10);
    drawSunflowerEmblem(p, QPointF(card.left() + 44, card.top() + 48), 34);
    p.setPen(QColor(60, 90, 30));
    p.setFont(PictureFonts::sans(13));
    p.drawText(QRectF(card.left() + 88, card.top() + 12, 236, 36), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Крестьянское фермерское хозяйство"));
    p.setPen(QColor(150, 60, 10));
    p.setFont(PictureFonts::serif(38, true));
    p.drawText(QRectF(card.left() + 86, card.top() + 44, 240, 46), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("«Ормалин»"));
    p.setPen(QColor(40, 40, 40));
    p.setFont(PictureFonts::sans(15, true));
    p.drawText(QRectF(card.left() + 12, card.top() + 96, card.width() - 24, 40), Qt::AlignLeft | Qt::TextWordWrap,
               QString::fromUtf16(FarmContacts::kBusiness));
    p.setFont(PictureFonts::sans(13));
    p.drawText(QRectF(card.left() + 12, card.top() + 138, card.width() - 24, 18), Qt::AlignLeft,
               QString::fromUtf16(FarmContacts::kAddress));
    p.drawText(QRectF(card.left() + 12, card.top() + 156, card.width() - 24, 18), Qt::AlignLeft,
               QString::fromUtf16(FarmContacts::kPhone));

    // The farm's products on a band across the field.
    const QRectF band(0, 398, w, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 35, 10, 190));
    p.drawRect(band);
    p.setFont(PictureFonts::sans(17, true));
    p.setPen(QColor(255, 225, 110));
    p.drawText(band, Qt::AlignCenter, QStringLiteral("Масло подсолнечное  •  крупа гречневая  •  пшено  •  ячневая крупа"));

    // The title of the sponsorship across the top right.
    p.setFont(PictureFonts::serif(22, true, true));
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(QRectF(361, 21, 330, 30), Qt::AlignRight, QStringLiteral("Спонсор выпуска"));
    p.setPen(QColor(20, 40, 100));
    p.drawText(QRectF(360, 20, 330, 30), Qt::AlignRight, QStringLiteral("Спонсор выпуска"));
    p.end();
    return image;
}
