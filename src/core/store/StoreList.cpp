// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreList.h"

#include "core/names/Windows1252.h"

namespace tarvelin
{

QString StoreLine::displayName() const
{
    return decodeWindows1252(name);
}

std::vector<StoreLine> listStore(const SetupTable& table)
{
    std::vector<StoreLine> lines;
    for (const int slot : table.usedSlots())
        lines.push_back({slot, table.entry(slot).name});
    return lines;
}

StoreCounters countersOf(const SetupTable& table, int selectedIndex)
{
    const int free = table.firstFreeSlot();
    return {free != 0 ? free : layout::kSlotCount + 1, table.usedCount(), selectedIndex + 1};
}

StoreState stateOf(const SetupTable& table, int selectedIndex)
{
    StoreState state{table, listStore(table), {}};
    state.counters = countersOf(table, selectedIndex);
    return state;
}

} // namespace tarvelin
