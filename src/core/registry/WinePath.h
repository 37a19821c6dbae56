// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>

namespace tarvelin
{

// The Linux path of a Windows path inside a Wine prefix: "C:\Program Files\Game" goes through
// the prefix's drive link "dosdevices/c:" and then, folder by folder, through the directory
// entries whose names match without regard to letter case, or whose 8.3 short name as Wine forms
// it ("PROG~5P2") matches, as Windows programs see them. The "\\?\" and "\??\" forms of a path are
// the same path. Empty when the path names no drive, the drive has no link, or a part of it does
// not exist.
QString mapWindowsPath(const QString& winePrefix, const QString& windowsPath);

// The 8.3 name Wine gives a long file name that is not one already: its first four characters,
// "~" and three characters of a hash of the whole name, and the first three of its extension.
QString wineShortName(const QString& longName);

// Environment variables by name (upper case), as a Windows program of the prefix sees them.
using WineEnvironment = QMap<QString, QString>;

// `text` with each "%NAME%" the environment holds replaced, names in any letter case, as Windows
// expands a REG_EXPAND_SZ value; an unknown name stays as it is.
QString expandEnvironmentStrings(const QString& text, const WineEnvironment& environment);

} // namespace tarvelin
