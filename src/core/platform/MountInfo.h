// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarvelin
{

// One row of the kernel's mount table (/proc/self/mountinfo): what is mounted where.
struct MountRow {
    QString mountPoint;
    QString fileSystem; // "ext4", "vfat", "tmpfs", "fuse.sshfs", ...
    QString device;     // the mount source: "/dev/sdb1", "tmpfs", "drvfs", ...
    QString root;       // the folder of the file system seen at the mount point: "/" unless bound
    QString deviceId;   // "major:minor", shared by every mount of one file system

    friend bool operator==(const MountRow&, const MountRow&) = default;
};

// The kernel writes blank, tab, newline and backslash in a field as "\ooo" octal escapes.
QString unescapeMountField(const QByteArray& field);

// The rows of a mountinfo table, in its order; lines that are not whole rows are left out.
QList<MountRow> parseMountInfo(const QByteArray& table);

} // namespace tarvelin
