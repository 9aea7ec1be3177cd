#pragma once

#include <QIcon>
#include <Qt>

// The picture of a print set-up button: a sheet of paper, upright or on its
// side, with a letter A on it.
QIcon pageOrientationIcon(Qt::Orientation orientation);
