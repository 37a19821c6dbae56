// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"

namespace tarvelin
{

class ProgramStarter;
struct WineSetup;

inline constexpr char kNoControllerSettings[] =
    "The game controller settings could not be started. Install jstest-gtk, or Wine for its "
    "game controller panel, and try again.";

// Opens the desktop's game-controller settings: jstest-gtk when it starts, else Wine's joy.cpl in
// the game's own Wine, where the game will see what the player sets up. Done when one starts;
// else the one message to show. The utility does not wait for the program.
CommandOutcome startGameControllerSettings(ProgramStarter& starter, const WineSetup& wine);

} // namespace tarvelin
