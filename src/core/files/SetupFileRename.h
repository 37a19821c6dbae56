// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"

#include <QString>

namespace tarvelin
{

struct GameProfile;

enum class RenameResult {
    Renamed,
    NoFileSelected,   // "Please choose a file to rename"
    SameName,         // "Can't rename a file to itself. Try Again."
    NoNewName,        // "Please choose the file's new name."
    UnusableName,     // a new name with "/", or "." or "..", or a shown U+FFFD
    NotRenamed,       // the copy failed: the selected file is where it was
    CopiedSourceKept, // the new file was written but the selected one could not be deleted
    WouldReplace,     // a file of the new name exists: the message is the question to ask
};

// Every rename ends with one message; done when the result is Renamed.
struct SetupFileRenameOutcome : CommandOutcome {
    RenameResult result = RenameResult::NotRenamed;
    QString newFileName; // the new file's name; empty when no new file was written
};

// Renames the selected setup file of `folder` to `newName` + the profile's suffix, by copying it,
// leaving the copy read-only and deleting the original only once the copy is complete. The
// selected file is made writable first, whatever follows. An existing file of the new name is
// replaced only with `replaceExisting` (the player said yes), and never when it is read-only. A
// dry run makes every check, changes no file (not even the selected file's mode) and ends done,
// with newFileName the name the file would get.
SetupFileRenameOutcome renameSetupFile(const QString& folder, const QString& selectedFileName,
                                       const QString& newName, const GameProfile& profile,
                                       bool replaceExisting = false, bool dryRun = false);

} // namespace tarvelin
