// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelin
{

// The machine's optical drives and where their discs are mounted. Only the kernel's tables are
// read, never a drive, so an empty drive costs nothing and shows nothing.
class DriveTable
{
public:
    virtual ~DriveTable() = default;

    // Device nodes of the optical drives, first drive first ("/dev/sr0", "/dev/sr1", ...).
    virtual QStringList opticalDrives() const = 0;
    // Where the disc in `device` is mounted, or the empty text when nothing is.
    virtual QString mountPoint(const QString& device) const = 0;
    // Where the disc file systems (iso9660, udf) that are not in an optical drive are mounted, in
    // the order they were mounted: the loop mounts of disc images.
    virtual QStringList discImageRoots() const = 0;
};

// The drive table of this machine, from /proc/sys/dev/cdrom/info (else the sr* nodes of /dev) and
// /proc/mounts. Tests point the paths at files of their own.
class SystemDriveTable : public DriveTable
{
public:
    struct Paths {
        QString cdromInfo = QStringLiteral("/proc/sys/dev/cdrom/info");
        QString mounts = QStringLiteral("/proc/mounts");
        QString devices = QStringLiteral("/dev");
    };

    SystemDriveTable() = default;
    explicit SystemDriveTable(Paths paths) : paths_(std::move(paths)) {}

    QStringList opticalDrives() const override;
    QString mountPoint(const QString& device) const override;
    QStringList discImageRoots() const override;

private:
    Paths paths_;
};

} // namespace tarvelin
