// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/CommandContext.h"

// The commands of the command line over a store's backup history. Each runs with the game found
// (CommandContext::game).

namespace tarvelin::cli
{

int runHistoryList(CommandContext& context);
int runHistoryShow(CommandContext& context);
int runHistoryRestore(CommandContext& context);
int runHistoryUndo(CommandContext& context);
int runHistoryPin(CommandContext& context);
int runHistoryUnpin(CommandContext& context);

} // namespace tarvelin::cli
