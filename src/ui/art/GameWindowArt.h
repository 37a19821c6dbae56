#pragma once

#include <QPixmap>
#include <QSize>

namespace tarvelin
{

struct GameProfile;

// The game window's decorative pictures, drawn by the program so that they scale cleanly and
// need no files. Each takes the size the window gives the picture, in pixels.
namespace art
{

// Image3: the window's background, a night sky over a dirt oval.
QPixmap windowBackground(QSize size);
// Image4: the darker panel behind the block of command buttons.
QPixmap buttonPanel(QSize size);
// Image8: the game's logo.
QPixmap gameLogo(const GameProfile& profile, QSize size);
// Image2: the banner reading SETUP UTILITY.
QPixmap setupUtilityBanner(QSize size);
// Image10: the makers' logo.
QPixmap makersLogo(QSize size);
// Image5: a dark picture of the game's car (a late model, or a winged sprint car).
QPixmap carPicture(const GameProfile& profile, QSize size);
// Image1 and the windows' icon: a steering wheel over a chequered flag.
QPixmap utilityIcon(int size);

} // namespace art
} // namespace tarvelin
