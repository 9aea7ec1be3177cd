#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The program's one JPEG loader, used for the landmark photos and the sponsor
// window's picture. It reads baseline and progressive pictures in colour,
// greyscale or CMYK and always returns an RGB picture (QImage::Format_RGB32).
//
// Failures throw AppError with the text the user is to see:
//  - "Cannot open file "<path>". <reason>" when the file cannot be read, with
//    the path as given and the system's reason;
//  - "JPEG error #<n>" when the data is not a whole JPEG picture, with the
//    decoder's message number (libjpeg's J_MESSAGE_CODE, see jerror.h).
//    Data that ends early counts as an error too, even when only the end
//    marker is missing.

// Reads and decodes a file; Qt resource paths (":/...") are accepted.
QImage decodeJpegFile(const QString& path);

// Decodes a JPEG picture held in memory.
QImage decodeJpeg(const QByteArray& data);
