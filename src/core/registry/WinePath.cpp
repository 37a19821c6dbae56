// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/WinePath.h"

#include "core/Logging.h"
#include "core/platform/FolderSteps.h"
#include "core/platform/PathInfo.h"

#include <QStringList>

namespace tarvelin
{

namespace
{

// The entry of `folder` named `name` in any letter case; an exact match wins, then the first
// in name order, so that two entries differing only in case map the same way every time.
QString matchEntry(const QString& folder, const QString& name)
{
    if (PathInfo::exists(folder + u'/' + name))
        return name;
    QStringList entries = entryNames(folder);
    entries.sort();
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

} // namespace

QString mapWindowsPath(const QString& winePrefix, const QString& windowsPath)
{
    QString path = windowsPath.trimmed();
    path.replace(u'/', u'\\');
    // "\??\C:\..." is the same path in the form the kernel sees it.
    if (path.startsWith(QLatin1String("\\??\\")))
        path.remove(0, 4);
    if (path.size() < 2 || path[1] != u':' || !path[0].isLetter() || path[0].unicode() > 0x7F)
        return {};

    const QString dosDevices = winePrefix + QStringLiteral("/dosdevices");
    const QString drive = matchEntry(dosDevices, path.left(2).toLower());
    const QString driveRoot =
        drive.isEmpty() ? QString() : canonicalPath(dosDevices + u'/' + drive);
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
        linuxPath = linuxPath.endsWith(u'/') ? linuxPath + entry : linuxPath + u'/' + entry;
    }
    return linuxPath;
}

} // namespace tarvelin
