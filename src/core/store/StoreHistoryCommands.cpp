// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreHistoryCommands.h"

#include "core/store/StoreChange.h"
#include "core/store/StoreDefect.h"
#include "core/store/StoreFile.h"
#include "core/store/StoreFormat.h"
#include "core/store/StoreHistory.h"
#include "core/store/StorePaths.h"
#include "core/store/StoreReading.h"

namespace tarvelin
{

namespace
{

// The history cannot be used at all (its folder is a link): nothing is read or changed.
Message historyRefusedMessage(const FileResult& why)
{
    return exclamation(QStringLiteral("The backup history cannot be used: %1. Nothing was changed.")
                           .arg(why.error));
}

// A generation with its bytes, and the store as it is now, both read whole.
struct RestorePair {
    Generation generation;
    QByteArray bytes;
    StoreRead present;
};

template <typename Outcome>
std::optional<RestorePair> readPair(const StorePaths& paths, RecordLayout layout, qint64 id,
                                    Outcome& failure, StoreChange* change = nullptr)
{
    const StoreHistory history(paths, layout);
    if (const FileResult safe = history.usable(); !safe) {
        failure = refused<Outcome>(historyRefusedMessage(safe));
        return std::nullopt;
    }
    const std::optional<Generation> generation = history.find(id);
    if (!generation) {
        failure = refused<Outcome>(unknownGenerationMessage(id));
        return std::nullopt;
    }
    const FileContents bytes = history.bytesOf(id);
    if (!bytes.ok) {
        failure = refused<Outcome>(
            exclamation(QStringLiteral("Generation %1 of the backup history could not be read. "
                                       "Nothing was changed.")
                            .arg(id)),
            bytes.error);
        return std::nullopt;
    }
    StoreRead present = change ? change->readStore() : readGameStore(paths, layout);
    if (!present.ok) {
        failure = refused<Outcome>(storeUnreadableMessage(paths.store), present.error);
        return std::nullopt;
    }
    return RestorePair{*generation, bytes.bytes, std::move(present)};
}

Message nothingToUndoMessage()
{
    return {QStringLiteral("There is nothing to undo."), MessageIcon::Information};
}

// The newest generation whose bytes differ from the store's `present` bytes. One that cannot be
// read is named all the same: passing over it would undo more than the last change.
std::optional<qint64> newestChange(const StoreHistory& history, QByteArrayView present)
{
    for (const Generation& generation : history.list().generations) {
        const FileContents bytes = history.bytesOf(generation.id);
        if (!bytes.ok || QByteArrayView(bytes.bytes) != present)
            return generation.id;
    }
    return std::nullopt;
}

// The generation undo restores, found against the store as it is now; nothing, with `failure`
// set, when the history cannot be used, the store cannot be read, or nothing differs.
template <typename Outcome>
std::optional<qint64> undoTarget(const StorePaths& paths, RecordLayout layout, Outcome& failure,
                                 StoreChange* change = nullptr)
{
    const StoreHistory history(paths, layout);
    if (const FileResult safe = history.usable(); !safe) {
        failure = refused<Outcome>(historyRefusedMessage(safe));
        return std::nullopt;
    }
    const StoreRead present = change ? change->readStore() : readGameStore(paths, layout);
    if (!present.ok) {
        failure = refused<Outcome>(storeUnreadableMessage(paths.store), present.error);
        return std::nullopt;
    }
    const std::optional<qint64> id = newestChange(history, present.bytes);
    if (!id)
        failure = refused<Outcome>(nothingToUndoMessage());
    return id;
}

StorePreview previewOf(const RestorePair& pair, RecordLayout layout)
{
    return previewRestore(pair.present.image.table, parseStore(pair.bytes, layout).table, layout);
}

} // namespace

Message unknownGenerationMessage(qint64 id)
{
    return exclamation(
        QStringLiteral("There is no generation %1 in the backup history of this store.").arg(id));
}

HistoryListOutcome listHistory(const QString& gameDirectory, RecordLayout layout)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid())
        return refused<HistoryListOutcome>(noGameDirectoryMessage());
    const StoreHistory history(paths, layout);
    if (const FileResult safe = history.usable(); !safe)
        return refused<HistoryListOutcome>(historyRefusedMessage(safe));
    HistoryListing listing = history.list();
    HistoryListOutcome outcome;
    outcome.done = true;
    outcome.generations = std::move(listing.generations);
    outcome.passedOver = std::move(listing.passedOver);
    return outcome;
}

HistoryPreviewOutcome previewGeneration(const QString& gameDirectory, RecordLayout layout,
                                        qint64 id)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid())
        return refused<HistoryPreviewOutcome>(noGameDirectoryMessage());
    HistoryPreviewOutcome outcome;
    const std::optional<RestorePair> pair = readPair(paths, layout, id, outcome);
    if (!pair)
        return outcome;
    outcome.done = true;
    outcome.generation = pair->generation;
    outcome.preview = previewOf(*pair, layout);
    return outcome;
}

