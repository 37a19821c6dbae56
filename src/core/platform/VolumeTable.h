// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

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

// The mounted volumes of this machine (pseudo file systems are left out by Qt).
class MountedVolumeTable final : public VolumeTable
{
public:
    QList<Volume> volumes() const override;
};

// The root of the volume that holds `folder`: the longest root path that contains it, "/" when
// none does (or the empty text when the table has no volume at all).
QString volumeOf(const QString& folder, const QList<Volume>& volumes);

} // namespace tarvelin
