// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/ProgramStarter.h"

#include <QString>

namespace tarvelin
{

struct GameProfile;
class Registry;

// The value of the utility's own key that keeps the Wine prefix of the game.
QString winePrefixValueName(const GameProfile& profile);

// The prefix the registry file keeps for the game; empty: none.
QString rememberedWinePrefix(const GameProfile& profile, const Registry& registry);

// Keeps `prefix` as the game's, so that a start without WINEPREFIX (the desktop menu) plays,
// sets up the controllers and finds the game in it. A value that already names it is left
// alone; false when the file could not be changed.
bool rememberWinePrefix(Registry& registry, const GameProfile& profile, const QString& prefix);

// The Wine the game's programs run in: its remembered prefix, else the prefix the search finds it
// in, and that prefix's runner. Neither: Wine's own default prefix and the wine on the PATH.
WineSetup wineSetupOf(const GameProfile& profile, const Registry& registry);
// For a Windows program no one game owns (the system-information tool, the controller panel of
// the start window): the first game's Wine where it has one, else the second's.
WineSetup eitherGameWineSetup(const Registry& registry);

} // namespace tarvelin
