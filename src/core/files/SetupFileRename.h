#pragma once

#include "core/files/FileTrashing.h"
#include "core/platform/Message.h"

#include <QString>
#include <QStringList>

namespace tarvelin
{

struct GameProfile;

// The caption the file group's frame returns to after a rename or a delete.
inline constexpr char kSourceFilesCaption[] = "Source Files";

enum class RenameResult {
    Renamed,
    NoFileSelected,   // "Please choose a file to rename"
    SameName,         // "Can't rename a file to itself. Try Again."
    NoNewName,        // "Please choose the file's new name."
    UnusableName,     // a new name with "/", or "." or ".."
    NotRenamed,       // the copy failed: the selected file is where it was
    CopiedSourceKept, // the new file was written but the selected one could not be deleted
};

struct SetupFileRenameOutcome {
    RenameResult result = RenameResult::NotRenamed;
    Message message; // every rename ends with one box
    FileFocus focus = FileFocus::Unchanged;
    QString newFileName;          // the file's name after a rename
    bool refreshFileList = false; // after a good copy only; the counters are not set again
    // In every case the rename field is emptied and the frame shows "Source Files".
    QString renameFieldText;
    QString frameCaption = QString::fromLatin1(kSourceFilesCaption);
    QStringList passedOver; // failed steps that did not stop the rename (logged)
};

// Renames the selected setup file of `folder` to `newName` + the profile's suffix, by copying it,
// leaving the copy read-only and deleting the original only once the copy is complete. The
// selected file is made writable first, whatever follows.
SetupFileRenameOutcome RenameSetupFile(const QString& folder, const QString& selectedFileName,
                                       const QString& newName, const GameProfile& profile);

} // namespace tarvelin
