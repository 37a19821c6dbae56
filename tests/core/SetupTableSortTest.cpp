// SPDX-License-Identifier: GPL-3.0-or-later
// The sort keeps the exact order of the exchange sort it stands for, equal names included.

#include "core/store/SetupName.h"
#include "core/store/SetupTable.h"

#include <gtest/gtest.h>
#include <random>
#include <utility>

namespace tarvelin
{
namespace
{

// The plain selection sort with exchanges, comparing names byte by byte through
// compareSetupNames at every step.
void referenceSort(SetupTable& table)
{
    for (int i = 1; i <= layout::kSlotCount; ++i) {
        int candidate = 0;
        for (int j = i; j <= layout::kSlotCount; ++j) {
            if (table.entry(j).isUsed() &&
                (candidate == 0 ||
                 compareSetupNames(table.entry(j).name, table.entry(candidate).name) < 0))
                candidate = j;
        }
        if (candidate == 0)
            return;
        std::swap(table.entry(i), table.entry(candidate));
    }
}

TEST(SetupTableSortTest, MatchesTheExchangeSortOnCrowdedStoresWithRepeatsAndHighBytes)
{
    std::mt19937 random(20261206);
    // Few distinct letters make equal names and shared beginnings frequent.
    const QByteArray letters("aAbB9 \x80\xE9\xFF", 9);
    for (int round = 0; round < 40; ++round) {
        SetupTable table;
        for (int k = 1; k <= layout::kSlotCount; ++k) {
            if (random() % 4 == 0)
                continue; // a gap
            SetupRecord& record = table.entry(k);
            record.used = 1;
            for (int length = int(random() % 4); length > 0; --length)
                record.name.append(letters.at(int(random() % letters.size())));
            record.leadingWords[0] = char(k); // tells equal names apart
        }
        SetupTable expected = table;
        referenceSort(expected);
        table.SortTable();
        for (int k = 1; k <= layout::kSlotCount; ++k)
            ASSERT_EQ(table.entry(k), expected.entry(k)) << "round " << round << ", slot " << k;
    }
}

} // namespace
} // namespace tarvelin
