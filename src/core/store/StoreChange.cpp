// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreChange.h"

#include "core/Logging.h"
#include "core/platform/PathInfo.h"
#include "core/store/StoreCommandOutcome.h"
#include "core/store/StoreDefect.h"
#include "core/store/StoreHistory.h"
#include "core/store/StoreLeftovers.h"
#include "core/store/StoreReading.h"
#include "core/store/StoreReplace.h"

namespace tarvelin
{

StoreChange::StoreChange(StorePaths paths, RecordLayout layout, QString command,
                         HistorySettings history, StoreLock lock)
    : paths_(std::move(paths)), layout_(layout), command_(std::move(command)), history_(history),
      lock_(std::move(lock))
{
}

StoreChange StoreChange::begin(const StorePaths& paths, RecordLayout layout, QString command,
                               HistorySettings history)
{
    StoreLock lock = StoreLock::acquire(storeLockFolder(paths), storeLockWait(),
                                        [&paths] { noticeStoreLockWait(paths.store); });
    if (!lock.held())
        qCWarning(lcStore).noquote() << command << "refused:" << lock.error();
    else
        removeLeftoverTemporaries(paths); // no other write of this store is running now
    return StoreChange(paths, layout, std::move(command), history, std::move(lock));
}

StoreRead StoreChange::readStore()
{
    StoreRead read = readGameStore(paths_, layout_);
    if (read.ok)
        storeRead_ = read.bytes;
    else
        storeRead_.reset();
    return read;
}

Message StoreChange::refusal() const
{
    return {QStringLiteral("%1 is being changed by another program. Nothing was changed: try "
                           "again in a moment.")
                .arg(paths_.store),
            MessageIcon::Exclamation};
}

FileResult StoreChange::replace(const SetupTable& table, RecordLayout layout, QByteArrayView excess,
                                bool throughScratch)
{
    return replaceBytes(serializeStore(table, layout, excess), throughScratch);
}

FileResult StoreChange::replaceBytes(const QByteArray& bytes, bool throughScratch)
{
    Q_ASSERT(started());
    historyRefused_ = false;
    defect_.clear();
    keptGeneration_ = 0;
    const auto refused = [this](FileResult why) {
        historyRefused_ = true;
        qCWarning(lcStore).noquote() << command_ << "refused: history:" << why.error;
        return why;
    };
    const StoreHistory history(paths_, layout_, history_);
    std::optional<StoreHistory::Staged> staged;
    if (FileResult kept = stageInHistory(history, staged); !kept)
        return storeDamaged() ? kept : refused(std::move(kept));
    // The generation is put in place while the new store is flushed, and before the new store
    // replaces the old one.
    const BeforeCommit putGenerationInPlace = [&]() -> FileResult {
        const KeepResult kept = history.finish(*staged);
        for (const QString& step : kept.passedOver)
            qCInfo(lcStore).noquote() << "history passed over:" << step;
        if (!kept)
            return refused(kept.result);
        keptGeneration_ = kept.keptId;
        return FileResult::success();
    };
    FileResult written = replaceStoreBytes(paths_, bytes, throughScratch,
                                           staged ? putGenerationInPlace : BeforeCommit());
    // What the store holds now, for a further replacement by the same command.
    if (written)
        storeRead_ = bytes;
    else
        storeRead_.reset();
    return written;
}

FileResult StoreChange::stageInHistory(const StoreHistory& history,
                                       std::optional<StoreHistory::Staged>& staged)
{
    // No store yet, or something that is no store file (a folder, a FIFO): there is nothing to
    // keep, and the write decides what becomes of it.
    const PathInfo store(paths_.store);
    if (!store.exists() || !store.isFile())
        return FileResult::success();
    if (!storeRead_) {
        const FileContents current = readWholeFile(paths_.store, layout::kMaxStoreFileSize);
        if (!current.ok)
            return FileResult::failure(current.error);
        storeRead_ = current.bytes;
    }
    // A store that does not read whole is not replaced: the table the command changed is a
    // misreading of it, and writing that back would garble the player's setups. An empty file
    // holds no setup to garble; it takes a change as a store not written yet does.
    if (!storeRead_->isEmpty() && !replacesWholeStore_)
        defect_ = storeDefect(*storeRead_, layout_);
    if (!defect_.isEmpty()) {
        qCWarning(lcStore).noquote() << command_ << "refused:" << paths_.store << defect_;
        return FileResult::failure(QStringLiteral("%1: %2").arg(paths_.store, defect_));
    }
    staged = history.stage(*storeRead_, command_);
    if (!staged->result) {
        FileResult failed = staged->result.result;
        staged.reset();
        return failed;
    }
    if (!staged->save) {
        // Equal to the newest generation: nothing to keep.
        for (const QString& step : staged->result.passedOver)
            qCInfo(lcStore).noquote() << "history passed over:" << step;
        staged.reset();
    }
    return FileResult::success();
}

Message StoreChange::notWrittenMessage() const
{
    if (storeDamaged())
        return storeDamagedMessage(paths_.store, defect_);
    if (!historyRefused_)
        return storeNotWrittenMessage(paths_.store);
    return exclamation(QStringLiteral("The store %1 was not changed, because its present state "
                                      "could not be kept in the backup history.")
                           .arg(paths_.store));
}

} // namespace tarvelin
