#pragma once

#include "map/MapBitmap.h"

#include <QRect>

// Copies a rectangle of one bitmap onto a rectangle of another, each direction
// scaled on its own, as a plain rectangle stretch: no smoothing; enlarging
// repeats rows and columns, and the source pixels that shrinking merges into one
// are combined by a bitwise AND, so thin dark lines survive the reduction.
//
// Both bitmaps hold indices of the town palette, whose levels are 32·k or 64·k
// plus an all-ones top level: the AND of two indices is the index of the AND of
// their colours, so the merge works on the indices directly.
// The source rectangle must lie inside the source bitmap; the destination
// rectangle inside the destination.
void stretchAnd(const MapBitmap& source, const QRect& from, MapBitmap& target, const QRect& to);
// The same, a pixel at a time, for every stretch; stretchAnd uses it where its
// faster form does not apply.
void stretchAndPlain(const MapBitmap& source, const QRect& from, MapBitmap& target, const QRect& to);

// For a destination position along one axis of a stretch, the half-open range
// of source positions that land on it: several when shrinking, one (repeated
// for neighbouring positions) when enlarging.
struct StretchSpan {
    int begin;
    int end;
};
StretchSpan stretchSpan(int target, int sourceLength, int targetLength);

// The whole bitmap reduced to the given size.
MapBitmap reducedCopy(const MapBitmap& source, const QSize& size);
