#pragma once

#include <QString>
#include <QStringList>

// The files without which the navigator cannot work, in the order in which they
// are checked. The table engine is linked into the program, so only the phone
// directory and the marker sprite sheet remain.
QStringList requiredFileNames();

// The first required file that is missing from the application folder (as a
// plain file), or an empty string when all are present. The check stops at the
// first missing file.
QString firstMissingRequiredFile(const QString& appDir);

inline QString missingFilesMessage()
{
    return QStringLiteral("Нет необходимых файлов");
}
