// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Beeper.h"

namespace tarvelin
{

// QApplication::beep(), the desktop's bell.
class ApplicationBeeper : public Beeper
{
public:
    void beep() override;
};

} // namespace tarvelin
