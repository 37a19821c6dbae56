// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/WinePrefixMemory.h"

#include "core/game/GameProfile.h"
#include "core/registry/GameDirectoryLookup.h"
#include "core/registry/Registry.h"
#include "core/registry/RegistryCommands.h"
#include "core/registry/WinePrefixPlaces.h"

#include <QDir>

namespace tarvelin
{

QString winePrefixValueName(const GameProfile& profile)
{
    // Named as the utility's other per-game values are: the second game's carries a 2.
    return &profile == &SprintCarsProfile ? QStringLiteral("(WinePrefix2)")
                                          : QStringLiteral("(WinePrefix)");
}

QString rememberedWinePrefix(const GameProfile& profile, const Registry& registry)
{
    return registryText(
        registry.QueryValue(QString::fromLatin1(UtilityKey), winePrefixValueName(profile)));
}

bool rememberWinePrefix(Registry& registry, const GameProfile& profile, const QString& prefix)
{
    if (prefix.isEmpty() || rememberedWinePrefix(profile, registry) == prefix)
        return true;
    return setRegistryValue(registry, QString::fromLatin1(UtilityKey), winePrefixValueName(profile),
                            prefix, RegistryType::String)
        .done;
}

WineSetup wineSetupOf(const GameProfile& profile, const Registry& registry)
{
    QString prefix = rememberedWinePrefix(profile, registry);
    // A game the windows found by the search, with nothing remembered yet, plays where it was
    // found.
    if (prefix.isEmpty())
        prefix = findGameDirectory(profile, registry, {}).in.prefix;
    if (prefix.isEmpty())
        return {};
    return {prefix, runnerWine(prefix, QDir::homePath())};
}

WineSetup eitherGameWineSetup(const Registry& registry)
{
    WineSetup wine = wineSetupOf(DirtTrackRacingProfile, registry);
    return wine.prefix.isEmpty() ? wineSetupOf(SprintCarsProfile, registry) : wine;
}

} // namespace tarvelin
