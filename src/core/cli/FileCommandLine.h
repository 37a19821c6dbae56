// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/CommandContext.h"

// The commands of the command line over setup files and store copies in a folder.

namespace tarvelin::cli
{

int runRenameFile(CommandContext& context);
int runTrashFile(CommandContext& context);

} // namespace tarvelin::cli
