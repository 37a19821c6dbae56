#include "store/SetupTable.h"

#include "store/SetupName.h"

#include <utility>

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
    for (int i = 1; i <= layout::kSlotCount; ++i) {
        int candidate = 0;
        for (int j = i; j <= layout::kSlotCount; ++j) {
            if (!entry(j).isUsed())
                continue;
            if (candidate == 0 || compareSetupNames(entry(j).name, entry(candidate).name) < 0)
                candidate = j;
        }
        if (candidate == 0)
            return;
        if (candidate != i)
            std::swap(entry(i), entry(candidate));
    }
}

} // namespace tarvelin
