// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"
#include "core/platform/Trash.h"

#include <QString>
#include <functional>

namespace tarvelin
{

// Asks the player to confirm a deletion; true when the player agreed. The window answers with a
// Yes/No box, the command line with its own policy.
using ConfirmDeletion = std::function<bool(const Message& question)>;

// done: the file went to the trash, and nothing is shown; otherwise one message says why not.
struct TrashOutcome : CommandOutcome {
    bool aborted = false;        // the player declined; the message is the "Operation Aborted" box
    bool noFileSelected = false; // nothing was asked or deleted: there was no file to delete
    QString pathInTrash;
};

// The question asked before `fileName` goes to the trash.
Message trashQuestion(const QString& fileName);
// The box shown when the player declined: titled "Operation Aborted", the aborted flag as text.
Message operationAbortedMessage();

// Moves the selected file of `folder` (a setup file, a whole-store copy) to the trash once the
// player has confirmed. With no file selected (or a name that is not a file directly in the
// folder) nothing is asked and nothing is deleted: "Please choose a file to delete". The folder
// itself is never handed to the trash.
TrashOutcome trashSelectedFile(const QString& folder, const QString& selectedFileName, Trash& trash,
                               const ConfirmDeletion& confirm);

// Several chosen files of `folder` to the trash, after one question naming how many. Each name
// goes as trashSelectedFile sends one; a file that cannot go is named in its own message and the
// others still go. done: every file went. With fewer than two names, as trashSelectedFile.
TrashOutcome trashChosenFiles(const QString& folder, const QStringList& names, Trash& trash,
                              const ConfirmDeletion& confirm);

} // namespace tarvelin
