// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/SetupTable.h"

namespace tarvelin
{

// The slot of `after` that holds the setup chosen in slot `chosenSlot` of `before`, once the
// store changed on disk: the same slot while it still holds that very setup, else the first
// slot that does (a sort moved it); 0 when it is gone or nothing was chosen.
int slotKeepingChoice(const SetupTable& before, int chosenSlot, const SetupTable& after);

} // namespace tarvelin
