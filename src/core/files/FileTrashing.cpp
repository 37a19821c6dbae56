// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FileTrashing.h"

#include "core/files/TypedFileName.h"
#include "core/platform/FileIO.h"
#include "core/platform/PathInfo.h"

namespace tarvelin
{

namespace
{
// The value the shell leaves in its aborted flag when the player cancels.
constexpr int kAbortedFlag = 1;
} // namespace

Message trashQuestion(const QString& fileName)
{
    return {QStringLiteral("Are you sure you want to send '%1' to the trash?").arg(fileName),
            MessageIcon::Question, QStringLiteral("Confirm File Delete")};
}

Message operationAbortedMessage()
{
    return {QString::number(kAbortedFlag), MessageIcon::None, QStringLiteral("Operation Aborted")};
}

TrashOutcome trashSelectedFile(const QString& folder, const QString& selectedFileName, Trash& trash,
                               const ConfirmDeletion& confirm)
{
    TrashOutcome outcome;
    const QString path = joinPath(folder, selectedFileName);
    const PathInfo info(path);
    if (folder.isEmpty() || !isUsableFileName(selectedFileName) ||
        (info.isDir() && !info.isSymLink())) {
        outcome.noFileSelected = true;
        return refused({QStringLiteral("Please choose a file to delete")}, {}, outcome);
    }
    if (!confirm || !confirm(trashQuestion(selectedFileName))) {
        outcome.aborted = true;
        return refused(operationAbortedMessage(), {}, outcome);
    }
    const TrashResult result = trash.moveToTrash(path);
    if (!result) {
        return refused<TrashOutcome>(
            {QStringLiteral("%1 was not deleted. %2").arg(selectedFileName, result.error),
             MessageIcon::Critical},
            result.error);
    }
    outcome.done = true;
    outcome.pathInTrash = result.pathInTrash;
    return outcome;
}

TrashOutcome trashChosenFiles(const QString& folder, const QStringList& names, Trash& trash,
                              const ConfirmDeletion& confirm)
{
    if (names.size() < 2)
        return trashSelectedFile(folder, names.value(0), trash, confirm);
    const Message question{
        QStringLiteral("Are you sure you want to send these %1 files to the trash?")
            .arg(names.size()),
        MessageIcon::Question, QStringLiteral("Confirm File Delete")};
    if (!confirm || !confirm(question)) {
        TrashOutcome outcome;
        outcome.aborted = true;
        return refused(operationAbortedMessage(), {}, outcome);
    }
    TrashOutcome outcome;
    outcome.done = true;
    const auto agreed = [](const Message&) {
        return true;
    };
    for (const QString& name : names) {
        const TrashOutcome one = trashSelectedFile(folder, name, trash, agreed);
        if (one.done)
            continue;
        outcome.done = false;
        outcome.messages.insert(outcome.messages.end(), one.messages.begin(), one.messages.end());
    }
    return outcome;
}

} // namespace tarvelin
