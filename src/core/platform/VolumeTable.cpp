// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/VolumeTable.h"

#include "core/platform/FileIO.h"
#include "core/platform/PathInfo.h"
#include "core/platform/PlayerVolumes.h"

#include <QDir>
#include <QStorageInfo>

namespace tarvelin
{

namespace
{

// The kernel's table is a regular file of size 0, a few kilobytes long; anything larger is not it.
constexpr qint64 kMaxTableSize = 4 << 20;

bool contains(const QString& root, const QString& folder)
{
    if (root == QLatin1String("/"))
        return folder.startsWith(u'/');
    return folder == root || folder.startsWith(root + u'/');
}

} // namespace

QList<Volume> MountedVolumeTable::volumes() const
{
    const FileContents table = readFileStart(mountTable_, kMaxTableSize);
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    const QStringList roots =
        table.ok ? playerVolumeRoots(parseMountInfo(table.bytes), {QDir::homePath(), user})
                 : QStringList{QStringLiteral("/")};
    QList<Volume> result;
    for (const QString& root : roots) {
        const QStorageInfo storage(root);
        const PathInfo info(root);
        result.append({root, storage.isValid() && storage.isReady() && info.isReadable()});
    }
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
