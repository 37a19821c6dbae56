// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/VolumeTable.h"

#include "core/platform/PathInfo.h"

#include <QStorageInfo>
#include <algorithm>

namespace tarvelin
{

namespace
{

bool contains(const QString& root, const QString& folder)
{
    if (root == QLatin1String("/"))
        return folder.startsWith(u'/');
    return folder == root || folder.startsWith(root + u'/');
}

} // namespace

QList<Volume> MountedVolumeTable::volumes() const
{
    QList<Volume> result;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        const QString root = storage.rootPath();
        if (root.isEmpty() || std::any_of(result.cbegin(), result.cend(),
                                          [&](const Volume& v) { return v.rootPath == root; }))
            continue;
        const PathInfo info(root);
        result.append({root, storage.isValid() && storage.isReady() && info.isReadable()});
    }
    std::sort(result.begin(), result.end(),
              [](const Volume& a, const Volume& b) { return a.rootPath < b.rootPath; });
    return result;
}

QString volumeOf(const QString& folder, const QList<Volume>& volumes)
{
    QString best;
    for (const Volume& volume : volumes) {
        if (contains(volume.rootPath, folder) && volume.rootPath.size() > best.size())
            best = volume.rootPath;
    }
    if (best.isEmpty() && !volumes.isEmpty())
        return QStringLiteral("/");
    return best;
}

} // namespace tarvelin
