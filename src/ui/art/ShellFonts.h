// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace tarvelin
{

// "Impact" where the desktop has it; else the nearest condensed bold face.
QFont impactFont(int pointSize);
// "Arial Black" where the desktop has it; else a heavy sans face.
QFont arialBlackFont(int pointSize);

} // namespace tarvelin
