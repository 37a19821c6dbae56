// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/motion/SlideSteps.h"

#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

TEST(SlideSteps, LeftSlideStopsOnceBelowTheBoundAndAlwaysStepsOnce)
{
    // From the screen's left edge: 28 steps of 300, the last one past -8300.
    const QList<int> fromZero = slideEdges(0, SlideDirection::Left);
    ASSERT_EQ(fromZero.size(), 28);
    EXPECT_EQ(fromZero.first(), -300);
    EXPECT_EQ(fromZero.last(), -8400);

    // Exactly on the bound is not yet beyond it.
    EXPECT_EQ(slideEdges(-8000, SlideDirection::Left), (QList<int>{-8300, -8600}));
    EXPECT_EQ(slideEdges(-9000, SlideDirection::Left), QList<int>{-9300});

    // Rounded down first, then moved.
    EXPECT_EQ(nextSlideEdge(100.6, SlideDirection::Left), -200);
    EXPECT_EQ(nextSlideEdge(-100.4, SlideDirection::Left), -401);
}

TEST(SlideSteps, RightSlideTakesOneMoreStepFromExactlyTheBound)
{
    EXPECT_EQ(slideEdges(9900, SlideDirection::Right), QList<int>{10200});
    EXPECT_EQ(slideEdges(9600, SlideDirection::Right), (QList<int>{9900, 10200}));
    EXPECT_EQ(slideEdges(20000, SlideDirection::Right), QList<int>{20300});
    EXPECT_EQ(nextSlideEdge(100.6, SlideDirection::Right), 400);

    const QList<int> fromLeft = slideEdges(-1500, SlideDirection::Right);
    EXPECT_EQ(fromLeft.size(), 39);
    EXPECT_EQ(fromLeft.last(), 10200);
}

TEST(SlideSteps, BoundsComeFromTheScreenTheWindowIsOn)
{
    // An 800-pixel screen keeps the bounds the slide was made for, shifted with the screen.
    const SlideBounds small = slideBoundsOnScreen(0, 800 * 15, 600 * 15);
    EXPECT_EQ(small.left, -8300);
    EXPECT_EQ(small.right, 9900);
    EXPECT_EQ(slideEdges(9900, SlideDirection::Right, small), QList<int>{10200});
    const SlideBounds second = slideBoundsOnScreen(800 * 15, 800 * 15, 600 * 15);
    EXPECT_EQ(second.right, 12000 + 9900);

    // On 1280 pixels a window at the right goes past the screen's edge, however far it starts.
    const SlideBounds wide = slideBoundsOnScreen(0, 1280 * 15, 400 * 15);
    EXPECT_EQ(wide.right, 19200);
    const QList<int> right = slideEdges(900 * 15, SlideDirection::Right, wide);
    EXPECT_EQ(right.size(), 20);
    EXPECT_GT(right.last(), 19200);
    EXPECT_LE(right.at(right.size() - 2), 19200);
    EXPECT_EQ(slideEdges(19200, SlideDirection::Right, wide), QList<int>{19500});

    // To the left the whole width must pass the edge; a narrow window still goes the 800-pixel
    // way at least.
    const SlideBounds broad = slideBoundsOnScreen(0, 1920 * 15, 750 * 15);
    EXPECT_EQ(broad.left, -11250);
    EXPECT_LT(slideEdges(0, SlideDirection::Left, broad).last(), -11250);
    EXPECT_EQ(slideBoundsOnScreen(0, 1920 * 15, 100 * 15).left, -8300);
    EXPECT_EQ(slideEdges(-12000, SlideDirection::Left, broad), QList<int>{-12300});
}

} // namespace
