#pragma once

#include <QList>
#include <QString>

// One landmark illustration: which landmark, what to draw and how large.
struct LandmarkPhotoEntry {
    QString code;   // two digits, also the file name
    QString kind;   // the composition, e.g. "bank", "church"
    int width = 0;
    int height = 0;
    QString sign;   // the word on the sign board; may be empty
};

// Reads the list of landmark illustrations (code | kind | WxH | sign, '#' starts
// a comment line). Throws AppError on a line it cannot read.
QList<LandmarkPhotoEntry> readLandmarkPhotoList(const QString& path);
