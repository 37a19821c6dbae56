#pragma once

#include "core/store/StoreCommandOutcome.h"
#include "core/transfer/EntryPoint.h"

namespace tarvelin
{

struct GameProfile;

struct ImportRequest {
    QString gameDirectory;
    const GameProfile* profile = nullptr;
    QString folder; // the chosen folder (Dir1)
    // The file list's selected file name; empty when no file is chosen (Text1 is empty).
    QString chosenFile;
    EntryPoint entryPoint = EntryPoint::Button;
    int selectedIndex = -1; // the store list's selected line (0-based), which stays selected
};

struct ImportOutcome : StoreCommandOutcome {
    int importedSlot = 0;     // 0: nothing was added (refused, or a file holding no setup)
    bool fileRemoved = false; // the menu entry deleted the imported file
};

// Import: re-reads setups.sav, puts the setup of the chosen file into its first free slot and
// rewrites the store, keeping any bytes after slot 300. The menu entry then deletes the file;
// the button keeps it, made writable. A full store, or a file that is not exactly one setup of
// this game, is refused with a message and nothing changes, the file included.
ImportOutcome ImportSetup(const ImportRequest& request);

} // namespace tarvelin
