// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvelin
{

// Whether a file name that the player typed (an export name with its extension, a new name for
// a setup file) names a file inside the chosen folder: not empty, not "." or "..", no "/" and no
// NUL, and not longer than the file system takes (255 bytes once encoded).
bool isUsableFileName(const QString& fileName);

} // namespace tarvelin
