// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreCommands.h"

#include "core/Logging.h"
#include "core/store/StoreChange.h"
#include "core/store/StoreFile.h"
#include "core/store/StorePaths.h"
#include "core/store/StoreReading.h"

namespace tarvelin
{

namespace
{

// Reads setups.sav for a command that rewrites it. An unreadable store is never rewritten: what
// would be written is unknown. A dry run (no change) reads it without the lock: it writes nothing,
// so it neither waits for another command nor tidies what one left.
std::optional<StoreRead> readStore(const StorePaths& paths, RecordLayout layout,
                                   std::optional<StoreChange>& change, StoreCommandOutcome& failure)
{
    StoreRead read = change ? change->readStore() : readGameStore(paths, layout);
    if (!read.ok) {
        failure = refused<StoreCommandOutcome>(storeUnreadableMessage(paths.store), read.error);
        return std::nullopt;
    }
    // Nor is one that does not read whole: the slot or order the player chose is a misreading.
    if (!read.defect.isEmpty()) {
        failure = refused<StoreCommandOutcome>(storeDamagedMessage(paths.store, read.defect),
                                               read.defect);
        failure.store = stateOf(read.image.table);
        return std::nullopt;
    }
    return read;
}

// Writes the new table and says what the window shows afterwards: the new store, or, when the
// write failed, the old one as it still lies on disk. A dry run (no change) stops here and says
// what the write would change.
void finish(StoreCommandOutcome& outcome, std::optional<StoreChange>& change,
            const SetupTable& newTable, const SetupTable& oldTable, RecordLayout layout,
            QByteArrayView excess, bool throughScratch)
{
    if (!change) {
        outcome.done = true;
        outcome.store = stateOf(newTable);
        outcome.wouldChange = previewRestore(oldTable, newTable, layout);
        return;
    }
    const FileResult written = change->replace(newTable, layout, excess, throughScratch);
    outcome.done = written.ok;
    outcome.storeWritten = written.ok;
    outcome.store = stateOf(written ? newTable : oldTable);
    if (!written) {
        outcome.messages.push_back(change->notWrittenMessage());
        outcome.detail = written.error;
    }
}

// The store's lock for the command, or the refusal when another command kept it. False: the
// command cannot go on. A dry run takes no lock and starts no change.
bool beginChange(std::optional<StoreChange>& started, bool dryRun, const StorePaths& paths,
                 RecordLayout layout, const QString& command, const HistorySettings& history,
                 StoreCommandOutcome& failure)
{
    if (dryRun)
        return true;
    StoreChange change = StoreChange::begin(paths, layout, command, history);
    if (!change.started()) {
        failure = refused<StoreCommandOutcome>(change.refusal(), change.refusalDetail());
        return false;
    }
    started.emplace(std::move(change));
    return true;
}

} // namespace

StoreCommandOutcome deleteSetup(const DeleteRequest& request)
{
    if (!request.setupChosen)
        return refused<StoreCommandOutcome>({QStringLiteral("Please choose a file to Delete!")});

    const StorePaths paths = StorePaths::forGameDirectory(request.gameDirectory);
    StoreCommandOutcome outcome;
    if (!paths.isValid())
        return refused<StoreCommandOutcome>(noGameDirectoryMessage());
    std::optional<StoreChange> change;
    if (!beginChange(change, request.dryRun, paths, request.layout, QStringLiteral("delete"),
                     request.history, outcome))
        return outcome;
    const std::optional<StoreRead> read = readStore(paths, request.layout, change, outcome);
    if (!read)
        return outcome;
    const SetupTable& onDisk = read->image.table;

    const int slot = SetupTable::isSlot(request.selectedSlot) ? request.selectedSlot : 0;
    // A slot named without a listing (the command line) that is empty was never a setup: the
    // store has not changed, the slot is simply unused.
    if (slot != 0 && !request.listedName && !onDisk.entry(slot).isUsed()) {
        outcome = refused<StoreCommandOutcome>(
            {QStringLiteral("Slot %1 holds no setup. Nothing was deleted.").arg(slot),
             MessageIcon::Exclamation});
        outcome.store = stateOf(onDisk);
        return outcome;
    }
    const bool stale =
        slot != 0 && (!onDisk.entry(slot).isUsed() ||
                      (request.listedName && onDisk.entry(slot).name != *request.listedName));
    if (stale) {
        outcome = refused<StoreCommandOutcome>(
            {QStringLiteral("Slot %1 of the store does not hold the selected setup: "
                            "the store has changed since it was listed. Nothing "
                            "was deleted.")
                 .arg(slot),
             MessageIcon::Exclamation});
        outcome.store = stateOf(onDisk);
        return outcome;
    }

    SetupTable table = onDisk;
    if (slot != 0)
        table.entry(slot).used = 0;
    table.CompactTable();
    finish(outcome, change, table, onDisk, request.layout, read->image.excess, true);
    return outcome;
}

StoreCommandOutcome restoreStore(const QString& gameDirectory, RecordLayout layout,
                                 const HistorySettings& history, bool dryRun)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid())
        return refused<StoreCommandOutcome>(noGameDirectoryMessage());
    StoreCommandOutcome outcome;
    std::optional<StoreChange> change;
    if (!beginChange(change, dryRun, paths, layout, QStringLiteral("restore"), history, outcome))
        return outcome;
    const StoreRead backup = ReadSlots(paths.backup, layout);
    if (backup.missing) {
        return refused<StoreCommandOutcome>(
            {QStringLiteral("There is no backup to restore: %1 does not exist. The "
                            "store was left as it was.")
                 .arg(paths.backup),
             MessageIcon::Exclamation});
    }
    // A backup that ends before its last slot would put fewer setups back than it held.
    if (!backup.ok || backup.image.cutShort) {
        return refused<StoreCommandOutcome>(
            {QStringLiteral("The backup %1 is incomplete or cannot be read. The store "
                            "was left as it was.")
                 .arg(paths.backup),
             MessageIcon::Exclamation},
            backup.error);
    }

    const StoreRead current = change ? change->readStore() : readGameStore(paths, layout);
    if (change)
        change->replaceWholeStore(); // the backup puts back a store, whatever the present one is
    finish(outcome, change, backup.image.table, current.image.table, layout, backup.image.excess,
           false);
    if (!outcome.done && !current.ok)
        outcome.store.reset(); // neither file's table is what the store holds
    return outcome;
}

StoreCommandOutcome sortStore(const QString& gameDirectory, RecordLayout layout,
                              const HistorySettings& history, bool dryRun)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    StoreCommandOutcome outcome;
    if (!paths.isValid())
        return refused<StoreCommandOutcome>(noGameDirectoryMessage());
    std::optional<StoreChange> change;
    if (!beginChange(change, dryRun, paths, layout, QStringLiteral("sort"), history, outcome))
        return outcome;
    const std::optional<StoreRead> read = readStore(paths, layout, change, outcome);
    if (!read)
        return outcome;
    SetupTable table = read->image.table;
    table.SortTable();
    finish(outcome, change, table, read->image.table, layout, read->image.excess, true);
    return outcome;
}

} // namespace tarvelin
