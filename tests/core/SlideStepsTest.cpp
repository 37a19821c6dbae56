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

} // namespace
