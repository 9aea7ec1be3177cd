#pragma once

#include "LandmarkPhotoList.h"

#include <QImage>

class LandmarkCanvas;

// Draws the illustration of one landmark at the entry's size. The picture
// depends only on the entry, so every build draws the same pixels.
// Throws AppError for a kind of picture it does not know.
QImage drawLandmarkPhoto(const LandmarkPhotoEntry& entry);

// The compositions that are not a building on a street (LandmarkSpecialScenes.cpp).
void drawFoundingScene(LandmarkCanvas& c);
void drawMemorialScene(LandmarkCanvas& c);
void drawObeliskScene(LandmarkCanvas& c);
void drawBustScene(LandmarkCanvas& c);
void drawChurchScene(LandmarkCanvas& c);
void drawElevatorScene(LandmarkCanvas& c);
void drawMillScene(LandmarkCanvas& c, const QString& sign);
void drawFisheryScene(LandmarkCanvas& c, const QString& sign);
void drawPetrolScene(LandmarkCanvas& c, const QString& sign);
void drawSportsScene(LandmarkCanvas& c, const QString& sign);
