// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/HistorySettings.h"
#include "core/store/StoreCommandOutcome.h"
#include "core/transfer/MessageStyle.h"

namespace tarvelin
{

struct GameProfile;

struct ImportRequest {
    QString gameDirectory;
    const GameProfile* profile = nullptr;
    QString folder; // the chosen folder
    // The name of the chosen file in that folder; empty when the player has chosen none.
    QString chosenFile;
    MessageStyle style = MessageStyle::Marked;
    // The file is deleted once its setup is in the store; otherwise it stays, made writable.
    bool deleteFileAfterImport = false;
    int selectedIndex = -1; // the store list's selected line (0-based), which stays selected
    HistorySettings history = {};
    // Only say what the import would do: no lock, no generation, nothing written or deleted.
    bool dryRun = false;
};

struct ImportOutcome : StoreCommandOutcome {
    int importedSlot = 0;     // 0: nothing was added (refused, or a file holding no setup)
    bool fileRemoved = false; // the imported file was deleted, as asked
};

// Import: re-reads setups.sav, puts the setup of the chosen file into its first free slot and
// rewrites the store, keeping any bytes after slot 300. The file is then deleted when asked, else
// kept and made writable. A full store, or a file that is not exactly one setup of this game, is
// refused with a message and nothing changes, the file included. A dry run stops before the write:
// done, with the slot the setup would take, the store it would write and what that changes.
ImportOutcome importSetup(const ImportRequest& request);

} // namespace tarvelin
