#pragma once

#include <QFont>

// The fonts of the pictures are the Liberation font files themselves, loaded by
// path, so that the pictures do not change with the fonts a machine prefers.
namespace PictureFonts {

// Loads the Liberation Sans and Serif files; throws AppError when one is missing.
void load();

QFont sans(qreal pixelSize, bool bold = false);
QFont serif(qreal pixelSize, bool bold = false, bool italic = false);
QFont narrow(qreal pixelSize, bool bold = false);

} // namespace PictureFonts
