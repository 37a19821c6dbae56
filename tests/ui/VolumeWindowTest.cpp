// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/VolumeWindow.h"

#include "support/FakeMixer.h"
#include "support/ui/Windows.h"
#include "ui/widgets/MessageBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

using fixture::find;

struct VolumeWindowTest : ::testing::Test {
    fixture::FakeMixer mixer;
    fixture::FakeBeeper beeper;
    MessageRecorder messages;
};

TEST_F(VolumeWindowTest, RightAndUpRaiseTheVolumeLeftAndDownLowerIt)
{
    VolumeWindow window(mixer, beeper);
    window.show();
    auto* slider = find<QScrollBar>(&window, "VScroll1");
    slider->setValue(10000);
    const int step = slider->singleStep();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(slider->value(), 10000 + step);
    QTest::keyClick(slider, Qt::Key_Up);
    EXPECT_EQ(slider->value(), 10000 + 2 * step);
    QTest::keyClick(slider, Qt::Key_Left);
    QTest::keyClick(slider, Qt::Key_Down);
    QTest::keyClick(slider, Qt::Key_Down);
    EXPECT_EQ(slider->value(), 10000 - step);
    // Each key press sets the volume, as a click on the arrows does.
    EXPECT_EQ(mixer.levels.last(), 2 * quint32(10000 - step));

    // The page keys and the ends keep the scroll bar's own direction.
    QTest::keyClick(slider, Qt::Key_PageDown);
    EXPECT_EQ(slider->value(), 10000 - step + slider->pageStep());
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(slider->value(), 0);
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(slider->value(), 0);
}

TEST_F(VolumeWindowTest, EachSliderChangeSetsTwiceItsPositionBeepsAndShowsTheLevel)
{
    VolumeWindow window(mixer, beeper);
    window.show();
    EXPECT_EQ(window.objectName(), QStringLiteral("volume"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("System Volume"));
    EXPECT_EQ(find<QLabel>(&window, "Label2")->text(),
              QStringLiteral("Tarvelin Volume Controller"));
    EXPECT_EQ(find<QLabel>(&window, "Label1")->text(), QStringLiteral("Volume Controller"));
    EXPECT_TRUE(mixer.isOpen);
    EXPECT_TRUE(messages.messages().isEmpty());

    auto* slider = find<QScrollBar>(&window, "VScroll1");
    auto* bar = find<QProgressBar>(&window, "ProgressBar1");
    slider->setValue(1);
    slider->setValue(32767);
    slider->setValue(0);
    // A click on the arrow.
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const quint32 step = 2 * quint32(slider->value());
    EXPECT_GT(step, 0u);
    EXPECT_EQ(mixer.levels, (QList<quint32>{2, 65534, 0, step}));
    EXPECT_EQ(beeper.beeps, 4);
    EXPECT_EQ(bar->value(), int(step));
    slider->setValue(32767);
    EXPECT_EQ(bar->value(), 65534);

    QTest::mouseClick(find<QAbstractButton>(&window, "Image2"), Qt::LeftButton);
    EXPECT_EQ(beeper.beeps, 6);
    EXPECT_EQ(mixer.levels.size(), 5);

    QTest::mouseClick(find<QAbstractButton>(&window, "VBUSoftButton1"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(mixer.isOpen);
    EXPECT_EQ(mixer.closes, 1);
}

TEST_F(VolumeWindowTest, WithoutACardTellsOncePerOpeningAndStillFollowsTheSlider)
{
    mixer.hasCard = false;
    VolumeWindow window(mixer, beeper);
    int slides = 0;
    window.setCloseAction([&](QWidget& w) {
        ++slides;
        w.close();
    });
    for (int opening = 1; opening <= 2; ++opening) {
        window.show();
        window.show();
        ASSERT_EQ(messages.messages().size(), opening);
        const Message& told = messages.messages().last().message;
        EXPECT_EQ(told, (Message{QStringLiteral("Couldn't open the mixer.")}));
        EXPECT_EQ(told.title, QStringLiteral("TarvelinSetupUtility"));

        // Every opening starts from the slider's resting place.
        auto* slider = find<QScrollBar>(&window, "VScroll1");
        EXPECT_EQ(slider->value(), 0);
        slider->setValue(1000);
        EXPECT_EQ(find<QProgressBar>(&window, "ProgressBar1")->value(), 2000);
        EXPECT_EQ(beeper.beeps, opening);
        QTest::mouseClick(find<QAbstractButton>(&window, "VBUSoftButton1"), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(slides, opening);
    }
    EXPECT_TRUE(mixer.levels.isEmpty());
}

} // namespace
} // namespace tarvelin
