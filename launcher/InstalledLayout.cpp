#include "launcher/InstalledLayout.h"

#include <QDir>
#include <QFileInfo>

InstalledLayout InstalledLayout::around(const QString& launcherFolder)
{
    const QDir folder(launcherFolder);
    return {QDir::cleanPath(folder.filePath(QStringLiteral(TALV_LAUNCHER_TO_DATA))),
            QDir::cleanPath(folder.filePath(QStringLiteral(TALV_LAUNCHER_TO_NAVIGATOR)))};
}

QString runningProgramFolder()
{
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
}
