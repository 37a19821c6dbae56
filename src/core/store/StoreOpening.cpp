// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreOpening.h"

#include "core/Logging.h"
#include "core/platform/PathInfo.h"
#include "core/store/StoreFile.h"
#include "core/store/StoreHistory.h"
#include "core/store/StoreLock.h"
#include "core/store/StorePaths.h"
#include "core/store/StoreReading.h"

namespace tarvelin
{

namespace
{

void passOver(StoreOpening& opening, const QString& why)
{
    qCInfo(lcStore).noquote() << "opening passed over:" << why;
    opening.passedOver << why;
}

// The game saves without the utility: a store that differs from the newest generation is kept
// now, before anything else can replace it. Nothing is refused when that fails: the opening
// changes no store.
void keepGameSave(StoreOpening& opening, const StorePaths& paths, RecordLayout layout,
                  const HistorySettings& history)
{
    const FileContents current = readWholeFile(paths.store, layout::kMaxStoreFileSize);
    if (!current.ok) {
        passOver(opening, current.error);
        return;
    }
    const KeepResult kept =
        StoreHistory(paths, layout, history).keep(current.bytes, QStringLiteral("opening"));
    for (const QString& step : kept.passedOver)
        passOver(opening, step);
    if (!kept)
        passOver(opening, kept.result.error);
    opening.keptGeneration = kept.keptId;
}

} // namespace

StoreOpening openStoreAndBackUp(const QString& gameDirectory, RecordLayout layout,
                                const HistorySettings& history)
{
    StoreOpening opening;
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid()) {
        passOver(opening, QStringLiteral("no game directory"));
        return opening;
    }
    // Held while the store is read and the backup written from it, so the backup is a store
    // that existed, never one half changed by another command.
    const StoreLock lock = StoreLock::acquire(paths.folder, storeLockWait(),
                                              [&paths] { noticeStoreLockWait(paths.store); });

    const StoreRead read = readGameStore(paths, layout);
    if (!read.ok) {
        passOver(opening, read.error);
        return opening;
    }
    opening.storeRead = true;
    opening.store = stateOf(read.image.table);
    // Another command kept the store: it is listed as read, and the backup waits for the next
    // opening rather than being taken from a store that may be changing.
    if (!lock.held()) {
        passOver(opening, lock.error());
        return opening;
    }

    if (!read.missing)
        keepGameSave(opening, paths, layout, history);
    // What a crash or a player's mistake left is not a store to keep: setups.bak may be the only
    // copy of the setups it lost.
    if (read.missing || read.image.cutShort) {
        const QString why = read.missing
                                ? QStringLiteral("%1 does not exist").arg(paths.store)
                                : QStringLiteral("%1 is empty or incomplete").arg(paths.store);
        passOver(opening, QStringLiteral("backup kept: %1").arg(why));
        if (entryExists(paths.backup)) {
            opening.backupKept = Message{
                QStringLiteral("The store %1 is missing, empty or incomplete, so the backup %2 "
                               "was kept as it was.")
                    .arg(paths.store, paths.backup),
                MessageIcon::Exclamation};
        }
        return opening;
    }

    if (const FileResult normal = setNormal(paths.store); !normal)
        passOver(opening, normal.error);
    const bool backupWasReadOnly = isReadOnly(paths.backup);
    if (PathInfo::exists(paths.backup)) {
        if (const FileResult normal = setNormal(paths.backup); !normal)
            passOver(opening, normal.error);
    }
    const FileResult written =
        WriteSlots(paths.backup, opening.store.table, layout, read.image.excess);
    if (!written) {
        passOver(opening, written.error);
        // The old backup is still the last good one: it stays protected as it was.
        if (backupWasReadOnly) {
            if (const FileResult readOnly = setReadOnly(paths.backup); !readOnly)
                passOver(opening, readOnly.error);
        }
        return opening;
    }
    opening.backupWritten = true;
    if (const FileResult readOnly = setReadOnly(paths.backup); !readOnly)
        passOver(opening, readOnly.error);
    return opening;
}

} // namespace tarvelin
