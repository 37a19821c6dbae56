// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/GameResolution.h"

#include "core/cli/CommandReport.h"
#include "core/game/GameProfile.h"
#include "core/registry/GameDirectoryLookup.h"

namespace tarvelin::cli
{

const GameProfile& profileOf(const CommandContext& context)
{
    return *profileById(context.invocation.value(Option::Game));
}

QString winePrefix(const CommandContext& context)
{
    const QString prefix = context.invocation.value(Option::WinePrefix);
    return prefix.isEmpty() ? defaultWinePrefix() : prefix;
}

std::optional<GameContext> resolveGame(CommandContext& context)
{
    GameContext game{.profile = &profileOf(context),
                     .gameDirectory = context.invocation.value(Option::GameDir)};
    if (game.gameDirectory.isEmpty())
        game.gameDirectory =
            lookUpGameDirectory(*game.profile, context.registry, winePrefix(context));
    game.paths = StorePaths::forGameDirectory(game.gameDirectory);
    if (game.paths.isValid())
        return game;
    fail(context,
         QStringLiteral("No game directory for %1: the registry file %2 has no "
                        "\"%3\" under [HKEY_LOCAL_MACHINE\\%4], and the Wine prefix "
                        "%5 does not hold the game. Point the utility at the game with "
                        "--game-dir DIR, --wine-prefix DIR or \"registry set\".")
             .arg(game.profile->gameTitle, context.registry.filePath(),
                  game.profile->DirectoryValueName, game.profile->GameKey, winePrefix(context)));
    return std::nullopt;
}

} // namespace tarvelin::cli
