#include "storewindow/BannerStep.h"

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
    EXPECT_EQ(nextBannerLeft(-2990, 3000, 6000), 6000);

    int left = 6000;
    int ticks = 0;
    do {
        left = nextBannerLeft(left, 3000, 6000);
        ++ticks;
    } while (left != 6000 && ticks < 1000);
    EXPECT_EQ(ticks, (6000 + 3000) / 25 + 1); // one lap, then back at the right edge
}

} // namespace
} // namespace tarvelin
