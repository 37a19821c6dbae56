#include "core/store/StoreCommands.h"

#include "core/Logging.h"
#include "core/store/StoreChange.h"
#include "core/store/StoreFile.h"
#include "core/store/StorePaths.h"

namespace tarvelin
{

namespace
{

// Reads setups.sav for a command that rewrites it. An unreadable store is never rewritten: what
// would be written is unknown.
std::optional<StoreRead> readStore(StoreChange& change, StoreCommandOutcome& failure)
{
    StoreRead read = change.readStore();
    if (!read.ok) {
        failure =
            refused<StoreCommandOutcome>(storeUnreadableMessage(change.paths().store), read.error);
        return std::nullopt;
    }
    // Nor is one that does not read whole: the slot or order the player chose is a misreading.
    if (!read.defect.isEmpty()) {
        failure = refused<StoreCommandOutcome>(
            storeDamagedMessage(change.paths().store, read.defect), read.defect);
        failure.store = stateOf(read.image.table);
        return std::nullopt;
    }
    return read;
}

// Writes the new table and says what the window shows afterwards: the new store, or, when the
// write failed, the old one as it still lies on disk.
void finish(StoreCommandOutcome& outcome, StoreChange& change, const SetupTable& newTable,
            const SetupTable& oldTable, RecordLayout layout, QByteArrayView excess,
            bool throughScratch)
{
    const FileResult written = change.replace(newTable, layout, excess, throughScratch);
    outcome.done = written.ok;
    outcome.storeWritten = written.ok;
    outcome.store = stateOf(written ? newTable : oldTable);
    if (!written) {
        outcome.messages.push_back(change.notWrittenMessage());
        outcome.detail = written.error;
    }
}

// The store's lock for the command, or the refusal when another command kept it.
std::optional<StoreChange> beginChange(const StorePaths& paths, RecordLayout layout,
                                       const QString& command, const HistorySettings& history,
                                       StoreCommandOutcome& failure)
{
    StoreChange change = StoreChange::begin(paths, layout, command, history);
    if (!change.started()) {
        failure = refused<StoreCommandOutcome>(change.refusal(), change.refusalDetail());
        return std::nullopt;
    }
    return change;
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
    std::optional<StoreChange> change =
        beginChange(paths, request.layout, QStringLiteral("delete"), request.history, outcome);
    if (!change)
        return outcome;
    const std::optional<StoreRead> read = readStore(*change, outcome);
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
    finish(outcome, *change, table, onDisk, request.layout, read->image.excess, true);
    return outcome;
}

StoreCommandOutcome restoreStore(const QString& gameDirectory, RecordLayout layout,
                                 const HistorySettings& history)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid())
        return refused<StoreCommandOutcome>(noGameDirectoryMessage());
    StoreCommandOutcome outcome;
    std::optional<StoreChange> change =
        beginChange(paths, layout, QStringLiteral("restore"), history, outcome);
    if (!change)
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

    const StoreRead current = change->readStore();
    finish(outcome, *change, backup.image.table, current.image.table, layout, backup.image.excess,
           false);
    if (!outcome.done && !current.ok)
        outcome.store.reset(); // neither file's table is what the store holds
    return outcome;
}

StoreCommandOutcome sortStore(const QString& gameDirectory, RecordLayout layout,
                              const HistorySettings& history)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    StoreCommandOutcome outcome;
    if (!paths.isValid())
        return refused<StoreCommandOutcome>(noGameDirectoryMessage());
    std::optional<StoreChange> change =
        beginChange(paths, layout, QStringLiteral("sort"), history, outcome);
    if (!change)
        return outcome;
    const std::optional<StoreRead> read = readStore(*change, outcome);
    if (!read)
        return outcome;
    SetupTable table = read->image.table;
    table.SortTable();
    finish(outcome, *change, table, read->image.table, layout, read->image.excess, true);
    return outcome;
}

} // namespace tarvelin
