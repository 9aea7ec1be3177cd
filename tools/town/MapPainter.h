#pragma once

#include "IndexedCanvas.h"

struct TownModel;

// The size of the town map image in pixels.
inline constexpr int MapWidth = 3684;
inline constexpr int MapHeight = 2698;

// Draws the town plan from the model: built-up blocks with thin black outlines
// between white street corridors, water, parks, the railway and a few marks.
// The map carries no street names and no markers.
IndexedCanvas paintTownMap(const TownModel& model);
