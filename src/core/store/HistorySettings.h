// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

namespace tarvelin
{

class Clock;

// What the backup history takes from outside: whether it keeps generations at all, and the clock
// that dates them. The utility always runs with the standard settings (a default-made value);
// the commands that keep generations take them as a parameter, so a test or the benchmark hands in
// others as it hands in any fake.
struct HistorySettings {
    // Off, keep() keeps nothing and succeeds: the benchmark measures the commands without their
    // history.
    bool keepGenerations = true;
    // The generations' times; null: the system's.
    const Clock* clock = nullptr;

    // Whole seconds in UTC: the records carry no more.
    QDateTime now() const;
};

} // namespace tarvelin
