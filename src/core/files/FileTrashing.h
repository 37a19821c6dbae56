#pragma once

#include "core/platform/Message.h"
#include "core/platform/Trash.h"

#include <QString>
#include <functional>
#include <optional>

namespace tarvelin
{

// Which control of the file group the window puts the focus on after a file command.
enum class FileFocus { Unchanged, FileList, RenameField };

// Asks the player to confirm a deletion; true when the player agreed. The window answers with a
// Yes/No box, the command line with its own policy.
using ConfirmDeletion = std::function<bool(const Message& question)>;

struct TrashOutcome {
    bool trashed = false;
    bool aborted = false; // the player declined; `message` is then the "Operation Aborted" box
    QString pathInTrash;
    std::optional<Message> message; // nothing to show after a file went to the trash
    FileFocus focus = FileFocus::Unchanged;
};

// The question asked before `fileName` goes to the trash.
Message trashQuestion(const QString& fileName);
// The box shown when the player declined: titled "Operation Aborted", the aborted flag as text.
Message operationAbortedMessage();

// Moves the selected file of `folder` to the trash once the player has confirmed. With no file
// selected (or a name that is not a file directly in the folder) nothing is asked and nothing
// is deleted: `noSelectionText` is shown and the focus goes to the file list. The folder itself
// is never handed to the trash.
TrashOutcome TrashSelectedFile(const QString& folder, const QString& selectedFileName, Trash& trash,
                               const ConfirmDeletion& confirm, const QString& noSelectionText);

} // namespace tarvelin
