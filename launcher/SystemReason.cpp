#include "launcher/SystemReason.h"

#include <cerrno>

QString systemReason(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав доступа");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("на диске нет места");
    case ENOTDIR:
    case EEXIST:
        return QStringLiteral("на этом месте лежит файл, а не папка");
    case ENOENT:
        return QStringLiteral("такого файла или папки нет");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинный путь");
    case ELOOP:
        return QStringLiteral("символические ссылки зациклены");
    case EIO:
        return QStringLiteral("ошибка чтения или записи диска");
    default:
        return QStringLiteral("системная ошибка № %1").arg(errorNumber);
    }
}
