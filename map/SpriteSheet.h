#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reads the marker sprite sheet, an ordinary Windows bitmap whatever its name
// says. A file that cannot be read fails with "Cannot open file "%s". %s" (its
// path and the system's reason); anything but an uncompressed bitmap of 1, 4, 8,
// 24 or 32 bits per pixel with "Bitmap image is not valid". The picture comes
// back as RGB32.
QImage loadSheetBitmap(const QString& path);
QImage decodeSheetBitmap(const QByteArray& file);
