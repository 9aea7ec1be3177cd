#pragma once

#include <QStringList>

// The resource paths under which talv_town_data holds the town's pictures and
// tables: the map (an 8-bit bitmap with the map palette), the overview plan,
// the two rulers, the street tables and the landmark tables.
QStringList townResourcePaths();
