#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// The sheet of landmark markers that the program pastes onto the map. Pixels
// that are to show the map beneath a marker have the key colour; the others use
// only colours that the map's 256-colour palette holds exactly, and the edges
// are hard, because the program finds the transparent pixels by exact colour.
namespace MarkerSheet {

inline constexpr QRgb kKeyColour = 0xFFFF8040; // RGB(255, 128, 64)
inline constexpr int kWidth = 150;
inline constexpr int kHeight = 50;

// Sprite rectangles (left, top, right, bottom exclusive converted to QRect).
inline const QRect kAdministrationSprite(QPoint(1, 1), QPoint(39, 39));  // (1, 1, 40, 40)
inline const QRect kLandmarkSprite(QPoint(50, 1), QPoint(89, 39));       // (50, 1, 90, 40)
inline const QRect kHospitalSprite(QPoint(100, 1), QPoint(139, 44));     // (100, 1, 140, 45)

QImage draw();

} // namespace MarkerSheet
