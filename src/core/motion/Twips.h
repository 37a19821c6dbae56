// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace tarvelin
{

// Window positions and sizes are kept in twips, as the games' windows were laid out; the screen
// has 15 twips to the pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

constexpr QRect twipsRect(const QRect& twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace tarvelin
