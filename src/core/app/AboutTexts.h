// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelin
{

// The about window's texts that are not the program's own title.
inline constexpr char kAboutCaption[] = "About Tarvelin Setup Utility";
inline constexpr char kProductName[] = "Tarvelin Setup Utility";
inline constexpr char kFileDescription[] = "Setup Utility";
inline constexpr char kTestedOn[] = "Tested on Windows 98 only.";
inline constexpr char kAuthorLine[] = "Written by the Tarvelin team for the dirt track community.";

// "Version " and major.minor.revision of `version` ("6.2.2"), without leading zeros or blanks.
QString versionLabel(const QString& version);
// The program's own version.
QString programVersionLabel();

// The credited people, one per label (Label6, Label8, Label9, Label10, Label11).
QStringList creditLines();

} // namespace tarvelin
