#pragma once

#include "SceneKit.h"

#include <QPainter>
#include <QRectF>
#include <QString>

// Structures that are not ordinary buildings: the church, the grain elevator
// and silos, monuments, a filling station, the lake of the fishing collective.
// `base` is the middle of the structure's foot on the ground.
namespace Structures {

void church(QPainter& p, QPointF base, qreal height, const QColor& wall, const QColor& domes);
void elevator(QPainter& p, QPointF base, qreal height);
void silos(QPainter& p, QPointF base, int count, qreal radius, qreal height);
void sunflowerField(QPainter& p, const QRectF& area, SceneRandom& random);
void wheatField(QPainter& p, const QRectF& area, SceneRandom& random);
void obelisk(QPainter& p, QPointF base, qreal height, bool star);
void statue(QPainter& p, QPointF base, qreal height);
void bust(QPainter& p, QPointF base, qreal height);
void foundingStele(QPainter& p, QPointF base, qreal height, const QString& name, const QString& year);
void eternalFlame(QPainter& p, QPointF base, qreal size);
void fillingStation(QPainter& p, const QRectF& area, const QColor& brand, const QString& name, SceneRandom& random);
void sportsHall(QPainter& p, const QRectF& front, const QString& sign);
void chimney(QPainter& p, QPointF base, qreal height, bool smoke);
void mast(QPainter& p, QPointF base, qreal height);
void lake(QPainter& p, const QRectF& area, const SceneLook& look);
void boat(QPainter& p, QPointF waterline, qreal length, const QColor& hull);
void shed(QPainter& p, const QRectF& front, const QColor& wall, const QString& sign);

} // namespace Structures
