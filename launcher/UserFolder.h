#pragma once

#include <QString>
#include <QStringList>

// The application folder of an installed navigator: a folder of the user's own
// under the XDG data directory, from which the launcher starts the navigator
// (it reads its data from its current directory). The tables the user edits
// are copies made once; the files the navigator only reads are symbolic links
// into the installation, so that an upgrade of the package reaches them while
// the user's own records stay as they are.
namespace UserFolder {

// The phone directory and the city codes: copied on the first start and never
// written over again.
QStringList editableFiles();

// The marker sheet, the landmark photos and the enterprise table: links.
QStringList sharedFiles();

// "$XDG_DATA_HOME/talvinsk", or "$HOME/.local/share/talvinsk" where
// XDG_DATA_HOME is unset or not an absolute path (the XDG rule). Throws
// AppError when neither gives an absolute folder.
QString pathFor(const QString& xdgDataHome, const QString& home);

// The same from this process's environment.
QString defaultPath();

// Makes the folder ready for the navigator, from the installed files in
// `installedData`: creates it and its missing parents, copies an editable
// table that it does not hold yet, and makes or corrects the links. A file the
// user put in the place of a link is left alone. Throws AppError with a
// message for the user when the installation lacks a file or the folder
// cannot be made or written.
void prepare(const QString& installedData, const QString& folder);

} // namespace UserFolder
