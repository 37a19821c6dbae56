// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Logging.h"

namespace tarvelin
{

Q_LOGGING_CATEGORY(lcFolder, "tarvelin.folder")
Q_LOGGING_CATEGORY(lcGameMenus, "tarvelin.gamewindow.menus")
Q_LOGGING_CATEGORY(lcGameWindow, "tarvelin.gamewindow")
Q_LOGGING_CATEGORY(lcLinks, "tarvelin.links")
Q_LOGGING_CATEGORY(lcNavigator, "tarvelin.shell.navigator")
Q_LOGGING_CATEGORY(lcStoreWindow, "tarvelin.storewindow")
Q_LOGGING_CATEGORY(lcHistoryWindow, "tarvelin.historywindow")

} // namespace tarvelin
