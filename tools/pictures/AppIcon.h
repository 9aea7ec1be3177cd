#pragma once

#include <QByteArray>
#include <QImage>

class QPainter;

// The application icon of the desktop menu: a corner of the town plan on a
// rounded sheet, with a river, a park, the streets in white, one street in red
// as the street finder shows it, and a landmark marker. One drawing gives the
// scalable picture and every fixed size; below 32 pixels it keeps only the
// shapes that stay visible.
namespace AppIcon {

// The sizes of the hicolor theme that get a picture of their own.
inline constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Draws the icon into the square (0, 0, size, size) of the painter.
void paint(QPainter& p, int size);

// The icon at one size, transparent around the sheet.
QImage draw(int size);

// The scalable icon: an SVG document of the same drawing.
QByteArray drawSvg();

} // namespace AppIcon
