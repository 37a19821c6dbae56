// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/registry/WinePrefixPlaces.h"

#include <QString>
#include <vector>

namespace tarvelin
{

struct GameProfile;
class Registry;

// What a Wine prefix knows about one game.
struct WineGameDirectory {
    QString windowsPath; // the game's "Directory" as Wine's registry holds it; empty: none
    QString linuxPath;   // the same folder on Linux; empty when it cannot be found
    bool wow64 = false;  // found under Software\Wow6432Node (a 32-bit install in a 64-bit prefix)
};

// Reads the game's key from the prefix's system.reg.
WineGameDirectory findWineGameDirectory(const GameProfile& profile, const QString& winePrefix);

// One prefix whose registry holds the game's key.
struct WinePrefixFind {
    WinePrefixPlace place;
    WineGameDirectory found;
};

// Every prefix that holds the game, in the order searched; the first whose folder is on disk is
// the one used.
struct WineGameSearch {
    std::vector<WinePrefixFind> holding;
    // Null when no prefix holds the game with its folder on disk.
    const WinePrefixFind* used() const;
};

// Reads the registry of each place that has one, and of no other.
WineGameSearch searchWinePrefixes(const GameProfile& profile, const QList<WinePrefixPlace>& places);

// The game directory and where it came from.
struct GameDirectoryFind {
    QString directory;     // empty when neither the registry file nor any prefix knows the game
    WinePrefixPlace in;    // the prefix it was found in, or the remembered one; empty: none
    bool fromWine = false; // found by the search rather than read from the registry file
    // The registry file's value when it is a Windows path (a file exported by Wine's regedit):
    // the directory is then that path in the first prefix known for the game that holds it.
    QString windowsPath;
};

// The game directory every caller uses: the utility's own registry value first; where it has
// none, the game's directory as the first Wine prefix that holds it on disk gives it, searched
// from `givenPrefix` (empty: none given) through every place a player keeps prefixes.
GameDirectoryFind findGameDirectory(const GameProfile& profile, const Registry& registry,
                                    const QString& givenPrefix);
QString lookUpGameDirectory(const GameProfile& profile, const Registry& registry,
                            const QString& givenPrefix);

} // namespace tarvelin
