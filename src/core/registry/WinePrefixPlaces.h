// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace tarvelin
{

// A Wine prefix worth reading, and who keeps it there.
struct WinePrefixPlace {
    QString prefix; // the folder holding system.reg, drive_c and dosdevices
    QString origin; // "--wine-prefix", "WINEPREFIX", "remembered", "~/.wine", "Lutris", ...
    friend bool operator==(const WinePrefixPlace&, const WinePrefixPlace&) = default;
};

// What the search starts from: the prefixes the player named, and the home folder under which
// the game managers keep theirs.
struct WinePrefixSources {
    QString given = {};       // --wine-prefix
    QString environment = {}; // $WINEPREFIX
    QString remembered = {};  // the prefix the registry file keeps for the game
    QString home = {};        // the player's home folder

    // $WINEPREFIX and $HOME of this process.
    static WinePrefixSources ofThisProcess(QString given, QString remembered);
};

// Every prefix a player may have installed the game in, in the order the search tries them,
// each once: the named ones first, then ~/.wine, Lutris, Bottles (also its Flatpak), PlayOnLinux,
// Heroic and Steam's Proton. Only folder listings and the Lutris game files are read, never a
// prefix: a folder listed may hold no prefix at all.
QList<WinePrefixPlace> winePrefixPlaces(const WinePrefixSources& sources);

// The wine program of the runner Lutris or Bottles set up for `prefix`, where that runner is
// still installed; empty when the prefix is run with the wine on the PATH.
QString runnerWine(const QString& prefix, const QString& home);

} // namespace tarvelin
