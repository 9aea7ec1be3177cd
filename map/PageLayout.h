#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QSize>
#include <QSizeF>

// One printed page of the map: a sheet of A4 paper with no margins, one white
// band at the top and one picture at the band's top-left corner. The sizes of
// the band and the picture are layout pixels, 96 to the inch, so a picture
// prints at the scale the map has on a standard screen.
struct PageLayout {
    QPageLayout::Orientation orientation;
    QSizeF paperMm;
    QMarginsF marginsMm;
    double columnSpacingMm;
    int columns;
    int copies;
    QSize bandPixels;
    // The image lies at the band's (0, 0), neither stretched nor centred; what
    // falls outside it is clipped.
    QSize imagePixels;
    // The page picture, and the piece of the map a detail-mode page takes.
    QSize picturePixels;

    static const PageLayout& portrait();
    static const PageLayout& landscape();
};

// Layout pixels per inch: one layout pixel is 25.4 / 96 = 0.2646 mm.
inline constexpr double kLayoutPixelsPerInch = 96.0;

// The printer's page layout of a page: A4 in its orientation, margins of 0 mm.
QPageLayout printerPageLayout(const PageLayout& layout);
