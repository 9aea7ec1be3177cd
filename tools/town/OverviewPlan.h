#pragma once

#include "BmpFile.h"

struct TownModel;

inline constexpr int PlanWidth = 168;
inline constexpr int PlanHeight = 125;

// The small plan of the whole town beside the map, drawn from the model at
// plan scale: built-up districts, parks and water on white, with the main
// roads (streets at least 24 pixels wide on the map) and the railway drawn
// over them as one-pixel lines.
RgbPicture paintOverviewPlan(const TownModel& model);
