#pragma once

#include "Buildings.h"
#include "SceneKit.h"
#include "SceneRandom.h"

#include <QImage>
#include <QPainter>
#include <memory>

// The picture being drawn for one landmark, with its random sequence, its look
// and the lines of the composition (horizon, the ground the buildings stand on).
class LandmarkCanvas {
public:
    LandmarkCanvas(int width, int height, std::uint64_t seed);

    QImage finish();

    QPainter& p() { return *m_painter; }
    SceneRandom random;
    SceneLook look;
    qreal w;
    qreal h;
    qreal horizon = 0;
    qreal groundLine = 0; // where the front of the buildings stands

    // Sky, distant trees and grass; with a street, a footway and road along the bottom.
    void backdrop(qreal horizonFraction, qreal groundFraction, bool withStreet);
    // Low houses and trees left and right of the main building, behind it.
    void neighbours(const QRectF& keepClear);
    // Trees, a lamp, a car and a passer-by in front.
    void foreground(const QRectF& building, bool withCar);
    // A facade colour typical of the town's buildings.
    QColor facadeColour();

private:
    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    bool m_street = false;
};

// The front wall of a building centred near the middle of the picture.
QRectF placeFront(LandmarkCanvas& c, qreal widthFraction, qreal heightFraction);
