// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The windows' logging categories, one per module, all under "tarvelin.".
namespace tarvelin
{

Q_DECLARE_LOGGING_CATEGORY(lcFolder)        // tarvelin.folder
Q_DECLARE_LOGGING_CATEGORY(lcGameMenus)     // tarvelin.gamewindow.menus
Q_DECLARE_LOGGING_CATEGORY(lcGameWindow)    // tarvelin.gamewindow
Q_DECLARE_LOGGING_CATEGORY(lcLinks)         // tarvelin.links
Q_DECLARE_LOGGING_CATEGORY(lcNavigator)     // tarvelin.shell.navigator
Q_DECLARE_LOGGING_CATEGORY(lcStoreWindow)   // tarvelin.storewindow
Q_DECLARE_LOGGING_CATEGORY(lcHistoryWindow) // tarvelin.historywindow

} // namespace tarvelin
