#pragma once

#include <QDateTime>

namespace tarvelin
{

class Clock;

// What the backup history takes from outside: whether it keeps generations at all, and the clock
// that dates them. The utility always runs with the standard settings.
struct HistorySettings {
    // Off, keep() keeps nothing and succeeds: the benchmark measures the commands without their
    // history.
    bool keepGenerations = true;
    // The generations' times; null: the system's.
    const Clock* clock = nullptr;

    // Whole seconds in UTC: the records carry no more.
    QDateTime now() const;

    // What a history takes where its maker names no settings (the commands): the standard ones,
    // unless a test or the benchmark put others in force for a scope
    // (tests/support/HistorySettingsInForce.h).
    static HistorySettings inForce();
    // Puts `settings` in force and returns the ones they replace, for the scope's end.
    static HistorySettings putInForce(HistorySettings settings);
};

} // namespace tarvelin
