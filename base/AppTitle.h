#pragma once

#include <QString>

// The name under which the program presents itself on the task bar and as the
// title of its error boxes; the main window has its own caption.
inline QString applicationTitle()
{
    return QStringLiteral("ТальвинскНавигатор");
}
