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

// What the import found in the Wine prefixes for one game, and what it did with it.
struct WineGameImport {
    const GameProfile* profile = nullptr;
    // Every prefix whose registry holds the game; none: the game is not installed in any.
    WineGameSearch search;
    // The prefix imported from: the first whose folder is on disk. No linuxPath: none is, and
    // nothing is imported.
    WineGameDirectory found;
    WinePrefixPlace in;
    bool written = false; // the registry file holds linuxPath as the game directory now
    QString replaced;     // the other game directory the file held until this import
};

// Done: at least one game was found on disk and, unless a dry run, the registry file holds every
// one found, with the prefix it was found in. Messages: each value not written or replaced, in
// the games' order, then the result; a dry run gives the same, saying the file was not changed.
struct WineImportOutcome : CommandOutcome {
    // Each game asked about, in order; none when the prefix named has no registry to read.
    std::vector<WineGameImport> games;
};

// Reads where Wine installed each game and, unless a dry run, keeps its Linux folder as the game
// directory in the utility's registry file, and the prefix beside it, so that the windows find
// the game and play it in its own prefix. A prefix named in `sources.given` is the only one read;
// else every place winePrefixPlaces lists. A value that already names that folder counts as
// written and is left alone.
WineImportOutcome importGameDirectoriesFromWine(Registry& registry,
                                                const WinePrefixSources& sources,
                                                std::span<const GameProfile* const> games,
                                                bool dryRun);

} // namespace tarvelin
