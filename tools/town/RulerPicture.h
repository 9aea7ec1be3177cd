#pragma once

#include "BmpFile.h"

// The rulers beside the map area: numbers every 38 pixels, a long tick halfway
// between two numbers and short ticks at the quarters, black on a light ground.
// The horizontal ruler is 821 x 23 pixels numbered 1 to 21 from the left, the
// vertical one 23 x 568 pixels numbered 1 to 14 from the top.
RgbPicture paintHorizontalRuler();
RgbPicture paintVerticalRuler();
