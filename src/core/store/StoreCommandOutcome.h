#pragma once

#include "core/platform/Message.h"
#include "core/store/StoreList.h"

#include <optional>
#include <vector>

namespace tarvelin
{

// The store as a command leaves it on disk: what the window's table, store list and counters
// become.
struct StoreState {
    SetupTable table;
    std::vector<StoreLine> lines;
    StoreCounters counters;
};

// selectedIndex: the list line that stays selected (0-based), -1 for none.
StoreState stateOf(const SetupTable& table, int selectedIndex = -1);

// What a command that changes the store hands back to the window or the command line.
struct StoreCommandOutcome {
    bool done = false;         // did what was asked; false: refused or failed, see messages
    bool storeWritten = false; // setups.sav was replaced
    // The store as read or written by the command; the window reloads its table, list and
    // counters from it. Nothing: the command did not get to read the store, keep what is shown.
    std::optional<StoreState> store;
    std::vector<Message> messages;     // shown in this order
    bool clearSetupName = false;       // Text3
    bool clearFileRenameField = false; // Text1
    bool resetFrameCaption = false;    // Frame1 back to "Setup File"
    QString detail; // why it failed, for the log and the command line; never shown in a window
};

// Texts shared by the store commands.
Message noGameDirectoryMessage();
Message storeUnreadableMessage(const QString& storePath);
Message storeNotWrittenMessage(const QString& storePath);

} // namespace tarvelin
