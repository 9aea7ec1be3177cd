#pragma once

#include <QString>

// Where an installation keeps the navigator and its files, found from the
// folder of the launcher itself: the installation may be moved to any prefix
// (a staging folder, /usr, /opt/...), so no absolute path is built in.
struct InstalledLayout {
    QString data;      // the read-only files and the pristine tables
    QString navigator; // the navigator program

    // The layout around a launcher in `launcherFolder`, from the relative
    // paths the build gives.
    static InstalledLayout around(const QString& launcherFolder);
};

// The folder that holds this running program, with symbolic links resolved.
QString runningProgramFolder();
