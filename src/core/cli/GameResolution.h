// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cli/CommandContext.h"

#include <optional>

namespace tarvelin::cli
{

// The game of --game; only called for a command the table gives that option as required.
const GameProfile& profileOf(const CommandContext& context);

// --wine-prefix; empty when not given.
QString givenWinePrefix(const CommandContext& context);

// The game directory: --game-dir, else the registry file, else the first Wine prefix that holds
// the game, which the registry file then remembers for the game. Nothing, with
// the player told where to point the utility, when none holds the game.
std::optional<GameContext> resolveGame(CommandContext& context);

} // namespace tarvelin::cli
