// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/CommandContext.h"

namespace tarvelin::cli
{

// help [COMMAND [SUBCOMMAND]]: the help --help shows, for the program or the named command.
int runHelp(CommandContext& context);

} // namespace tarvelin::cli
