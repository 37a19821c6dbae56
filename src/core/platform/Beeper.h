// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarvelin
{

// The system beep.
class Beeper
{
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

} // namespace tarvelin
