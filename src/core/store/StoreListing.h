// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/StoreCommandOutcome.h"
#include "core/store/StoreLayout.h"

#include <QString>

namespace tarvelin
{

// The store as it lies on disk, only read: `store` holds its lines and counters. A missing
// setups.sav in an existing "saved games" folder is an empty store, one the game has not written
// yet; a store that cannot be read is not done, with the reason as the message.
StoreCommandOutcome listSetups(const QString& gameDirectory, RecordLayout layout);

// setups.bak rewritten from setups.sav as a game window's opening rewrites it. Done: the backup
// now equals the store, and the messages name the steps passed over and the files; not done: a
// kept backup, or a store that was not read or a backup that was not written, with the reasons.
// A dry run reads the store alone: done when the backup would be rewritten, with `store` what it
// would hold; nothing is kept or written.
StoreCommandOutcome backUpStore(const QString& gameDirectory, RecordLayout layout,
                                bool dryRun = false);

} // namespace tarvelin
