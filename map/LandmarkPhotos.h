#pragma once

#include <QPoint>
#include <QString>

class LandmarkTable;
class TForm5;

// Opens a landmark's photo from the application folder in the photo window and
// returns when the user has closed it. A photo that cannot be read or decoded
// fails with the loader's error; the window is then not shown and keeps its
// previous photo.
void ShowLandmarkPhoto(TForm5& window, const QString& appDir, const QString& code, const QString& caption);

// A right click on the map: every landmark whose hot spot holds the map point
// opens its photo, in table order. An error ends the round.
void openLandmarksAt(TForm5& window, const QString& appDir, const LandmarkTable& table, QPoint mapPoint);
