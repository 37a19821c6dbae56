// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/WinePath.h"

#include "core/Logging.h"
#include "core/platform/FileIO.h"
#include "core/platform/FolderSteps.h"
#include "core/platform/PathInfo.h"

#include <QStringList>

namespace tarvelin
{

namespace
{

bool isInvalidDosChar(QChar c)
{
    return c.unicode() > 0x7F || QStringView(u"*?<>|\"+=,;[] \\:/").contains(c);
}

QChar dosChar(QChar c)
{
    return isInvalidDosChar(c) ? QChar(u'_') : c.toUpper();
}

// The entry of `folder` named `name` in any letter case, or by its short name; an exact match
// wins, then the first in name order, so that two entries differing only in case map the same
// way every time.
QString matchEntry(const QString& folder, const QString& name)
{
    if (PathInfo(joinPath(folder, name)).exists())
        return name;
    const QStringList entries = listFolder(folder);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    // Only a name with a "~" can be a short one: the hash of each entry is not worked out else.
    if (!name.contains(u'~'))
        return {};
    for (const QString& entry : entries)
        if (wineShortName(entry).compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

// "\\?\C:\..." and "\??\C:\..." are the same path in the forms the kernel sees it.
QString withoutDevicePrefix(QString path)
{
    for (const QLatin1String prefix : {QLatin1String("\\\\?\\"), QLatin1String("\\??\\")})
        if (path.startsWith(prefix))
            return path.mid(prefix.size());
    return path;
}

} // namespace

QString wineShortName(const QString& longName)
{
    const QStringView name(longName);
    if (name.isEmpty())
        return {};
    auto lower = [](QChar c) {
        return static_cast<quint16>(c.toLower().unicode());
    };
    quint16 hash = 0xBEEF;
    for (qsizetype i = 0; i + 1 < name.size(); ++i)
        hash = static_cast<quint16>((hash << 3) ^ (hash >> 5) ^ lower(name[i]) ^
                                    (lower(name[i + 1]) << 8));
    hash = static_cast<quint16>((hash << 3) ^ (hash >> 5) ^ lower(name.back()));

    // The last dot that neither begins nor ends the name starts the extension.
    qsizetype ext = -1;
    for (qsizetype i = 1; i + 1 < name.size(); ++i)
        if (name[i] == u'.')
            ext = i;
    const qsizetype baseEnd = ext < 0 ? name.size() : ext;

    static constexpr char16_t kHashChars[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
    QString shortName;
    for (qsizetype i = 0; i < 4 && i < baseEnd; ++i)
        shortName += dosChar(name[i]);
    shortName += QString(5 - shortName.size(), u'~');
    shortName += QChar(kHashChars[(hash >> 10) & 0x1F]);
    shortName += QChar(kHashChars[(hash >> 5) & 0x1F]);
    shortName += QChar(kHashChars[hash & 0x1F]);
    if (ext >= 0) {
        shortName += u'.';
        for (qsizetype i = ext + 1; i < name.size() && i <= ext + 3; ++i)
            shortName += dosChar(name[i]);
    }
    return shortName;
}

QString expandEnvironmentStrings(const QString& text, const WineEnvironment& environment)
{
    QString expanded;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u'%', pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'%', open + 1);
        if (close < 0) {
            expanded += text.mid(pos);
            break;
        }
        expanded += text.mid(pos, open - pos);
        const QString name = text.mid(open + 1, close - open - 1).toUpper();
        const auto value = environment.constFind(name);
        if (value == environment.cend()) {
            // Not a variable: its closing "%" may open the next one.
            expanded += text.mid(open, close - open);
            pos = close;
            continue;
        }
        expanded += *value;
        pos = close + 1;
    }
    return expanded;
}

QString mapWindowsPath(const QString& winePrefix, const QString& windowsPath)
{
    QString path = windowsPath.trimmed();
    path.replace(u'/', u'\\');
    path = withoutDevicePrefix(path);
    if (path.size() < 2 || path[1] != u':' || !path[0].isLetter() || path[0].unicode() > 0x7F)
        return {};

    const QString dosDevices = winePrefix + QStringLiteral("/dosdevices");
    const QString drive = matchEntry(dosDevices, path.left(2).toLower());
    const QString driveRoot =
        drive.isEmpty() ? QString() : canonicalPath(joinPath(dosDevices, drive));
    if (driveRoot.isEmpty() || !PathInfo(driveRoot).isDir()) {
        qCDebug(lcWine) << "no drive" << path.left(2) << "in" << dosDevices;
        return {};
    }

    // Windows resolves "." and ".." by name, before any folder is looked up.
    QStringList parts;
    for (const QString& part : path.mid(2).split(u'\\', Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts << part;
    }

    QString linuxPath = driveRoot;
    for (const QString& part : parts) {
        const QString entry = matchEntry(linuxPath, part);
        if (entry.isEmpty()) {
            qCDebug(lcWine) << windowsPath << "does not exist: no" << part << "in" << linuxPath;
            return {};
        }
        linuxPath = joinPath(linuxPath, entry);
    }
    return linuxPath;
}

} // namespace tarvelin
