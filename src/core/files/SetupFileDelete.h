#pragma once

#include "core/files/FileTrashing.h"
#include "core/files/SetupFileRename.h"

namespace tarvelin
{

struct SetupFileDeleteOutcome {
    TrashOutcome trash; // what became of the file, and the box to show if any
    // In every case the file list is refreshed with its counters, the rename field emptied and the
    // frame caption set back.
    bool refreshFileList = true;
    bool setFileCounters = true;
    QString renameFieldText;
    QString frameCaption = QString::fromLatin1(kSourceFilesCaption);
};

// Deletes the selected setup file of `folder` to the trash, after the player's confirmation.
// Nothing selected: "Please choose a file to delete", nothing deleted.
SetupFileDeleteOutcome DeleteSetupFile(const QString& folder, const QString& selectedFileName,
                                       Trash& trash, const ConfirmDeletion& confirm);

} // namespace tarvelin
