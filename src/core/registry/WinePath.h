// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvelin
{

// The Linux path of a Windows path inside a Wine prefix: "C:\Program Files\Game" goes through
// the prefix's drive link "dosdevices/c:" and then, folder by folder, through the directory
// entries whose names match without regard to letter case, as Windows programs see them.
// Empty when the path names no drive, the drive has no link, or a part of it does not exist.
QString mapWindowsPath(const QString& winePrefix, const QString& windowsPath);

} // namespace tarvelin
