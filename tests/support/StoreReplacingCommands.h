// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"

#include <QString>
#include <functional>
#include <vector>

namespace fixture
{

// What the commands below take in, planted in the player's folder: the Dirt Track Racing setup
// "Track.set" and the whole-store copy "Dtr setups.sav" holding the one setup "Copy".
void plantCommandInputs(const QString& folder);

// One command that replaces a Dirt Track Racing store, run on a game directory with `folder` as
// the player's chosen folder.
struct StoreReplacingCommand {
    const char* name; // as the backup history records it
    std::function<tarvelin::CommandOutcome(const QString& game, const QString& folder)> run;
};

// The import of "Track.set" by the menu entry (the file deleted once stored), the delete of slot
// 1, the sort, the restore of setups.bak, the import of "Dtr setups.sav" and, unless
// `generation` is 0, the history's restore of that generation.
std::vector<StoreReplacingCommand> storeReplacingCommands(qint64 generation = 0);

} // namespace fixture
