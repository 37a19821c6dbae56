// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Mixer.h"

#include <algorithm>

namespace tarvelin
{

long mapLevelToRange(quint32 level, long min, long max)
{
    if (max <= min)
        return min;
    // Unsigned arithmetic, split around the division, holds any range a driver reports.
    const quint64 span = quint64(max) - quint64(min);
    const quint64 clamped = std::min<quint64>(level, Mixer::kMaxLevel);
    const quint64 whole = span / Mixer::kMaxLevel * clamped;
    const quint64 part =
        (span % Mixer::kMaxLevel * clamped + Mixer::kMaxLevel / 2) / Mixer::kMaxLevel;
    return long(quint64(min) + whole + part);
}

} // namespace tarvelin
