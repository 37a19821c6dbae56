// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"
#include "core/store/HistorySettings.h"
#include "core/store/StoreList.h"
#include "core/store/StorePreview.h"

#include <QString>
#include <optional>

namespace tarvelin
{

struct GameProfile;

// done: export, the copy was written; import, the store was replaced. Neither reports success
// with a message; a failure has one.
struct StoreCopyOutcome : CommandOutcome {
    QString writtenPath;
    // The store on disk as read or written, nothing selected. The game window of the same game,
    // when it is open, takes it as its table, list and counters, so that it never writes an older
    // table back over the store. Unset: the store was not read; the game window keeps its list.
    std::optional<StoreState> store;
    // A dry run's answer, once it got as far as the write: what an import would change in the
    // store (an export changes no store and leaves it unset).
    std::optional<StorePreview> wouldChange;
    // Export only: a copy of that name is there and replaceExisting was not given. The outcome's
    // one message is the question to ask; the export is made again with replaceExisting once
    // the player says yes. Nothing was written.
    bool wouldReplace = false;
};

// The message of a whole-store import whose copy was not chosen or is not one to import.
inline constexpr char kNoCopyChosenText[] = "You did'nt choose a file to import.";

// Copies the game's store into `transferFolder` as the profile's StoreCopyFileName: the store's
// header as read and its 300 slots rebuilt from what was read, left writable. The file-system
// root and a copy that is a link are refused. A store that cannot be read writes no copy, so a good
// copy is never replaced by an empty one. An existing copy, a friend's store perhaps, is replaced
// only with `replaceExisting`, as a single setup's export is. A dry run (dryRun, for both) makes
// every check and stops before the first change to any file: done, writtenPath the file it would
// write.
StoreCopyOutcome exportStoreCopy(const QString& gameDirectory, const QString& transferFolder,
                                 const GameProfile& profile, bool replaceExisting = false,
                                 bool dryRun = false);

// Replaces the game's store by the selected copy, keeping its slot positions and any bytes after
// slot 300; the header written is the profile's StoreImportHeader. A copy cut short, or one that
// reads whole only as the other game's store, is refused. A copy missing, unreadable or not a
// whole store of this game ends with kNoCopyChosenText; a store that could not be written, or one
// that does not read whole itself, says so. Either way the store is left as it was.
StoreCopyOutcome importStoreCopy(const QString& gameDirectory, const QString& transferFolder,
                                 const QString& selectedFileName, const GameProfile& profile,
                                 const HistorySettings& history = {}, bool dryRun = false);

} // namespace tarvelin
