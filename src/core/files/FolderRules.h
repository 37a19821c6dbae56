// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/Message.h"
#include "core/platform/VolumeTable.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace tarvelin
{

class Registry;

// The counters beside a file list: the selected file's 1-based position ("0" when none is
// selected) and the number of files.
struct FileCounters {
    QString selected;
    QString count;
    friend bool operator==(const FileCounters&, const FileCounters&) = default;
};
FileCounters fileCounters(int selectedIndex, int count);

// The folders nothing is exported to: the file-system root, and no folder at all (which would
// put the file at the root as well).
bool isRootFolder(const QString& folder);
// The refusal of an export, of one setup or of the whole store, to a root folder.
inline constexpr char kRootFolderRefusedText[] =
    "You can't export to the root directory choose a folder and try it again.";

// A folder as the folder list gives it: absolute, with `/`, no trailing `/` but for the root.
QString folderPath(const QString& folder);

// Writes `folder` as the remembered folder `valueName` under the utility's key: the old value is
// deleted first, then the new one set, so a failed write leaves no stale folder behind.
void rememberFolder(Registry& registry, const QString& valueName, const QString& folder);

// The folder a window opens at: the remembered folder `valueName` when it names an existing
// folder, else `currentFolder` (first run, or the folder was removed since).
QString folderToRestore(const Registry& registry, const QString& valueName,
                        const QString& currentFolder);

// What the lists show after the folder list moved to a folder.
struct FolderView {
    QString folder;
    QStringList files;      // no file is selected
    QStringList subfolders; // the folder list's entries below the folder
    QString drive;          // the volume that holds the folder
    FileCounters counters;
};

// The folder change rule: remembers `folder` (when a registry is given) and lists its setup files
// matching `pattern`; the drive list follows the folder.
FolderView changeFolder(Registry* registry, const QString& valueName, const QString& folder,
                        const QString& pattern, const QList<Volume>& volumes);

// The current folder of each volume for this session; a volume not yet visited is at its root.
class DriveFolders
{
public:
    void remember(const QString& drive, const QString& folder) { folders_[drive] = folder; }
    // The remembered folder while it still exists, else the volume's root.
    QString folderOn(const QString& drive) const;

private:
    QHash<QString, QString> folders_;
};

// "<drive>/.  This device is not ready." with the critical icon and the application's title.
Message driveNotReadyMessage(const QString& driveText);

// Where a change to `drive` leads: its current folder, or, when the volume cannot be read, no
// folder (the lists stay as they were and the window shows the message).
struct DriveChange {
    QString folder; // empty when the drive cannot be read
    bool ok() const { return !folder.isEmpty(); }
};
DriveChange changeDrive(const Volume& drive, const DriveFolders& folders);

// What a click on the file `name`, at `index` of `count` files, puts in the window.
struct FileClick {
    FileCounters counters;
    QString frameCaption; // the file's name, with its suffix
    QString renameText;   // the name without `suffix`, as StripExtension gives it
};
FileClick clickFile(const QString& name, int index, int count, const QString& suffix);
// What choosing `chosen` files at once (two or more) of `count` puts in the window: the selected
// counter and the frame say how many, and the rename field is empty, as a rename takes one file.
FileClick chooseSeveralFiles(int chosen, int count);

} // namespace tarvelin
