#include "app/RequiredFiles.h"

#include "app/AppPaths.h"

#include <QFileInfo>

QStringList requiredFileNames()
{
    return {QStringLiteral("prdata.db"), QStringLiteral("dtdn2.sd")};
}

QString firstMissingRequiredFile(const QString& appDir)
{
    for (const QString& name : requiredFileNames()) {
        if (!QFileInfo(appFilePath(appDir, name)).isFile())
            return name;
    }
    return {};
}
