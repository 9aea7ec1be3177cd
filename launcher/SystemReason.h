#pragma once

#include <QString>

// The reason a system call failed, in Russian words a user understands
// ("нет прав доступа", "на диске нет места"), for the launcher's messages.
QString systemReason(int errorNumber);
