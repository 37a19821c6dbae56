// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/CommandOutcome.h"
#include "core/registry/GameDirectoryLookup.h"

#include <QString>
#include <span>
#include <vector>

namespace tarvelin
{

struct GameProfile;
class Registry;

// What the import found in the Wine prefix for one game, and what it did with it.
struct WineGameImport {
    const GameProfile* profile = nullptr;
    // No windowsPath: the game is not installed in the prefix; no linuxPath: its folder is not
    // on disk. Only a game with both is imported.
    WineGameDirectory found;
    bool written = false; // the registry file holds linuxPath as the game directory now
    QString replaced;     // the other game directory the file held until this import
};

// Done: at least one game was found on disk and, unless a dry run, the registry file holds every
// one found. Messages: each value not written or replaced, in the games' order, then the result.
struct WineImportOutcome : CommandOutcome {
    // Each game asked about, in order; none when the prefix has no registry to read.
    std::vector<WineGameImport> games;
};

// Reads where the Wine prefix installed each game and, unless a dry run, keeps its Linux folder
// as the game directory in the utility's registry file, so that the windows find the game without
// the prefix. A value that already names that folder counts as written and is left alone.
WineImportOutcome importGameDirectoriesFromWine(Registry& registry, const QString& winePrefix,
                                                std::span<const GameProfile* const> games,
                                                bool dryRun);

} // namespace tarvelin
