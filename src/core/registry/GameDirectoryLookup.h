// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvelin
{

struct GameProfile;
class Registry;

// WINEPREFIX, else ~/.wine: where Wine keeps its drives and registry unless told otherwise.
QString defaultWinePrefix();

// What a Wine prefix knows about one game.
struct WineGameDirectory {
    QString windowsPath; // the game's "Directory" as Wine's registry holds it; empty: none
    QString linuxPath;   // the same folder on Linux; empty when it cannot be found
    bool wow64 = false;  // found under Software\Wow6432Node (a 32-bit install in a 64-bit prefix)
};

// Reads the game's key from the prefix's system.reg (empty prefix: defaultWinePrefix()).
WineGameDirectory findWineGameDirectory(const GameProfile& profile, const QString& winePrefix);

// The game directory every caller uses: the utility's own registry value first; where it has
// none, the game's directory as the Wine prefix's registry holds it, mapped to a Linux path.
// Empty when neither knows the game.
QString lookUpGameDirectory(const GameProfile& profile, const Registry& registry,
                            const QString& winePrefix);

} // namespace tarvelin
