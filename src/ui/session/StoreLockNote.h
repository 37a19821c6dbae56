// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvelin
{

// While a window's command waits for another command's lock on a store, the status bar of each
// open game window of that store says so; the note goes once the command has ended. Installed
// once for a run of the windows, removed when it ends.
void installStoreLockNote();
void removeStoreLockNote();

// The note itself.
QString storeLockNoteText(const QString& storePath);

} // namespace tarvelin
