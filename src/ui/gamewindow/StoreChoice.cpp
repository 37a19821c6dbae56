// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gamewindow/StoreChoice.h"

namespace tarvelin
{

int slotKeepingChoice(const SetupTable& before, int chosenSlot, const SetupTable& after)
{
    if (!SetupTable::isSlot(chosenSlot) || !before.entry(chosenSlot).isUsed())
        return 0;
    const SetupRecord& chosen = before.entry(chosenSlot);
    if (after.entry(chosenSlot) == chosen)
        return chosenSlot;
    for (const int slot : after.usedSlots()) {
        if (after.entry(slot) == chosen)
            return slot;
    }
    return 0;
}

} // namespace tarvelin
