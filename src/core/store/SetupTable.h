// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/SetupRecord.h"

#include <array>
#include <vector>

namespace tarvelin
{

// The store in memory: entries 0 to 300, where entry k mirrors slot k of the file last read.
// Entry 0 is never read from or written to a file; it is what "nothing selected" addresses.
class SetupTable
{
public:
    SetupRecord& entry(int k) { return entries_.at(static_cast<size_t>(k)); }
    const SetupRecord& entry(int k) const { return entries_.at(static_cast<size_t>(k)); }

    static bool isSlot(int k) { return k >= 1 && k <= layout::kSlotCount; }

    int usedCount() const;
    // Slot numbers of the used entries, ascending: the store list's lines in order.
    std::vector<int> usedSlots() const;
    // The lowest unused slot, or 0 when all 300 are used.
    int firstFreeSlot() const;

    // Moves the used entries to 1..N in their order; N + 1 to 300 become unused.
    void CompactTable();
    // Orders the used entries by name (compareSetupNames) into 1..N with a selection sort that
    // exchanges entries, so setups of equal names end in the order those exchanges give.
    void SortTable();

    friend bool operator==(const SetupTable&, const SetupTable&) = default;

private:
    std::array<SetupRecord, layout::kTableSize> entries_{};
};

} // namespace tarvelin
