// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

namespace tarvelin
{

// The pictures of the game window's picture boxes Picture1 to Picture10, shown beside menu
// entries: 1 about, 2 exit, 3 search, 4 help contents, 5 import and export, 6 home page,
// 7 export setup, 8 import setup, 9 delete, 10 main menu. Each is 14 by 12 pixels.
inline constexpr int kMenuPictureCount = 10;
inline constexpr int kMenuPictureWidth = 14;
inline constexpr int kMenuPictureHeight = 12;

// Picture `number` (1 to 10); a null pixmap for any other number.
QPixmap drawMenuPicture(int number);

} // namespace tarvelin
