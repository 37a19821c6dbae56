// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/MountInfo.h"

#include <QStringList>

namespace tarvelin
{

// Whose machine the mount table is read for.
struct MountViewer {
    QString home; // the home folder
    QString user; // the login name, for /run/media/<user>
};

// The mount points a player keeps files on, "/" first, then by path, each once: the root, the
// volume that holds the home folder, removable media (under /media, /run/media/<user>, /mnt) and
// volumes mounted under the home folder. Pseudo and system file systems, the machine's own
// folders (/boot, /snap, /run, ...) and a second mount of a folder already listed are left out.
QStringList playerVolumeRoots(const QList<MountRow>& rows, const MountViewer& viewer);

} // namespace tarvelin
