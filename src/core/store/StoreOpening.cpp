// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreOpening.h"

#include "core/Logging.h"
#include "core/outcome/CommandOutcome.h"
#include "core/platform/PathInfo.h"
#include "core/store/StoreFile.h"
#include "core/store/StoreFormat.h"
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

// setups.bak is about to be replaced: setups it holds that the history does not would be lost (a
// first run on a backup the player kept, or one the game's installer left). False: it could not
// be kept, and it stays.
bool keepReplacedBackup(StoreOpening& opening, const StorePaths& paths, RecordLayout layout,
                        const HistorySettings& history, const QByteArray& newBackup)
{
    if (!history.keepGenerations || !PathInfo(paths.backup).isFile())
        return true;
    const FileContents old = readWholeFile(paths.backup, layout::kMaxStoreFileSize);
    if (!old.ok) {
        passOver(opening, old.error);
        return false;
    }
    const StoreHistory storeHistory(paths, layout, history);
    if (old.bytes == newBackup || storeHistory.holds(old.bytes))
        return true;
    const KeepResult kept = storeHistory.keep(old.bytes, QStringLiteral("setups.bak"));
    for (const QString& step : kept.passedOver)
        passOver(opening, step);
    if (!kept)
        passOver(opening, kept.result.error);
    return kept.result.ok;
}

// `nothing`: the store is missing or empty, a store the game has not written yet.
Message keptBackupMessage(const StorePaths& paths, const StoreRead& read, bool nothing)
{
    if (nothing) {
        return exclamation(QStringLiteral("The store %1 is missing, empty or incomplete, so the "
                                          "backup %2 was kept as it was.")
                               .arg(paths.store, paths.backup));
    }
    QString text = QStringLiteral("The store %1 does not read whole as a store of this game: %2. "
                                  "The list shows what could be read, and no command will change "
                                  "the store.")
                       .arg(paths.store, read.defect);
    if (entryExists(paths.backup))
        text += QStringLiteral(" The backup %1 was kept as it was.").arg(paths.backup);
    return exclamation(text);
}

// setups.bak takes the store's bytes and is left read-only; a failed write leaves the old backup
// whole and as protected as it was.
void writeBackup(StoreOpening& opening, const StorePaths& paths, const QByteArray& newBackup)
{
    if (const FileResult normal = setNormal(paths.store); !normal)
        passOver(opening, normal.error);
    const bool backupWasReadOnly = isReadOnly(paths.backup);
    if (PathInfo::exists(paths.backup)) {
        if (const FileResult normal = setNormal(paths.backup); !normal)
            passOver(opening, normal.error);
    }
    const FileResult written = saveFileAtomically(paths.backup, newBackup);
    if (!written) {
        passOver(opening, written.error);
        // The old backup is still the last good one: it stays protected as it was.
        if (backupWasReadOnly) {
            if (const FileResult readOnly = setReadOnly(paths.backup); !readOnly)
                passOver(opening, readOnly.error);
        }
        return;
    }
    opening.backupWritten = true;
    if (const FileResult readOnly = setReadOnly(paths.backup); !readOnly)
        passOver(opening, readOnly.error);
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
    const StoreLock lock = StoreLock::acquire(storeLockFolder(paths), storeLockWait(),
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

    // Only a store read whole replaces the backup. The old backup goes to the history before the
    // store does, so that the store, not the backup it replaces, is the newest generation; when
    // the history cannot take it, the opening writes nothing at all.
    const bool nothing = read.missing || read.bytes.isEmpty();
    const bool whole = !nothing && read.defect.isEmpty();
    const QByteArray newBackup =
        whole ? serializeStore(opening.store.table, layout, read.image.excess) : QByteArray();
    if (whole && !keepReplacedBackup(opening, paths, layout, history, newBackup)) {
        passOver(opening,
                 QStringLiteral("backup kept: the history could not keep %1").arg(paths.backup));
        return opening;
    }
    if (!read.missing)
        keepGameSave(opening, paths, layout, history);
    // What a crash, a player's mistake or the other game left is not a store to back up:
    // setups.bak may be the only copy of the setups it lost.
    if (!whole) {
        const QString why = read.missing            ? QStringLiteral("does not exist")
                            : read.defect.isEmpty() ? QStringLiteral("is empty")
                                                    : read.defect;
        passOver(opening, QStringLiteral("backup kept: %1 %2").arg(paths.store, why));
        if (!nothing || entryExists(paths.backup))
            opening.backupKept = keptBackupMessage(paths, read, nothing);
        return opening;
    }

    writeBackup(opening, paths, newBackup);
    return opening;
}

} // namespace tarvelin
