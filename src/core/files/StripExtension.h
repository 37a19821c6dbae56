// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvelin
{

// The text before the first occurrence of `suffix` (letter case counts), untrimmed; when the
// suffix does not occur, the whole text with its leading and trailing blanks removed.
// "Track 1.set" gives "Track 1"; "my.settings.set" gives "my"; "TRACK.SET" stays whole.
QString StripExtension(const QString& text, const QString& suffix);

} // namespace tarvelin
