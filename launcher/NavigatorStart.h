#pragma once

#include <QString>

// Replaces the launcher by the navigator, with `folder` as the current
// directory, where the navigator looks for its data. The navigator gets no
// arguments. Returns only by throwing AppError.
[[noreturn]] void startNavigator(const QString& program, const QString& folder);
