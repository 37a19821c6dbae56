// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Beeper.h"
#include "core/platform/Mixer.h"

#include <QList>

namespace fixture
{

// A mixer that records what it is asked, so no test touches the machine's real volume.
class FakeMixer : public tarvelin::Mixer
{
public:
    bool hasCard = true;
    bool hasVolumeControl = true;

    int opens = 0;
    int closes = 0;
    bool isOpen = false;
    QList<quint32> levels;

    bool open() override
    {
        ++opens;
        isOpen = hasCard;
        return hasCard;
    }
    bool findVolumeControl() override { return isOpen && hasVolumeControl; }
    bool setLevel(quint32 level) override
    {
        levels.append(level);
        return isOpen && hasVolumeControl;
    }
    void close() override
    {
        ++closes;
        isOpen = false;
    }
};

class FakeBeeper : public tarvelin::Beeper
{
public:
    int beeps = 0;
    void beep() override { ++beeps; }
};

} // namespace fixture
