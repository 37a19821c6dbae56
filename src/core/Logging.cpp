// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Logging.h"

namespace tarvelin
{

Q_LOGGING_CATEGORY(lcCommandLine, "tarvelin.cli")
Q_LOGGING_CATEGORY(lcDemo, "tarvelin.demo")
Q_LOGGING_CATEGORY(lcDrives, "tarvelin.drives")
Q_LOGGING_CATEGORY(lcFiles, "tarvelin.files")
Q_LOGGING_CATEGORY(lcLauncher, "tarvelin.launcher")
Q_LOGGING_CATEGORY(lcMixer, "tarvelin.mixer")
Q_LOGGING_CATEGORY(lcRegistry, "tarvelin.registry")
Q_LOGGING_CATEGORY(lcStarter, "tarvelin.starter")
Q_LOGGING_CATEGORY(lcStore, "tarvelin.store")
Q_LOGGING_CATEGORY(lcTransfer, "tarvelin.transfer")
Q_LOGGING_CATEGORY(lcTrash, "tarvelin.trash")
Q_LOGGING_CATEGORY(lcWine, "tarvelin.wine", QtInfoMsg)

} // namespace tarvelin
