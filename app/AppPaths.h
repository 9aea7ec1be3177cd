#pragma once

#include <QDir>
#include <QString>

// The application folder is the process's current directory when the program
// starts, not the folder that holds the program file: the navigator is run from
// a folder (a distribution disc) that carries its data.
inline QString currentAppDir()
{
    return QDir::currentPath();
}

// The path of a data file of the application folder.
inline QString appFilePath(const QString& appDir, const QString& name)
{
    return appDir + QLatin1Char('/') + name;
}
