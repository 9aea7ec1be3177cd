#pragma once

#include "SceneRandom.h"

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

// The weather, season and light of one outdoor picture.
struct SceneLook {
    QColor skyTop;
    QColor skyHorizon;
    QColor grass;
    QColor grassFar;
    QColor foliage;
    QColor foliageDark;
    bool sun = true;
    int clouds = 3;
};

// Picks one of the looks (clear summer day, hazy noon, early autumn, evening,
// grey day) from the picture's own random sequence.
SceneLook pickLook(SceneRandom& random);

// Elements shared by the outdoor pictures: sky, ground, street furniture and
// trees. Each draws at the given place in picture pixels; "base" points are
// where the object stands on the ground.
namespace SceneKit {

void sky(QPainter& p, const QRectF& area, const SceneLook& look, SceneRandom& random);
void distantTrees(QPainter& p, qreal horizon, qreal width, const SceneLook& look, SceneRandom& random);
void ground(QPainter& p, const QRectF& area, const SceneLook& look);
// A street across the picture with a kerb and a footway above it.
void street(QPainter& p, qreal footwayTop, qreal roadTop, qreal bottom, qreal width);
void tree(QPainter& p, QPointF base, qreal height, const SceneLook& look, SceneRandom& random);
void poplar(QPainter& p, QPointF base, qreal height, const SceneLook& look);
void fir(QPainter& p, QPointF base, qreal height, const SceneLook& look);
void bush(QPainter& p, QPointF base, qreal width, const SceneLook& look, SceneRandom& random);
void lamp(QPainter& p, QPointF base, qreal height, bool facingRight = true);
void bench(QPainter& p, QPointF base, qreal width);
void fence(QPainter& p, qreal x0, qreal x1, qreal baseY, qreal height, const QColor& colour);
void flowerBed(QPainter& p, const QRectF& bed, SceneRandom& random);
void car(QPainter& p, QPointF base, qreal length, const QColor& body, bool facingRight);
void person(QPainter& p, QPointF base, qreal height, const QColor& coat);
void flag(QPainter& p, QPointF base, qreal height);
// A board with a short word fitted into it.
void signBoard(QPainter& p, const QRectF& board, const QString& text, const QColor& back,
               const QColor& ink, bool serif = false);
// Text fitted into a rectangle without a board.
void fittedText(QPainter& p, const QRectF& area, const QString& text, const QColor& ink,
                bool serif, bool bold = true);

} // namespace SceneKit
