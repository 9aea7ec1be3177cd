#pragma once

#include "map/MapBitmap.h"

#include <QRect>

// stretchAnd sixteen pixels at a time, for the reductions the program makes of
// the whole map (onto the window and onto a page): a shrinking stretch whose
// column spans all hold between k and 2k source columns, for k = 2, 4 or 8.
// Rows are merged sixteen bytes at a time; the AND of every k neighbouring
// columns is formed in registers; and each destination pixel is the AND of the
// two windows of k columns that begin and end its span, as AND forgives the
// overlap. Needs SSSE3 for the byte shuffles that pick those windows.
//
// Returns false, and leaves the target untouched, where it does not apply; the
// result is otherwise the same as stretchAndPlain's.
bool stretchAndWide(const MapBitmap& source, const QRect& from, MapBitmap& target, const QRect& to);
