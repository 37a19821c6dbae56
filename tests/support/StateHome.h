// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace fixture
{

// Points XDG_STATE_HOME at a folder of its own for the whole test run, removed at its end, so
// that no test (nor a command line it starts) writes a backup history or a picture cache into
// the real home.
// Every test executable calls it once before its tests run; returns the folder.
QString isolateStateHome();

} // namespace fixture
