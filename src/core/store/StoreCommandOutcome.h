// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"
#include "core/store/StoreList.h"
#include "core/store/StorePreview.h"

#include <optional>

namespace tarvelin
{

// What a command that changes the store hands back to the window or the command line.
struct StoreCommandOutcome : CommandOutcome {
    bool storeWritten = false; // setups.sav was replaced
    // The store as read or written by the command; the window reloads its table, list and
    // counters from it. Nothing: the command did not get to read the store, keep what is shown.
    std::optional<StoreState> store;
    // A dry run's answer: what writing the store would change, set once the command got as far
    // as its write and stopped there. `store` is then the store it would have written.
    std::optional<StorePreview> wouldChange;
};

// Texts shared by the store commands.
Message noGameDirectoryMessage();
Message storeUnreadableMessage(const QString& storePath);
Message storeNotWrittenMessage(const QString& storePath);
// `defect` as storeDefect words it.
Message storeDamagedMessage(const QString& storePath, const QString& defect);

} // namespace tarvelin
