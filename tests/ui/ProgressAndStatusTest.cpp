// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Clock.h"
#include "support/FakeClock.h"
#include "ui/gamewindow/ProgressIndicators.h"
#include "ui/widgets/GameStatusBar.h"
#include "ui/widgets/ProgressPicture.h"

#include <QLabel>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

// Stands in for the list an indicator repaints, counting its paints.
class PaintCounter : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

QRgb rgb(int red, int green)
{
    return qRgb(red, green, 0);
}

class ProgressIndicatorsTest : public ::testing::Test
{
protected:
    ProgressIndicatorsTest()
    {
        list.setParent(&window);
        indicators.setRepaintedList(2, &list);
        window.resize(200, 100);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget window;
    PaintCounter list;
    ProgressIndicators indicators{&window};
};

TEST_F(ProgressIndicatorsTest, PlaysTwentySixStepsRedToGreenThenEmptiesAndStops)
{
    ProgressPicture* picture = indicators.picture(2);
    ASSERT_EQ(picture->objectName(), QStringLiteral("picProgress2"));
    ASSERT_EQ(picture->widthInTwips(), 1455.0f);
    const QRgb background = picture->image().pixel(50, 3);

    indicators.start(2);
    EXPECT_TRUE(indicators.timer(2)->isActive());
    EXPECT_EQ(indicators.timer(2)->interval(), 10);
    const int paintsBefore = list.paints;
    for (int step = 0; step < 25; ++step)
        indicators.step(2);

    // Blocks 3 hundredths wide every 4: p = 0 at pixel 1, p = 48 at pixel 47, p = 96 at 94.
    const QImage& image = picture->image();
    EXPECT_EQ(image.pixel(1, 3), rgb(255, 0));
    EXPECT_EQ(image.pixel(47, 0), rgb(135, 120));
    EXPECT_EQ(image.pixel(94, 6), rgb(15, 240));
    EXPECT_EQ(indicators.barPosition(), 100);
    EXPECT_TRUE(indicators.isRunning(2));

    indicators.step(2);
    EXPECT_FALSE(indicators.isRunning(2));
    EXPECT_FALSE(indicators.timer(2)->isActive());
    EXPECT_EQ(indicators.barPosition(), 104);
    for (const QPoint at : {QPoint(1, 3), QPoint(47, 0), QPoint(94, 6)})
        EXPECT_EQ(picture->image().pixel(at), background);
    EXPECT_GE(list.paints - paintsBefore, 26);
}

TEST_F(ProgressIndicatorsTest, SecondStartWhileRunningGoesOnAndStopKeepsTheBlocks)
{
    indicators.start(2);
    indicators.step(2);
    indicators.step(2);
    indicators.start(2);
    EXPECT_EQ(indicators.barPosition(), 8);
    indicators.stop(2);
    EXPECT_FALSE(indicators.isRunning(2) || indicators.timer(2)->isActive());
    EXPECT_EQ(indicators.barPosition(), 8); // shared with the other indicators: kept
    EXPECT_EQ(indicators.picture(2)->image().pixel(5, 3), rgb(245, 10));
}

TEST(GameStatusBarTest, ShowsStatusAndTheClocksTime)
{
    FakeClock clock(QDateTime(QDate(2024, 5, 1), QTime(14, 5)));
    GameStatusBar bar(clock);
    EXPECT_EQ(bar.statusPanel()->text(), QStringLiteral("Status"));
    EXPECT_EQ(bar.timePanel()->text(), QLocale().toString(QTime(14, 5), QLocale::ShortFormat));

    clock.set(QDateTime(QDate(2024, 5, 1), QTime(23, 59)));
    bar.updateTime();
    EXPECT_EQ(bar.timePanel()->text(), QLocale().toString(QTime(23, 59), QLocale::ShortFormat));
    EXPECT_FALSE(bar.findChild<QLabel*>(QStringLiteral("Panel2Picture"))->pixmap().isNull());
}

} // namespace
} // namespace tarvelin
