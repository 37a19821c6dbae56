// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/DriveTable.h"

#include "core/Logging.h"
#include "core/platform/FileIO.h"
#include "core/platform/FolderSteps.h"
#include "core/platform/MountInfo.h"
#include "core/platform/PathInfo.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace tarvelin
{

namespace
{

// Both tables are a few lines; anything larger is not the kernel's.
constexpr qint64 kMaxTableSize = 1 << 20;

QByteArray readTable(const QString& path)
{
    // The kernel's tables are regular files of size 0: read to their end, never waited on.
    FileContents table = readFileStart(path, kMaxTableSize);
    return table.ok ? std::move(table.bytes) : QByteArray();
}

// "sr10" after "sr9": the number after the letters decides.
bool driveNameLess(const QString& a, const QString& b)
{
    auto split = [](const QString& name) {
        qsizetype digits = name.size();
        while (digits > 0 && name.at(digits - 1).isDigit())
            --digits;
        return std::pair{name.left(digits), name.mid(digits).toLongLong()};
    };
    return split(a) < split(b);
}

// The "drive name:" row, e.g. "drive name:\t\tsr1\tsr0".
QStringList drivesFromCdromInfo(const QByteArray& info)
{
    static const QByteArray row = "drive name:";
    for (const QByteArray& line : info.split('\n')) {
        if (!line.startsWith(row))
            continue;
        QStringList names;
        for (const QByteArray& name : line.mid(row.size()).simplified().split(' '))
            if (!name.isEmpty())
                names << QString::fromLatin1(name);
        return names;
    }
    return {};
}

QStringList drivesFromDeviceNodes(const QString& devices)
{
    static const QRegularExpression driveName(QStringLiteral("^sr[0-9]"));
    QStringList names;
    forEachEntry(devices, [&names](const FolderEntry& entry) {
        const QString name = QString::fromUtf8(entry.name());
        if (driveName.match(name).hasMatch() && !entry.isFolder())
            names << name;
    });
    return names;
}

QString canonical(const QString& path)
{
    const QString resolved = canonicalPath(path);
    return resolved.isEmpty() ? path : resolved;
}

} // namespace

QStringList SystemDriveTable::opticalDrives() const
{
    QStringList names = drivesFromCdromInfo(readTable(paths_.cdromInfo));
    if (names.isEmpty())
        names = drivesFromDeviceNodes(paths_.devices);
    std::sort(names.begin(), names.end(), driveNameLess);
    QStringList devices;
    for (const QString& name : names)
        devices << QDir(paths_.devices).filePath(name);
    return devices;
}

QString SystemDriveTable::mountPoint(const QString& device) const
{
    const QString wanted = canonical(device);
    for (const QByteArray& line : readTable(paths_.mounts).split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        const QString source = unescapeMountField(fields.at(0));
        // Only device nodes are resolved: a link such as /dev/cdrom names the drive it points to.
        // Other sources (network shares, pseudo file systems) are never looked up.
        const bool deviceNode = source.startsWith(paths_.devices + u'/');
        if (source == device || (deviceNode && canonical(source) == wanted))
            return unescapeMountField(fields.at(1));
    }
    qCDebug(lcDrives) << "nothing is mounted from" << device;
    return {};
}

QStringList SystemDriveTable::discImageRoots() const
{
    const QStringList drives = opticalDrives();
    QStringList roots;
    for (const QByteArray& line : readTable(paths_.mounts).split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3 || (fields.at(2) != "iso9660" && fields.at(2) != "udf"))
            continue;
        const QString source = unescapeMountField(fields.at(0));
        const bool inDrive = std::any_of(drives.cbegin(), drives.cend(), [&](const QString& drive) {
            return source == drive || canonical(source) == canonical(drive);
        });
        if (!inDrive)
            roots << unescapeMountField(fields.at(1));
    }
    return roots;
}

} // namespace tarvelin
