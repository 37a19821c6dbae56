// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/CommandContext.h"

// The commands of the command line over a game's store and whole-store copies. Each runs with
// the game found (CommandContext::game).

namespace tarvelin::cli
{

int runList(CommandContext& context);
int runExport(CommandContext& context);
int runImport(CommandContext& context);
int runDelete(CommandContext& context);
int runSort(CommandContext& context);
int runBackup(CommandContext& context);
int runRestore(CommandContext& context);
int runStoreExport(CommandContext& context);
int runStoreImport(CommandContext& context);

} // namespace tarvelin::cli
