#include "core/files/SetupFileDelete.h"

namespace tarvelin
{

SetupFileDeleteOutcome DeleteSetupFile(const QString& folder, const QString& selectedFileName,
                                       Trash& trash, const ConfirmDeletion& confirm)
{
    SetupFileDeleteOutcome outcome;
    outcome.trash = TrashSelectedFile(folder, selectedFileName, trash, confirm,
                                      QStringLiteral("Please choose a file to delete"));
    return outcome;
}

} // namespace tarvelin
