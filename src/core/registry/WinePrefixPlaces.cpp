// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/WinePrefixPlaces.h"

#include "core/platform/FileIO.h"
#include "core/platform/FolderSteps.h"
#include "core/platform/PathInfo.h"

#include <QDir>

namespace tarvelin
{

namespace
{

// A game file of Lutris or a bottle's bottle.yml is a few kilobytes.
constexpr qsizetype kMaxYamlSize = qsizetype{1024} * 1024;

QByteArray readYaml(const QString& path)
{
    const FileContents contents = readWholeFile(path, kMaxYamlSize);
    return contents.ok ? contents.bytes : QByteArray();
}

// "value", 'value' or value, as a YAML scalar on one line.
QString scalar(QByteArrayView raw)
{
    QByteArray text = raw.trimmed().toByteArray();
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front())
        text = text.mid(1, text.size() - 2);
    return QString::fromUtf8(text);
}

// The value of `key` in the mapping `section` of a YAML file as Lutris and Bottles write them
// (block style, two-space indent); an empty `section` asks for a key at the top level.
QString yamlValue(QByteArrayView yaml, QByteArrayView section, QByteArrayView key)
{
    QByteArray current;
    for (QByteArray line : yaml.toByteArray().split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith('#'))
            continue;
        const bool indented = line.front() == ' ' || line.front() == '\t';
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.first(colon).trimmed();
        if (!indented)
            current = name;
        const bool inSection = section.isEmpty() ? !indented : indented && current == section;
        if (inSection && name == key)
            return scalar(QByteArrayView(line).sliced(colon + 1));
    }
    return {};
}

QString expandHome(const QString& path, const QString& home)
{
    if (path == u'~' || path.startsWith(QStringLiteral("~/")))
        return home + path.mid(1);
    return path;
}

// The sub-folders of `folder` (each may be a prefix), with `below` added to each.
QStringList subfolders(const QString& folder, const QString& below = {})
{
    QStringList found;
    for (const QString& name : listFolder(folder)) {
        const QString path = joinPath(folder, name);
        if (!name.startsWith(u'.') && PathInfo(path).isDir())
            found << path + below;
    }
    return found;
}

QStringList lutrisGameFiles(const QString& home)
{
    QStringList files;
    for (const char* folder : {"/.config/lutris/games", "/.local/share/lutris/games"}) {
        const QString games = home + QLatin1String(folder);
        for (const QString& name : listFolder(games))
            if (name.endsWith(QStringLiteral(".yml")))
                files << joinPath(games, name);
    }
    return files;
}

QString cleaned(const QString& path)
{
    return QDir::cleanPath(path);
}

} // namespace

WinePrefixSources WinePrefixSources::ofThisProcess(QString given, QString remembered)
{
    return {std::move(given), qEnvironmentVariable("WINEPREFIX"), std::move(remembered),
            QDir::homePath()};
}

QList<WinePrefixPlace> winePrefixPlaces(const WinePrefixSources& sources)
{
    const QString& home = sources.home;
    QList<WinePrefixPlace> places;
    auto add = [&](const QString& prefix, const char* origin) {
        if (prefix.isEmpty())
            return;
        const QString path = cleaned(expandHome(prefix, home));
        for (const WinePrefixPlace& place : places)
            if (place.prefix == path)
                return;
        places.append({path, QString::fromLatin1(origin)});
    };
    auto addAll = [&](const QStringList& prefixes, const char* origin) {
        for (const QString& prefix : prefixes)
            add(prefix, origin);
    };
    add(sources.given, "--wine-prefix");
    add(sources.environment, "WINEPREFIX");
    add(sources.remembered, "remembered");
    if (home.isEmpty())
        return places;
    add(home + QStringLiteral("/.wine"), "~/.wine");
    for (const QString& file : lutrisGameFiles(home))
        add(yamlValue(readYaml(file), "game", "prefix"), "Lutris");
    // Lutris's own default place; Heroic keeps a folder of its own beneath it.
    addAll(subfolders(home + QStringLiteral("/Games")), "Lutris");
    places.removeIf([&](const WinePrefixPlace& place) {
        return place.origin == QLatin1String("Lutris") &&
               place.prefix == cleaned(home + QStringLiteral("/Games/Heroic"));
    });
    addAll(subfolders(home + QStringLiteral("/.local/share/bottles/bottles")), "Bottles");
    addAll(
        subfolders(home + QStringLiteral("/.var/app/com.usebottles.bottles/data/bottles/bottles")),
        "Bottles");
    addAll(subfolders(home + QStringLiteral("/.PlayOnLinux/wineprefix")), "PlayOnLinux");
    addAll(subfolders(home + QStringLiteral("/Games/Heroic/Prefixes")), "Heroic");
    for (const char* steam : {"/.local/share/Steam/steamapps", "/.steam/steam/steamapps"})
        addAll(subfolders(home + QLatin1String(steam) + QStringLiteral("/compatdata"),
                          QStringLiteral("/pfx")),
               "Steam");
    return places;
}

QString runnerWine(const QString& prefix, const QString& home)
{
    const QString wantedPrefix = cleaned(prefix);
    // A bottle is its own prefix; its runners sit beside the folder of bottles.
    const QString bottleRunner =
        yamlValue(readYaml(prefix + QStringLiteral("/bottle.yml")), {}, "Runner");
    if (!bottleRunner.isEmpty()) {
        QString wine =
            cleaned(prefix + QStringLiteral("/../../runners/") + bottleRunner + "/bin/wine");
        if (PathInfo(wine).isFile())
            return wine;
    }
    for (const QString& file : lutrisGameFiles(home)) {
        const QByteArray yaml = readYaml(file);
        if (cleaned(expandHome(yamlValue(yaml, "game", "prefix"), home)) != wantedPrefix)
            continue;
        const QString version = yamlValue(yaml, "wine", "version");
        QString wine =
            home + QStringLiteral("/.local/share/lutris/runners/wine/") + version + "/bin/wine";
        if (!version.isEmpty() && PathInfo(wine).isFile())
            return wine;
    }
    return {};
}

} // namespace tarvelin
