// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The core's logging categories, one per module, all under "tarvelin.": a failed step that the
// program passes over silently is still written here (QT_LOGGING_RULES="tarvelin.*=true").
namespace tarvelin
{

Q_DECLARE_LOGGING_CATEGORY(lcCommandLine) // tarvelin.cli
Q_DECLARE_LOGGING_CATEGORY(lcDemo)        // tarvelin.demo
Q_DECLARE_LOGGING_CATEGORY(lcDrives)      // tarvelin.drives
Q_DECLARE_LOGGING_CATEGORY(lcFiles)       // tarvelin.files
Q_DECLARE_LOGGING_CATEGORY(lcLauncher)    // tarvelin.launcher
Q_DECLARE_LOGGING_CATEGORY(lcMixer)       // tarvelin.mixer
Q_DECLARE_LOGGING_CATEGORY(lcRegistry)    // tarvelin.registry
Q_DECLARE_LOGGING_CATEGORY(lcStarter)     // tarvelin.starter
Q_DECLARE_LOGGING_CATEGORY(lcStore)       // tarvelin.store
Q_DECLARE_LOGGING_CATEGORY(lcTransfer)    // tarvelin.transfer
Q_DECLARE_LOGGING_CATEGORY(lcTrash)       // tarvelin.trash
Q_DECLARE_LOGGING_CATEGORY(lcWine)        // tarvelin.wine, information messages shown by default

} // namespace tarvelin
