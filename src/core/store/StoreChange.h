// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/Message.h"
#include "core/platform/FileIO.h"
#include "core/store/StoreFile.h"
#include "core/store/StoreFormat.h"
#include "core/store/StoreHistory.h"
#include "core/store/StoreLock.h"
#include "core/store/StorePaths.h"

#include <optional>

namespace tarvelin
{

// One read, change and write of a store by one command. The store's lock is held from begin()
// until the object is destroyed, so the store a command read is still the one it replaces, and
// replace() is the one way a command puts a new store in place.
class StoreChange
{
public:
    // Takes the store's lock, waiting a few seconds for another command; `command` names the
    // change ("import", "delete", ...) for the log and the history, which keeps the replaced
    // store as `history` says.
    static StoreChange begin(const StorePaths& paths, RecordLayout layout, QString command,
                             HistorySettings history);

    bool started() const { return lock_.held(); }
    // What a command says when it could not start: another one kept the store locked.
    Message refusal() const;
    const QString& refusalDetail() const { return lock_.error(); }

    const StorePaths& paths() const { return paths_; }
    // Reads the store under the lock; the history keeps these very bytes when the command
    // replaces the store, instead of reading the file a second time.
    StoreRead readStore();
    const QString& command() const { return command_; }

    // The store as it is is kept in the backup history first; when that fails the store is not
    // touched and the replacement fails. So does a store that does not read whole as a store of
    // this game: whatever a command changed, it changed a misreading of it.
    FileResult replace(const SetupTable& table, RecordLayout layout, QByteArrayView excess,
                       bool throughScratch);
    FileResult replaceBytes(const QByteArray& bytes, bool throughScratch);
    // The new store does not come from the present one (the backup, a whole-store copy, a
    // generation): a damaged store is then kept in the history as it is and replaced, since
    // that is how a player recovers from the damage.
    void replaceWholeStore() { replacesWholeStore_ = true; }

    // Why the last replacement failed, as the player is told: the history could not keep the
    // store, or the store itself could not be written.
    Message notWrittenMessage() const;
    bool historyRefused() const { return historyRefused_; }
    // The last replacement was refused because the store does not read whole as its game's.
    bool storeDamaged() const { return !defect_.isEmpty(); }
    // The generation the last replacement kept; 0 when the store equalled the newest one.
    qint64 keptGeneration() const { return keptGeneration_; }

private:
    StoreChange(StorePaths paths, RecordLayout layout, QString command, HistorySettings history,
                StoreLock lock);
    FileResult stageInHistory(const StoreHistory& history,
                              std::optional<StoreHistory::Staged>& staged);

    StorePaths paths_;
    RecordLayout layout_;
    QString command_;
    HistorySettings history_;
    StoreLock lock_;
    bool replacesWholeStore_ = false;
    std::optional<QByteArray> storeRead_; // the store's bytes as this change last read them
    bool historyRefused_ = false;
    QString defect_; // why the store on disk does not read whole, when that refused a replacement
    qint64 keptGeneration_ = 0;
};

} // namespace tarvelin
