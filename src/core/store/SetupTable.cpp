// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SetupTable.h"

#include "core/names/Windows1252.h"
#include "core/store/SetupName.h"

#include <string>
#include <utility>
#include <vector>

namespace tarvelin
{

int SetupTable::usedCount() const
{
    int count = 0;
    for (int k = 1; k <= layout::kSlotCount; ++k)
        count += entry(k).isUsed() ? 1 : 0;
    return count;
}

std::vector<int> SetupTable::usedSlots() const
{
    std::vector<int> slots;
    for (int k = 1; k <= layout::kSlotCount; ++k) {
        if (entry(k).isUsed())
            slots.push_back(k);
    }
    return slots;
}

int SetupTable::firstFreeSlot() const
{
    for (int k = 1; k <= layout::kSlotCount; ++k) {
        if (!entry(k).isUsed())
            return k;
    }
    return 0;
}

void SetupTable::CompactTable()
{
    int next = 1;
    for (int k = 1; k <= layout::kSlotCount; ++k) {
        if (!entry(k).isUsed())
            continue;
        if (k != next)
            entry(next) = entry(k);
        ++next;
    }
    for (int k = next; k <= layout::kSlotCount; ++k)
        entry(k) = SetupRecord{};
}

void SetupTable::SortTable()
{
    // The selection below compares each pair of names many times: map every name to its
    // character codes once. Comparing the codes as strings is compareSetupNames' order (code by
    // code, a name before its longer continuation), so the exchanges are the same.
    std::vector<std::u16string> keys(layout::kSlotCount + 1);
    for (int j = 1; j <= layout::kSlotCount; ++j) {
        if (!entry(j).isUsed())
            continue;
        for (const char byte : entry(j).name)
            keys[size_t(j)].push_back(windows1252Unicode(static_cast<unsigned char>(byte)));
    }
    for (int i = 1; i <= layout::kSlotCount; ++i) {
        int candidate = 0;
        for (int j = i; j <= layout::kSlotCount; ++j) {
            if (!entry(j).isUsed())
                continue;
            if (candidate == 0 || keys[size_t(j)] < keys[size_t(candidate)])
                candidate = j;
        }
        if (candidate == 0)
            return;
        if (candidate != i) {
            std::swap(entry(i), entry(candidate));
            std::swap(keys[size_t(i)], keys[size_t(candidate)]);
        }
    }
}

} // namespace tarvelin
