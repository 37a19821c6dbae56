// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/WineImport.h"

#include "core/game/GameProfile.h"
#include "core/platform/PathInfo.h"
#include "core/registry/Registry.h"
#include "core/registry/RegistryCommands.h"
#include "core/registry/WinePrefixMemory.h"

namespace tarvelin
{

namespace
{

// Keeps the game's Linux folder as its game directory and its prefix beside it; the message when
// they were not written.
std::optional<Message> writeGameDirectory(Registry& registry, WineGameImport& game,
                                          bool alreadyHeld)
{
    const GameProfile& profile = *game.profile;
    if (!alreadyHeld) {
        const CommandOutcome set =
            setRegistryValue(registry, profile.GameKey, profile.DirectoryValueName,
                             game.found.linuxPath, RegistryType::String);
        if (!set.done)
            return set.messages.front();
    }
    if (!rememberWinePrefix(registry, profile, game.in.prefix))
        return registryNotChangedMessage(registry);
    game.written = true;
    return std::nullopt;
}

QList<WinePrefixPlace> placesToRead(const WinePrefixSources& sources)
{
    if (!sources.given.isEmpty())
        return {{sources.given, QStringLiteral("--wine-prefix")}};
    return winePrefixPlaces(sources);
}

Message nothingFound(const WinePrefixSources& sources, qsizetype placesRead)
{
    if (!sources.given.isEmpty())
        return exclamation(QStringLiteral("No game directory to import from the Wine prefix %1.")
                               .arg(sources.given));
    return exclamation(QStringLiteral("No game directory to import: none of the %1 Wine prefixes "
                                      "looked at holds a game with its folder on disk.")
                           .arg(placesRead));
}

} // namespace

WineImportOutcome importGameDirectoriesFromWine(Registry& registry,
                                                const WinePrefixSources& sources,
                                                std::span<const GameProfile* const> games,
                                                bool dryRun)
{
    if (!sources.given.isEmpty() &&
        !PathInfo(sources.given + QStringLiteral("/system.reg")).isFile())
        return refused<WineImportOutcome>(
            exclamation(QStringLiteral("No Wine registry at %1/system.reg. Name the prefix with "
                                       "--wine-prefix DIR.")
                            .arg(sources.given)));
    const QList<WinePrefixPlace> places = placesToRead(sources);
    WineImportOutcome outcome;
    int found = 0;
    int written = 0;
    for (const GameProfile* profile : games) {
        WineGameImport& game = outcome.games.emplace_back();
        game.profile = profile;
        game.search = searchWinePrefixes(*profile, places);
        const WinePrefixFind* used = game.search.used();
        if (!used) {
            if (!game.search.holding.empty())
                game.found = game.search.holding.front().found;
            continue;
        }
        game.found = used->found;
        game.in = used->place;
        ++found;
        const QString before =
            registryText(registry.QueryValue(profile->GameKey, profile->DirectoryValueName));
        const bool alreadyHeld = before == game.found.linuxPath;
        if (!alreadyHeld)
            game.replaced = before;
        if (!dryRun) {
            if (const std::optional<Message> notWritten =
                    writeGameDirectory(registry, game, alreadyHeld)) {
                outcome.messages.push_back(*notWritten);
                continue;
            }
            ++written;
        }
        if (!game.replaced.isEmpty())
            outcome.messages.push_back(
                {QStringLiteral("%1 replaces %2 for %3.")
                     .arg(game.found.linuxPath, game.replaced, profile->gameTitle),
                 MessageIcon::Information});
    }
    if (found == 0) {
        outcome.messages.push_back(nothingFound(sources, places.size()));
        return outcome;
    }
    if (dryRun) {
        outcome.done = true;
        outcome.messages.push_back(
            {QStringLiteral("Dry run: %1 was not changed.").arg(registry.filePath()),
             MessageIcon::Information});
        return outcome;
    }
    outcome.done = written == found;
    if (outcome.done)
        outcome.messages.push_back(
            {QStringLiteral("%1 now holds the game %2 found in Wine.")
                 .arg(registry.filePath(),
                      written == 1 ? QStringLiteral("directory") : QStringLiteral("directories")),
             MessageIcon::Information});
    return outcome;
}

} // namespace tarvelin
