// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/PlayerVolumes.h"

#include <QSet>
#include <algorithm>

namespace tarvelin
{

namespace
{

// File systems that hold the kernel's or a service's state, never a player's files. A container's
// root is an overlay and a snap a squashfs: the root itself is kept whatever its type.
bool isSystemFileSystem(const QString& type)
{
    static const QSet<QString> types = {
        QStringLiteral("proc"),
        QStringLiteral("sysfs"),
        QStringLiteral("tmpfs"),
        QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),
        QStringLiteral("ramfs"),
        QStringLiteral("overlay"),
        QStringLiteral("squashfs"),
        QStringLiteral("efivarfs"),
        QStringLiteral("autofs"),
        QStringLiteral("binfmt_misc"),
        QStringLiteral("debugfs"),
        QStringLiteral("tracefs"),
        QStringLiteral("securityfs"),
        QStringLiteral("pstore"),
        QStringLiteral("bpf"),
        QStringLiteral("mqueue"),
        QStringLiteral("hugetlbfs"),
        QStringLiteral("configfs"),
        QStringLiteral("fusectl"),
        QStringLiteral("nsfs"),
        QStringLiteral("rpc_pipefs"),
        QStringLiteral("nfsd"),
        QStringLiteral("selinuxfs"),
        QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.portal"),
        QStringLiteral("fuse.lxcfs"),
        QStringLiteral("fuse.snapfuse"),
    };
    return types.contains(type) || type.startsWith(QLatin1String("cgroup"));
}

// `path` is `folder` or lies below it.
bool isWithin(const QString& path, const QString& folder)
{
    if (folder.isEmpty())
        return false;
    if (folder == QLatin1String("/"))
        return path.startsWith(u'/');
    return path == folder || path.startsWith(folder + u'/');
}

// `path` lies strictly below `folder`: the folder itself is the machine's, what is mounted in
// it the player's.
bool isBelow(const QString& path, const QString& folder)
{
    return path.startsWith(folder + u'/');
}

// The mount point of the volume holding `home`: the longest one that contains it.
QString homeVolume(const QList<MountRow>& rows, const QString& home)
{
    QString best;
    for (const MountRow& row : rows) {
        if (!isSystemFileSystem(row.fileSystem) && isWithin(home, row.mountPoint) &&
            row.mountPoint.size() > best.size())
            best = row.mountPoint;
    }
    return best;
}

// /mnt is also the old place of a second disk, so a volume on /mnt itself counts.
bool isPlayerPlace(const QString& point, const MountViewer& viewer, const QString& home)
{
    const QString runMedia = viewer.user.isEmpty() ? QStringLiteral("/run/media")
                                                   : QStringLiteral("/run/media/") + viewer.user;
    return point == home || isBelow(point, QStringLiteral("/media")) || isBelow(point, runMedia) ||
           isWithin(point, QStringLiteral("/mnt")) ||
           (!viewer.home.isEmpty() && viewer.home != QLatin1String("/") &&
            isWithin(point, viewer.home));
}

} // namespace

QStringList playerVolumeRoots(const QList<MountRow>& rows, const MountViewer& viewer)
{
    const QString home = homeVolume(rows, viewer.home);
    QStringList roots{QStringLiteral("/")};
    // The same folder of one file system mounted twice (a bind mount) is one volume.
    QSet<QString> shown;
    for (const MountRow& row : rows) {
        if (row.mountPoint == QLatin1String("/"))
            shown.insert(row.deviceId + row.root);
    }
    for (const MountRow& row : rows) {
        const QString& point = row.mountPoint;
        if (roots.contains(point) || isSystemFileSystem(row.fileSystem) ||
            !isPlayerPlace(point, viewer, home) || shown.contains(row.deviceId + row.root))
            continue;
        shown.insert(row.deviceId + row.root);
        roots.append(point);
    }
    std::sort(roots.begin() + 1, roots.end());
    return roots;
}

} // namespace tarvelin
