// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/motion/ProgressAnimation.h"

#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

using Rgb = ProgressAnimation::Rgb;

TEST(ProgressAnimation, PlaysTwentyFiveBlocksRedToGreenThenClearsAtTheTwentySixthStep)
{
    ProgressAnimation animation;
    ASSERT_TRUE(animation.start(2));
    std::vector<ProgressAnimation::Step> steps;
    while (animation.isRunning(2))
        steps.push_back(animation.step(2, 1455));

    ASSERT_EQ(steps.size(), 26u);
    EXPECT_EQ(steps.front().colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(steps[24].colour, (Rgb{15, 240, 0}));
    EXPECT_FLOAT_EQ(steps[1].left, 14.55f * 4);
    EXPECT_FLOAT_EQ(steps[1].right, 14.55f * 7);
    for (size_t i = 0; i < 25; ++i)
        EXPECT_FALSE(steps[i].clearAndStop);
    EXPECT_TRUE(steps.back().clearAndStop);
    EXPECT_EQ(animation.barPosition(), 104);

    // The next start begins again from the left.
    EXPECT_TRUE(animation.start(2));
    EXPECT_EQ(animation.barPosition(), 0);
}

// A second start while running, and a stop: the game window's indicators (ProgressAndStatusTest).
TEST(ProgressAnimation, TwoIndicatorsSharingThePositionBothStopWithColoursInRange)
{
    ProgressAnimation animation;
    animation.start(1);
    animation.start(3);
    int ticks = 0;
    while ((animation.isRunning(1) || animation.isRunning(3)) && ticks < 1000) {
        for (const int indicator : {1, 3}) {
            if (!animation.isRunning(indicator))
                continue;
            const auto step = animation.step(indicator, 1455);
            EXPECT_GE(step.colour.red, 0);
            EXPECT_LE(step.colour.green, 255);
        }
        ++ticks;
    }
    EXPECT_FALSE(animation.isRunning(1));
    EXPECT_FALSE(animation.isRunning(3));
    EXPECT_LT(ticks, 1000);
}

} // namespace
