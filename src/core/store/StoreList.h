// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/SetupTable.h"

#include <QString>
#include <vector>

namespace tarvelin
{

// One line of the store list: the setup's name, and the slot it really lies in, which differs
// from its position in a store with gaps.
struct StoreLine {
    int slot = 0;
    QByteArray name; // Windows-1252 bytes as stored

    QString displayName() const;
};

// The used slots in ascending slot order.
std::vector<StoreLine> listStore(const SetupTable& table);

// The numbers shown beside the store list.
struct StoreCounters {
    int nextSlot = 1; // the slot an import fills; 301 when the store is full
    int total = 0;    // the line count
    int selected = 0; // the selected line's position, 1-based; 0 when none

    friend bool operator==(const StoreCounters&, const StoreCounters&) = default;
};

// The counters of `table` listed with the line at selectedIndex (0-based; -1: none) selected. The
// next slot is the one an import fills (SetupTable::firstFreeSlot), which in a store with gaps is
// not the line count plus one.
StoreCounters countersOf(const SetupTable& table, int selectedIndex);

// A store as a command read or left it on disk: what a game window's table, store list and
// counters become. The counters are the command's; the window shows them as they are.
struct StoreState {
    SetupTable table;
    std::vector<StoreLine> lines;
    StoreCounters counters;
};

// selectedIndex: the list line that stays selected (0-based), -1 for none.
StoreState stateOf(const SetupTable& table, int selectedIndex = -1);

} // namespace tarvelin
