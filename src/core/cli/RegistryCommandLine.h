// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/CommandContext.h"

// The commands of the command line over the utility's registry file. None needs a game.

namespace tarvelin::cli
{

int runRegistryGet(CommandContext& context);
int runRegistrySet(CommandContext& context);
int runRegistryDelete(CommandContext& context);
int runRegistryImportWine(CommandContext& context);

} // namespace tarvelin::cli
