#pragma once

#include "core/motion/SlideSteps.h"

#include <QRect>

namespace tarvelin
{

// Window positions and sizes are kept in twips; the screen has 15 twips to the pixel.
constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace tarvelin
