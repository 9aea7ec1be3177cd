#pragma once

#include "IndexedCanvas.h"

#include <QString>
#include <QStringList>

#include <vector>

// The town as the files under data/town describe it. Each item is one line:
//
//   <layer> [parameters] : x,y x,y ...
//
// with further points allowed on indented continuation lines and '#' starting
// a comment. The layers, in the order in which they are drawn:
//
//   district            built-up area, orange; streets cut it into blocks
//   park                green area
//   water               polygon of water
//   river <width>       band of water along a centre line
//   square              open white area (market squares, yards)
//   street <id> <width> white corridor along a centre line; id is the street's
//                       number in the catalogue, 0 for a street without a name
//   railway <width>     a line with its white right of way of the given width
//   building            orange block standing on open ground (station, halls)
//   mark <radius>       small RGB(0, 255, 128) discs (fountains, pitches)
enum class TownLayer { District, Park, Water, River, Square, Street, Railway, Building, Mark };

struct TownItem {
    TownLayer layer = TownLayer::District;
    int streetId = 0;
    int width = 0;
    std::vector<ModelPoint> points;
    QString where;  // "file:line", for messages
};

struct TownModel {
    std::vector<TownItem> items;

    std::vector<const TownItem*> layer(TownLayer which) const;
};

// Reads the model files in the given order; throws AppError naming the file and
// line of the first malformed item.
TownModel readTownModel(const QStringList& files);
