// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transfer/SetupBatchImport.h"

#include "core/game/GameProfile.h"
#include "core/store/StoreChange.h"
#include "core/store/StorePaths.h"
#include "core/store/StoreReading.h"
#include "core/transfer/SetupFileIntake.h"

namespace tarvelin
{

namespace
{

MessageIcon informationIcon(MessageStyle style)
{
    return style == MessageStyle::Plain ? MessageIcon::None : MessageIcon::Information;
}

Message countMessage(qsizetype imported, qsizetype files, MessageStyle style)
{
    return {QStringLiteral("%1 of %2 setups were imported.").arg(imported).arg(files),
            informationIcon(style)};
}

// Takes each file's setup into `table`, in the request's order, meeting a refusal as the request
// says. False when a refusal means the store stays as it was.
bool takeInFiles(SetupTable& table, const BatchImportRequest& request, BatchImportOutcome& outcome,
                 QStringList& takenIn)
{
    for (const QString& path : request.files) {
        const SetupIntake intake = takeInSetupFile(table, path, *request.profile);
        if (intake) {
            takenIn << path;
            if (intake.slot != 0) {
                outcome.importedSlots.push_back(intake.slot);
                outcome.importedFiles << path;
            }
            continue;
        }
        outcome.messages.push_back(*intake.refusal);
        outcome.detail = intake.detail;
        outcome.refusedFiles << path;
        if (request.onRefusal == BatchRefusal::NothingChanged)
            return false;
        if (request.onRefusal == BatchRefusal::StopThere)
            break;
    }
    return true;
}

} // namespace

BatchImportOutcome importSetups(const BatchImportRequest& request)
{
    if (request.files.isEmpty()) {
        return refused<BatchImportOutcome>({QStringLiteral("You did'nt choose a file to import."),
                                            informationIcon(request.style)});
    }
    const StorePaths paths = StorePaths::forGameDirectory(request.gameDirectory);
    if (!paths.isValid())
        return refused<BatchImportOutcome>(noGameDirectoryMessage());

    const RecordLayout layout = request.profile->recordLayout();
    // A dry run writes nothing: it takes no lock and leaves what another command left.
    std::optional<StoreChange> change;
    if (!request.dryRun) {
        change = StoreChange::begin(paths, layout, QStringLiteral("import"), request.history);
        if (!change->started())
            return refused<BatchImportOutcome>(change->refusal(), change->refusalDetail());
    }
    const StoreRead read = change ? change->readStore() : readGameStore(paths, layout);
    if (!read.ok)
        return refused<BatchImportOutcome>(storeUnreadableMessage(paths.store), read.error);
    const SetupTable& onDisk = read.image.table;

    BatchImportOutcome outcome;
    SetupTable table = onDisk;
    QStringList takenIn; // every file taken in, one of an unused record too
    if (!takeInFiles(table, request, outcome, takenIn)) {
        BatchImportOutcome nothing;
        nothing.messages = std::move(outcome.messages);
        nothing.detail = std::move(outcome.detail);
        nothing.refusedFiles = std::move(outcome.refusedFiles);
        nothing.store = stateOf(onDisk, request.selectedIndex);
        return nothing;
    }
    const bool someRefused = !outcome.refusedFiles.isEmpty();
    if (someRefused && (!takenIn.isEmpty() || request.onRefusal == BatchRefusal::PassOver))
        outcome.messages.push_back(
            countMessage(outcome.importedFiles.size(), request.files.size(), request.style));

    outcome.store = stateOf(table, request.selectedIndex);
    if (!change) {
        outcome.done = !someRefused;
        outcome.wouldChange = previewRestore(onDisk, table, layout);
        return outcome;
    }
    if (!outcome.importedFiles.isEmpty()) {
        const FileResult written = change->replace(table, layout, read.image.excess, false);
        if (!written) {
            // The files are kept: their setups are nowhere else.
            BatchImportOutcome failed;
            failed.messages.push_back(change->notWrittenMessage());
            failed.detail = written.error;
            failed.refusedFiles = outcome.refusedFiles;
            failed.store = stateOf(onDisk, request.selectedIndex);
            return failed;
        }
        outcome.storeWritten = true;
    }
    outcome.done = !someRefused;
    // A file named twice went in twice, and is made writable or deleted once.
    takenIn.removeDuplicates();
    for (const QString& path : std::as_const(takenIn)) {
        if (settleImportedFile(path, request.deleteFilesAfterImport, outcome))
            outcome.deletedFiles << path;
    }
    return outcome;
}

} // namespace tarvelin
