#pragma once

#include "SceneRandom.h"

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

enum class RoofKind { Flat, Gable, Hip, Pediment };

// How one town building looks: walls, roof, rows of windows, a door in the
// middle bay and a sign board over it.
struct BuildingStyle {
    QColor wall = QColor(230, 215, 180);
    QColor trim = QColor(250, 250, 245);
    QColor roof = QColor(120, 60, 50);
    QColor glass = QColor(110, 150, 185);
    QColor door = QColor(110, 75, 45);
    RoofKind roofKind = RoofKind::Flat;
    int floors = 2;
    int bays = 5;
    bool brick = false;
    bool columns = false;       // a portico of columns in front of the middle bays
    bool archedWindows = false;
    bool shopWindows = false;   // wide shop windows on the ground floor
    bool ribbonWindows = false; // wide windows on every floor, as in a modern office
    qreal sideDepth = 0;        // width of the side wall seen in perspective
    QString sign;
    QColor signBack = QColor(30, 70, 140);
    QColor signInk = QColor(255, 255, 255);
    bool serifSign = false;
};

// Draws a building whose front wall is `front` (standing on front.bottom()).
// Returns the rectangle of the roof's top edge, for things placed on the roof.
QRectF drawBuilding(QPainter& p, const QRectF& front, const BuildingStyle& style, SceneRandom& random);

// A one-storey wooden or brick house with a gable roof, for backgrounds.
void drawHouse(QPainter& p, const QRectF& front, const QColor& wall, const QColor& roof, SceneRandom& random);

// A red cross emblem or the green cross of a pharmacy.
void drawCross(QPainter& p, const QPointF& centre, qreal size, const QColor& colour, bool onWhite);
