// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transfer/SetupImport.h"

#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/store/StoreChange.h"
#include "core/store/StorePaths.h"
#include "core/store/StoreReading.h"
#include "core/transfer/SetupFileIntake.h"

namespace tarvelin
{

ImportOutcome importSetup(const ImportRequest& request)
{
    if (request.chosenFile.isEmpty()) {
        return refused<ImportOutcome>(
            {QStringLiteral("You did'nt choose a file to import."),
             request.style == MessageStyle::Plain ? MessageIcon::None : MessageIcon::Information});
    }
    const StorePaths paths = StorePaths::forGameDirectory(request.gameDirectory);
    if (!paths.isValid())
        return refused<ImportOutcome>(noGameDirectoryMessage());

    const RecordLayout layout = request.profile->recordLayout();
    // A dry run writes nothing: it takes no lock and leaves what another command left.
    std::optional<StoreChange> change;
    if (!request.dryRun) {
        change = StoreChange::begin(paths, layout, QStringLiteral("import"), request.history);
        if (!change->started())
            return refused<ImportOutcome>(change->refusal(), change->refusalDetail());
    }

    // The store is read afresh: the game may have saved into it since the window listed it.
    const StoreRead read = change ? change->readStore() : readGameStore(paths, layout);
    if (!read.ok)
        return refused<ImportOutcome>(storeUnreadableMessage(paths.store), read.error);
    const SetupTable& onDisk = read.image.table;

    SetupTable table = onDisk;
    const QString path = joinPath(request.folder, request.chosenFile);
    const SetupIntake intake = takeInSetupFile(table, path, *request.profile);
    if (!intake) {
        ImportOutcome outcome;
        if (intake.storeFull)
            outcome.store = stateOf(onDisk, request.selectedIndex);
        return refused(*intake.refusal, intake.detail, std::move(outcome));
    }

    ImportOutcome outcome;
    const int slot = intake.slot;
    // A file holding an unused slot adds nothing, and the store is left alone.
    if (slot != 0) {
        if (!change) {
            outcome.done = true;
            outcome.importedSlot = slot;
            outcome.store = stateOf(table, request.selectedIndex);
            outcome.wouldChange = previewRestore(onDisk, table, layout);
            return outcome;
        }
        const FileResult written = change->replace(table, layout, read.image.excess, false);
        if (!written) {
            outcome.messages.push_back(change->notWrittenMessage());
            outcome.detail = written.error;
            outcome.store = stateOf(onDisk, request.selectedIndex);
            return outcome; // the file is kept: the setup is nowhere else
        }
        outcome.storeWritten = true;
        outcome.importedSlot = slot;
    }
    outcome.done = true;
    outcome.store = stateOf(table, request.selectedIndex);
    if (!change) {
        outcome.wouldChange = StorePreview{};
        return outcome;
    }
    outcome.fileRemoved = settleImportedFile(path, request.deleteFileAfterImport, outcome);
    return outcome;
}

} // namespace tarvelin
