// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/StorePaths.h"

#include <QStringList>

namespace tarvelin
{

// Removes what an interrupted write of the utility leaves in the store's folder: setups.tmp, and
// the temporary files of an atomic write of setups.sav or setups.bak ("setups.sav.Ab3xQ9").
// Only regular files are taken, and only with the six random letters and digits of such a
// temporary; a suffix that is a plain lower-case word ("setups.sav.backup") may be the player's
// own copy and is left. Call it with the store's lock held, so no running write loses its file.
// Returns the paths removed.
QStringList removeLeftoverTemporaries(const StorePaths& paths);

} // namespace tarvelin
