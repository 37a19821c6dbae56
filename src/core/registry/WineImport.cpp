// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/WineImport.h"

#include "core/game/GameProfile.h"
#include "core/platform/PathInfo.h"
#include "core/registry/Registry.h"
#include "core/registry/RegistryCommands.h"

namespace tarvelin
{

namespace
{

// Keeps the game's Linux folder as its game directory; the message when it was not written.
std::optional<Message> writeGameDirectory(Registry& registry, WineGameImport& game)
{
    const GameProfile& profile = *game.profile;
    const QString before =
        registryText(registry.QueryValue(profile.GameKey, profile.DirectoryValueName));
    if (before == game.found.linuxPath) {
        game.written = true;
        return std::nullopt;
    }
    const CommandOutcome set =
        setRegistryValue(registry, profile.GameKey, profile.DirectoryValueName,
                         game.found.linuxPath, RegistryType::String);
    if (!set.done)
        return set.messages.front();
    game.written = true;
    game.replaced = before;
    return std::nullopt;
}

} // namespace

WineImportOutcome importGameDirectoriesFromWine(Registry& registry, const QString& winePrefix,
                                                std::span<const GameProfile* const> games,
                                                bool dryRun)
{
    if (!PathInfo(winePrefix + QStringLiteral("/system.reg")).isFile())
        return refused<WineImportOutcome>(
            exclamation(QStringLiteral("No Wine registry at %1/system.reg. Name the prefix with "
                                       "--wine-prefix DIR.")
                            .arg(winePrefix)));
    WineImportOutcome outcome;
    int found = 0;
    int written = 0;
    for (const GameProfile* profile : games) {
        WineGameImport& game = outcome.games.emplace_back();
        game.profile = profile;
        game.found = findWineGameDirectory(*profile, winePrefix);
        if (game.found.windowsPath.isEmpty() || game.found.linuxPath.isEmpty())
            continue;
        ++found;
        if (dryRun)
            continue;
        if (const std::optional<Message> notWritten = writeGameDirectory(registry, game)) {
            outcome.messages.push_back(*notWritten);
            continue;
        }
        ++written;
        if (!game.replaced.isEmpty())
            outcome.messages.push_back(
                {QStringLiteral("%1 replaces %2 for %3.")
                     .arg(game.found.linuxPath, game.replaced, profile->gameTitle),
                 MessageIcon::Information});
    }
    if (found == 0) {
        outcome.messages.push_back(
            exclamation(QStringLiteral("No game directory to import from the Wine prefix %1.")
                            .arg(winePrefix)));
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
