// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/GameDirectoryLookup.h"

#include "core/Logging.h"
#include "core/game/GameProfile.h"
#include "core/platform/PathInfo.h"
#include "core/registry/Registry.h"
#include "core/registry/WineEnvironmentKeys.h"
#include "core/registry/WinePath.h"
#include "core/registry/WinePrefixMemory.h"
#include "core/registry/WineRegistry.h"

namespace tarvelin
{

namespace
{

constexpr quint32 kExpandStringType = 2; // REG_EXPAND_SZ

// "C:\...", "c:/..." and the kernel's forms of them: no Linux path begins so.
bool isWindowsPath(const QString& path)
{
    return (path.size() >= 3 && path[0].isLetter() && path[0].unicode() <= 0x7F &&
            path[1] == u':' && (path[2] == u'\\' || path[2] == u'/')) ||
           path.startsWith(QLatin1String("\\\\?\\")) || path.startsWith(QLatin1String("\\??\\"));
}

// The registry file's Windows path as the prefixes the player named or the utility remembers
// see it; no directory when none holds it, for a search would guess.
void mapThroughKnownPrefix(GameDirectoryFind& find, const QString& givenPrefix,
                           const QString& remembered)
{
    find.windowsPath = find.directory;
    find.directory.clear();
    const WinePrefixSources known = WinePrefixSources::ofThisProcess(givenPrefix, remembered);
    const std::pair<QString, const char*> prefixes[] = {{known.given, "--wine-prefix"},
                                                        {known.environment, "WINEPREFIX"},
                                                        {known.remembered, "remembered"}};
    for (const auto& [prefix, origin] : prefixes) {
        if (prefix.isEmpty())
            continue;
        find.directory = mapWindowsPath(prefix, find.windowsPath);
        if (!find.directory.isEmpty()) {
            find.in = {prefix, QString::fromLatin1(origin)};
            return;
        }
    }
}

} // namespace

WineGameDirectory findWineGameDirectory(const GameProfile& profile, const QString& winePrefix)
{
    const QString wowKey = wow64KeyPath(profile.GameKey);
    const WineRegistry wine =
        WineRegistry::read(winePrefix + QStringLiteral("/system.reg"),
                           QStringList{profile.GameKey, wowKey} + wineEnvironmentKeys(),
                           profile.GameKey.section(u'\\', 1, 1).toUtf8());

    WineGameDirectory found;
    // The games are 32-bit programs: in a 64-bit prefix they read Wow6432Node, so that key comes
    // first where both exist (a reinstall, a copied prefix); the first whose folder is on disk
    // wins.
    for (const QString& key : {wowKey, profile.GameKey}) {
        QString windowsPath = registryText(wine.QueryValue(key, profile.DirectoryValueName));
        if (windowsPath.isEmpty())
            continue;
        if (wine.valueType(key, profile.DirectoryValueName) == kExpandStringType)
            windowsPath = expandWineValue(windowsPath, wineEnvironment(wine, winePrefix));
        const QString linuxPath = mapWindowsPath(winePrefix, windowsPath);
        if (found.windowsPath.isEmpty() || !linuxPath.isEmpty())
            found = WineGameDirectory{windowsPath, linuxPath, key == wowKey};
        if (!linuxPath.isEmpty())
            break;
    }
    return found;
}

const WinePrefixFind* WineGameSearch::used() const
{
    for (const WinePrefixFind& find : holding)
        if (!find.found.linuxPath.isEmpty())
            return &find;
    return nullptr;
}

WineGameSearch searchWinePrefixes(const GameProfile& profile, const QList<WinePrefixPlace>& places)
{
    WineGameSearch search;
    for (const WinePrefixPlace& place : places) {
        if (!PathInfo(place.prefix + QStringLiteral("/system.reg")).isFile())
            continue;
        WineGameDirectory found = findWineGameDirectory(profile, place.prefix);
        if (!found.windowsPath.isEmpty())
            search.holding.push_back({place, std::move(found)});
    }
    if (const WinePrefixFind* used = search.used())
        qCInfo(lcWine).noquote() << QStringLiteral("%1: using the Wine prefix %2 (%3)")
                                        .arg(profile.gameTitle, used->place.prefix,
                                             used->place.origin);
    return search;
}

GameDirectoryFind findGameDirectory(const GameProfile& profile, const Registry& registry,
                                    const QString& givenPrefix)
{
    GameDirectoryFind find;
    const QString remembered = rememberedWinePrefix(profile, registry);
    find.directory = registryText(registry.QueryValue(profile.GameKey, profile.DirectoryValueName));
    if (!find.directory.isEmpty()) {
        if (!remembered.isEmpty())
            find.in = {remembered, QStringLiteral("remembered")};
        if (isWindowsPath(find.directory))
            mapThroughKnownPrefix(find, givenPrefix, remembered);
        return find;
    }
    const WineGameSearch search = searchWinePrefixes(
        profile, winePrefixPlaces(WinePrefixSources::ofThisProcess(givenPrefix, remembered)));
    if (const WinePrefixFind* used = search.used()) {
        find.directory = used->found.linuxPath;
        find.in = used->place;
        find.fromWine = true;
    }
    return find;
}

QString lookUpGameDirectory(const GameProfile& profile, const Registry& registry,
                            const QString& givenPrefix)
{
    return findGameDirectory(profile, registry, givenPrefix).directory;
}

} // namespace tarvelin
