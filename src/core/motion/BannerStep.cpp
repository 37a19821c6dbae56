// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/motion/BannerStep.h"

namespace tarvelin
{

int nextBannerLeft(int leftTwips, int labelWidthTwips, int pictureWidthTwips)
{
    const int left = leftTwips - kBannerStepTwips;
    return left < -labelWidthTwips ? pictureWidthTwips : left;
}

} // namespace tarvelin
