// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/GameResolution.h"

#include "core/cli/CommandReport.h"
#include "core/game/GameProfile.h"
#include "core/registry/GameDirectoryLookup.h"
#include "core/registry/WinePrefixMemory.h"

namespace tarvelin::cli
{

const GameProfile& profileOf(const CommandContext& context)
{
    return *profileById(context.invocation.value(Option::Game));
}

QString givenWinePrefix(const CommandContext& context)
{
    return context.invocation.value(Option::WinePrefix);
}

std::optional<GameContext> resolveGame(CommandContext& context)
{
    GameContext game{.profile = &profileOf(context),
                     .gameDirectory = context.invocation.value(Option::GameDir)};
    QString windowsPath;
    if (game.gameDirectory.isEmpty()) {
        const GameDirectoryFind find =
            findGameDirectory(*game.profile, context.registry, givenWinePrefix(context));
        game.gameDirectory = find.directory;
        windowsPath = find.windowsPath;
        // The next start, from the desktop menu without WINEPREFIX, plays in the same prefix.
        if (find.fromWine && !context.invocation.has(Option::DryRun))
            rememberWinePrefix(context.registry, *game.profile, find.in.prefix);
    }
    game.paths = StorePaths::forGameDirectory(game.gameDirectory);
    if (game.paths.isValid())
        return game;
    if (!windowsPath.isEmpty() && game.gameDirectory.isEmpty()) {
        fail(context, QStringLiteral("The registry file %1 gives %2 the Windows path %3, which no "
                                     "Wine prefix known for the game holds. Run \"registry "
                                     "import-wine\" to write the game's Linux folder, or name "
                                     "its prefix with --wine-prefix DIR.")
                          .arg(context.registry.filePath(), game.profile->gameTitle, windowsPath));
        return std::nullopt;
    }
    fail(context,
         QStringLiteral("No game directory for %1: the registry file %2 has no "
                        "\"%3\" under [HKEY_LOCAL_MACHINE\\%4], and no Wine prefix holds the "
                        "game with its folder on disk. Point the utility at the game with "
                        "--game-dir DIR, --wine-prefix DIR or \"registry set\".")
             .arg(game.profile->gameTitle, context.registry.filePath(),
                  game.profile->DirectoryValueName, game.profile->GameKey));
    return std::nullopt;
}

} // namespace tarvelin::cli
