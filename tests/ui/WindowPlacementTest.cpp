// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/WindowPlacement.h"

#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

bool covers(QPoint corner, QSize size, const QRect& other)
{
    return QRect(corner, size).intersects(other);
}

TEST(WindowPlacement, BesideTheOpenerOnTheScreenWithoutCoveringIt)
{
    const QRect wide(0, 0, 1280, 1000);
    const QRect start(370, 290, 540, 440); // centred on 1280 pixels
    const QSize directories(600, 290);

    // No room at either side: above it, still on the screen.
    const QPoint left = placeBeside(directories, start, wide);
    EXPECT_FALSE(covers(left, directories, start));
    EXPECT_TRUE(wide.contains(QRect(left, directories)));

    // Room at the right: there, level with the opener.
    const QRect atLeft(20, 100, 540, 440);
    const QPoint right = placeBeside(directories, atLeft, wide);
    EXPECT_EQ(right, QPoint(568, 100));

    // Neither side, but room below.
    const QRect fullWidth(0, 0, 1280, 500);
    const QPoint below = placeBeside(QSize(1000, 300), fullWidth, wide);
    EXPECT_EQ(below.y(), 508);
}

TEST(WindowPlacement, WhereItMustCoverItCoversTheLeast)
{
    // 1024 by 768: the game window stands at the left, the whole-store window does not fit
    // beside it. It goes to the side with more room and keeps off the store list at the left.
    const QRect screen(0, 0, 1024, 740);
    const QRect game(0, 0, 760, 530);
    const QSize store(450, 520);
    const QPoint place = placeBeside(store, game, screen);
    EXPECT_EQ(place.x(), 1024 - 450);
    EXPECT_TRUE(screen.contains(QRect(place, store)));
    const QRect storeList(48, 56, 185, 305);
    EXPECT_FALSE(covers(place, store, storeList));
}

TEST(WindowPlacement, InsteadOfAnotherWindowWhereItStood)
{
    const QRect screen(0, 0, 1280, 1000);
    const QRect start(370, 290, 540, 440);
    const QPoint game = placeInstead(QSize(760, 530), start, screen);
    EXPECT_EQ(QRect(game, QSize(760, 530)).center(), start.center());

    // Kept on the screen when the old window stood at its edge.
    const QPoint clamped = placeInstead(QSize(760, 530), QRect(900, 800, 300, 150), screen);
    EXPECT_EQ(clamped, QPoint(1280 - 760, 1000 - 530));
    // A window larger than the screen keeps its corner on it.
    EXPECT_EQ(placeInstead(QSize(2000, 1200), start, screen), QPoint(0, 0));
}

TEST(WindowPlacement, OnlyAWaylandCompositorPlacesTheWindowsItself)
{
    const struct {
        const char* platform;
        bool programPlaces;
    } cases[] = {{"xcb", true}, {"offscreen", true}, {"wayland", false}, {"wayland-egl", false}};
    for (const auto& c : cases)
        EXPECT_EQ(programPlacesWindows(QString::fromLatin1(c.platform)), c.programPlaces)
            << c.platform;
}

} // namespace
} // namespace tarvelin
