// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/StorePaths.h"

#include <QStringList>

namespace tarvelin
{

// Removes what an interrupted write of the utility leaves in the store's folder: setups.tmp, and
// the temporary files of an atomic write (".tarvelin-setup-utility.Ab3xQ9"). Only regular files
// with exactly that name are taken, whatever the letter case of the random part; the player's own
// copies ("setups.sav.BACKUP", "SETUPS.SAV.COPY01", "setups.bak.old123") are never ours. Call it
// with the store's lock held, so no running write loses its file.
// Returns the paths removed.
QStringList removeLeftoverTemporaries(const StorePaths& paths);

} // namespace tarvelin
