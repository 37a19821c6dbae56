// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace tarvelin
{

// One mounted volume as the drive list shows it: by its root path.
struct Volume {
    QString rootPath;
    // False when the volume cannot be read now (no medium, device gone, unreadable root).
    bool ready = true;

    friend bool operator==(const Volume&, const Volume&) = default;
};

// The volumes of the machine, the stand-in for its drive letters.
class VolumeTable
{
public:
    virtual ~VolumeTable() = default;
    // Sorted by root path; "/" first.
    virtual QList<Volume> volumes() const = 0;
};

// The volumes of this machine a player keeps files on (see playerVolumeRoots), from the kernel's
// mount table; without a readable table, the root alone.
class MountedVolumeTable final : public VolumeTable
{
public:
    MountedVolumeTable() = default;
    explicit MountedVolumeTable(QString mountTable) : mountTable_(std::move(mountTable)) {}

    QList<Volume> volumes() const override;

private:
    QString mountTable_ = QStringLiteral("/proc/self/mountinfo");
};

// The root of the volume that holds `folder`: the longest root path that contains it, "/" when
// none does (or the empty text when the table has no volume at all).
QString volumeOf(const QString& folder, const QList<Volume>& volumes);

} // namespace tarvelin
