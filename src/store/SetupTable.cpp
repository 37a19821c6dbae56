#include "store/SetupTable.h"

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

} // namespace tarvelin
