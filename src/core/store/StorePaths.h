// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvelin
{

// The three store-format files of a game, in "data/saved games" under its game directory.
struct StorePaths {
    QString folder;
    QString store;   // setups.sav: the game's store
    QString backup;  // setups.bak: the store as it was when the game window last opened
    QString scratch; // setups.tmp: where delete and sort build the new store

    // No paths for an empty game directory: they would point at the file-system root.
    static StorePaths forGameDirectory(const QString& gameDirectory);
    bool isValid() const { return !store.isEmpty(); }
};

} // namespace tarvelin
