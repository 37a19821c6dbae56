// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/Message.h"
#include "core/store/HistorySettings.h"
#include "core/store/StoreList.h"

#include <QStringList>
#include <optional>

namespace tarvelin
{

// What a game window holds once it has loaded its store.
struct StoreOpening {
    bool storeRead = false;     // the table and the list show the store on disk
    bool backupWritten = false; // setups.bak now equals the store just read, header 0
    StoreState store;           // empty, with counters 1, 0, 0, when the store was not read
    qint64 keptGeneration = 0;  // the store differed from the newest generation and was kept
    // Steps that failed and were passed over: logged, never shown in the window.
    QStringList passedOver;
    // Set when the store was missing while a backup existed, or does not read whole as a store
    // of this game (cut short, the other game's): the backup was kept, and this is what the
    // player is told, once per opening.
    std::optional<Message> backupKept;
};

// The store part of a game window's opening, and the command line's backup: read setups.sav and
// list it, keep it in the backup history when the game saved it since the newest generation, and
// rewrite setups.bak from it, leaving the backup read-only. Only a kept backup is shown to the
// player (backupKept); a game directory that is empty or wrong gives an empty list and counters 1,
// 0, 0, and writes nothing.
//
// A missing setups.sav in an existing "saved games" folder reads as an empty store. The backup is
// replaced atomically and only from a store read whole (storeDefect): a store that is missing,
// empty, cut short, the other game's or unreadable never costs the player the backup of the last
// good opening. A backup holding setups the history does not hold yet is kept there before it is
// replaced; when that fails it stays.
StoreOpening openStoreAndBackUp(const QString& gameDirectory, RecordLayout layout,
                                const HistorySettings& history = {});

} // namespace tarvelin
