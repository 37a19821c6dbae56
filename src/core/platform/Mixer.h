// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace tarvelin
{

// The sound card's mixer, as the volume window uses it: open it, find the speaker volume, set
// it, close it. It is never read back.
class Mixer
{
public:
    static constexpr quint32 kMaxLevel = 65535;

    virtual ~Mixer() = default;

    // False when there is no mixer to open. Opening an open mixer opens it afresh.
    virtual bool open() = 0;
    // Looks up the speaker volume control of the open mixer; false when there is none.
    virtual bool findVolumeControl() = 0;
    // Sets the volume control found to `level` (0 to kMaxLevel) on every channel. True when the
    // mixer took the value.
    virtual bool setLevel(quint32 level) = 0;
    // Closing a closed mixer does nothing.
    virtual void close() = 0;
};

// `level` (0 to Mixer::kMaxLevel, larger levels count as the largest) mapped linearly onto a
// control's range, rounded to the nearest step: 0 gives `min`, kMaxLevel gives `max`.
long mapLevelToRange(quint32 level, long min, long max);

} // namespace tarvelin