namespace
{

// Restores generation `id` under `change`'s lock; no change: a dry run.
HistoryRestoreOutcome restoreUnder(const StorePaths& paths, RecordLayout layout, qint64 id,
                                   std::optional<StoreChange>& change)
{
    HistoryRestoreOutcome outcome;
    const std::optional<RestorePair> pair =
        readPair(paths, layout, id, outcome, change ? &*change : nullptr);
    if (!pair)
        return outcome;
    // A generation kept from a damaged store, or damaged since, is never written as a store: it
    // would come back as a store of no setups, or of what a misaligned walk found.
    if (const QString defect = storeDefect(pair->bytes, layout); !defect.isEmpty()) {
        return refused<HistoryRestoreOutcome>(
            exclamation(QStringLiteral("Generation %1 of the backup history is not a whole store "
                                       "of this game: %2. Nothing was changed.")
                            .arg(id)
                            .arg(defect)),
            defect);
    }
    outcome.preview = previewOf(*pair, layout);
    outcome.restoredGeneration = id;
    const SetupTable restored = parseStore(pair->bytes, layout).table;
    if (!change) {
        outcome.done = true;
        outcome.store = stateOf(pair->present.image.table);
        return outcome;
    }
    change->replaceWholeStore();
    const FileResult written = change->replaceBytes(pair->bytes, false);
    outcome.done = written.ok;
    outcome.storeWritten = written.ok;
    outcome.keptGeneration = change->keptGeneration();
    if (!written) {
        outcome.messages.push_back(change->notWrittenMessage());
        outcome.detail = written.error;
        outcome.store = stateOf(pair->present.image.table);
        return outcome;
    }
    outcome.store = stateOf(restored);
    return outcome;
}

// Runs `restore` with the store's lock held, or in a dry run, which writes nothing, without it:
// it leaves what another command left.
template <typename Restore>
HistoryRestoreOutcome underLock(const StorePaths& paths, RecordLayout layout,
                                const QString& command, bool dryRun, const HistorySettings& history,
                                Restore restore)
{
    std::optional<StoreChange> change;
    if (!dryRun) {
        change = StoreChange::begin(paths, layout, command, history);
        if (!change->started())
            return refused<HistoryRestoreOutcome>(change->refusal(), change->refusalDetail());
    }
    return restore(change);
}

} // namespace

HistoryRestoreOutcome restoreGeneration(const QString& gameDirectory, RecordLayout layout,
                                        qint64 id, bool dryRun, const HistorySettings& history)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid())
        return refused<HistoryRestoreOutcome>(noGameDirectoryMessage());
    return underLock(paths, layout, QStringLiteral("history restore"), dryRun, history,
                     [&](std::optional<StoreChange>& change) {
                         return restoreUnder(paths, layout, id, change);
                     });
}

HistoryPreviewOutcome previewUndo(const QString& gameDirectory, RecordLayout layout)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid())
        return refused<HistoryPreviewOutcome>(noGameDirectoryMessage());
    HistoryPreviewOutcome failure;
    const std::optional<qint64> id = undoTarget(paths, layout, failure);
    if (!id)
        return failure;
    return previewGeneration(gameDirectory, layout, *id);
}

HistoryRestoreOutcome undoLastChange(const QString& gameDirectory, RecordLayout layout, bool dryRun,
                                     const HistorySettings& history)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid())
        return refused<HistoryRestoreOutcome>(noGameDirectoryMessage());
    return underLock(paths, layout, QStringLiteral("history undo"), dryRun, history,
                     [&](std::optional<StoreChange>& change) {
                         // Found under the lock: the last change is the one before this undo,
                         // not one another command made meanwhile.
                         HistoryRestoreOutcome failure;
                         const std::optional<qint64> id =
                             undoTarget(paths, layout, failure, change ? &*change : nullptr);
                         return id ? restoreUnder(paths, layout, *id, change) : failure;
                     });
}

CommandOutcome pinGeneration(const QString& gameDirectory, RecordLayout layout, qint64 id,
                             bool pinned)
{
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid())
        return refused(noGameDirectoryMessage());
    // Under the store's lock, though the store is not written: a command keeping a generation
    // meanwhile prunes the history.
    const StoreChange change = StoreChange::begin(
        paths, layout, pinned ? QStringLiteral("pin") : QStringLiteral("unpin"), {});
    if (!change.started())
        return refused(change.refusal(), change.refusalDetail());
    const StoreHistory history(paths, layout);
    if (!history.find(id))
        return refused(unknownGenerationMessage(id));
    if (const FileResult written = history.setPinned(id, pinned); !written) {
        return refused(
            exclamation(QStringLiteral("Generation %1 could not be %2.")
                            .arg(id)
                            .arg(pinned ? QStringLiteral("pinned") : QStringLiteral("unpinned"))),
            written.error);
    }
    CommandOutcome outcome;
    outcome.done = true;
    return outcome;
}

} // namespace tarvelin
