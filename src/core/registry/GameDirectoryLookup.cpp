// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/GameDirectoryLookup.h"

#include "core/game/GameProfile.h"
#include "core/registry/Registry.h"
#include "core/registry/WinePath.h"
#include "core/registry/WineRegistry.h"

#include <QDir>

namespace tarvelin
{

QString defaultWinePrefix()
{
    QString fromEnvironment = qEnvironmentVariable("WINEPREFIX");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QDir::homePath() + QStringLiteral("/.wine");
}

WineGameDirectory findWineGameDirectory(const GameProfile& profile, const QString& winePrefix)
{
    const QString prefix = winePrefix.isEmpty() ? defaultWinePrefix() : winePrefix;
    const QString wowKey = wow64KeyPath(profile.GameKey);
    const WineRegistry wine =
        WineRegistry::read(prefix + QStringLiteral("/system.reg"), {profile.GameKey, wowKey});

    WineGameDirectory found;
    // A 32-bit install in a 64-bit prefix writes under Wow6432Node. Where both keys exist (a
    // reinstall, a copied prefix), the first whose folder is on disk wins.
    for (const QString& key : {profile.GameKey, wowKey}) {
        const QString windowsPath = registryText(wine.QueryValue(key, profile.DirectoryValueName));
        if (windowsPath.isEmpty())
            continue;
        const QString linuxPath = mapWindowsPath(prefix, windowsPath);
        if (found.windowsPath.isEmpty() || !linuxPath.isEmpty())
            found = WineGameDirectory{windowsPath, linuxPath, key == wowKey};
        if (!linuxPath.isEmpty())
            break;
    }
    return found;
}

QString lookUpGameDirectory(const GameProfile& profile, const Registry& registry,
                            const QString& winePrefix)
{
    QString own = registryText(registry.QueryValue(profile.GameKey, profile.DirectoryValueName));
    if (!own.isEmpty())
        return own;
    return findWineGameDirectory(profile, winePrefix).linuxPath;
}

} // namespace tarvelin
