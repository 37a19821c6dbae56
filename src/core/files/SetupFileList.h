// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelin
{

// The names of the files in `folder` that match `pattern` ("*.set*", "*.dts*", "Dtr setups.sav")
// without regard to letter case, sorted by name without regard to letter case, as the file list
// shows them. Folders and hidden files are left out. An unreadable folder lists nothing.
QStringList listSetupFiles(const QString& folder, const QString& pattern);
// Whether a file named `name` would be listed by `pattern`, as listSetupFiles matches names: a
// file dragged from anywhere is told a setup file of the game by its name alone.
bool matchesSetupPattern(const QString& name, const QString& pattern);

// A folder as the two lists of a window show it, from one reading of the directory: its setup
// files, as listSetupFiles gives them, and its subfolders, as listSubfolders gives them.
struct FolderContents {
    QStringList files;
    QStringList subfolders;
};
FolderContents listFolder(const QString& folder, const QString& pattern);

} // namespace tarvelin
