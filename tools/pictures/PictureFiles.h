#pragma once

#include <QImage>
#include <QString>

// Writers for the two file formats that accompany the program. Both write the
// pixels and fixed headers only (no dates, no names), so a picture drawn twice
// gives the same bytes twice.

// Writes an uncompressed Windows bitmap, 24 bits per pixel, bottom-up rows
// padded to four bytes: the plainest form that every bitmap loader reads.
void writeBmp24(const QImage& image, const QString& path);

// Writes a baseline JPEG with three components (YCbCr) through libjpeg.
void writeJpeg(const QImage& image, const QString& path, int quality);

// Creates the folder that will hold a file, with its parents.
void makeParentFolder(const QString& path);
