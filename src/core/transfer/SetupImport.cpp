// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transfer/SetupImport.h"

#include "core/Logging.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/store/StoreChange.h"
#include "core/store/StoreFile.h"
#include "core/store/StorePaths.h"
#include "core/store/StoreReading.h"

namespace tarvelin
{

namespace
{

// Far more than any setup file, whatever its name's length; anything larger is not one.
constexpr qsizetype kMaxSetupFileSize = qsizetype{1024} * 1024;

// The setup file is made writable, and deleted when asked: it now lives in the store.
void handleImportedFile(const ImportRequest& request, const QString& path, ImportOutcome& outcome)
{
    if (const FileResult normal = setNormal(path); !normal)
        outcome.passedOver << normal.error;
    if (!request.deleteFileAfterImport)
        return;
    const FileResult removed = removeFile(path);
    outcome.fileRemoved = removed.ok;
    if (!removed) {
        outcome.messages.push_back(exclamation(
            QStringLiteral("The setup was imported, but %1 could not be deleted.").arg(path)));
        outcome.detail = removed.error;
    }
}

} // namespace

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

    const int slot = onDisk.firstFreeSlot();
    if (slot == 0) {
        ImportOutcome outcome;
        outcome.store = stateOf(onDisk, request.selectedIndex);
        return refused(
            exclamation(QStringLiteral("The store is full: it holds 300 setups. Delete a setup "
                                       "before you import another. Nothing was imported.")),
            {}, std::move(outcome));
    }

    const QString path = joinPath(request.folder, request.chosenFile);
    const FileContents contents = readWholeFile(path, kMaxSetupFileSize);
    if (!contents.ok) {
        return refused<ImportOutcome>(
            exclamation(QStringLiteral("%1 could not be read. Nothing was imported.").arg(path)),
            contents.error);
    }
    const std::optional<SetupRecord> record = parseSetupFile(contents.bytes, layout);
    if (!record) {
        return refused<ImportOutcome>(
            exclamation(QStringLiteral("%1 is not a setup file of %2. Nothing was "
                                       "imported.")
                            .arg(path, request.profile->gameTitle)));
    }

    ImportOutcome outcome;
    SetupTable table = onDisk;
    // A file holding an unused slot adds nothing, and the store is left alone.
    if (record->isUsed()) {
        table.entry(slot) = *record;
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
    handleImportedFile(request, path, outcome);
    return outcome;
}

} // namespace tarvelin
