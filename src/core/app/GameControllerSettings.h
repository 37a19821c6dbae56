#pragma once

#include "core/outcome/Message.h"

#include <optional>

namespace tarvelin
{

class ProgramStarter;

inline constexpr char kNoControllerSettings[] =
    "The game controller settings could not be started. Install jstest-gtk, or Wine for its "
    "game controller panel, and try again.";

// Opens the desktop's game-controller settings: jstest-gtk when it starts, else Wine's joy.cpl.
// Returns the message to show when neither starts. The utility does not wait for the program.
std::optional<Message> startGameControllerSettings(ProgramStarter& starter);

} // namespace tarvelin
