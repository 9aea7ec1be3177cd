#pragma once

#include <QString>

// Tells the user why the navigator did not start: always on standard error,
// and also in a message box when there is a display to show one on. Without a
// display (a terminal, an ssh session) the message box is not tried, and a
// display that cannot be reached is taken as none.
void reportFailure(const QString& message, int& argc, char** argv);
