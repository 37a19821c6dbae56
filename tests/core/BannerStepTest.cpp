// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/motion/BannerStep.h"

#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

// A 3000-twip label in a 6000-twip box: it leaves on the left, then re-enters on the right.
TEST(BannerStepTest, MovesLeftUntilWhollyGoneThenReentersFromTheRight)
{
    EXPECT_EQ(nextBannerLeft(120, 3000, 6000), 95);
    EXPECT_EQ(nextBannerLeft(-2975, 3000, 6000), -3000); // its right edge touches the box's left
    EXPECT_EQ(nextBannerLeft(-3000, 3000, 6000), 6000);
}

} // namespace
} // namespace tarvelin
