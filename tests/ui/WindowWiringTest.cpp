// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/demo/DemoData.h"
#include "core/game/GameProfile.h"
#include "core/platform/UrlOpener.h"
#include "core/registry/Registry.h"
#include "support/FakeDriveTable.h"
#include "support/FakeMixer.h"
#include "support/FakeProgramStarter.h"
#include "support/ui/Windows.h"
#include "ui/art/Artwork.h"
#include "ui/session/GameWindowWiring.h"
#include "ui/session/Navigator.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/MessageBox.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/HelpViewer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

using fixture::trigger;
using fixture::visibleWindows;

// The real game windows on the demo data, plugged in as the program plugs them.
class WindowWiringTest : public ::testing::Test
{
protected:
    WindowWiringTest()
    {
        mixer.hasCard = false;
        installWindowFactories(navigator, platform);
        navigator.setQuitFunction([this] { ++quits; });
    }
    ~WindowWiringTest() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            widget->close();
        visibleWindows();
    }

    QTemporaryDir dir;
    DemoData demo = buildDemo(dir.filePath(QStringLiteral("demo")));
    Registry registry{demo.registryFile};
    fixture::FakeProgramStarter programs;
    RecordingUrlOpener urls;
    MessageRecorder messages;
    fixture::FakeMixer mixer;
    fixture::FakeBeeper beeper;
    fixture::FakeDriveTable drives; // no optical drive
    ShellPlatform platform{&mixer, &beeper, &drives};
    Navigator navigator{{&registry, &programs, &urls,
                         QStringLiteral(TARVELIN_SOURCE_DIR "/data/help"),
                         FormScroll::kInstantSlide}};
    int quits = 0;
};

TEST_F(WindowWiringTest, GameWindowsReplaceTheStartWindowAndEachOther)
{
    ASSERT_FALSE(demo.registryFile.isEmpty());
    QTest::mouseClick(navigator.showStart()->findChild<QAbstractButton*>("VBUSoftButton1"),
                      Qt::LeftButton);
    EXPECT_EQ(visibleWindows(), QStringList{"Dirt"});

    QWidget* dirt = navigator.openWindow("Dirt");
    QTest::mouseClick(dirt->findChild<QAbstractButton*>("VBUSoftButton12"), Qt::LeftButton);
    EXPECT_EQ(visibleWindows(), QStringList{"Sc"});

    trigger(navigator.openWindow("Sc"), "start");
    EXPECT_EQ(visibleWindows(), QStringList{"Main"});

    QTest::mouseClick(navigator.openWindow("Main")->findChild<QAbstractButton*>("VBUSoftButton2"),
                      Qt::LeftButton);
    trigger(navigator.openWindow("Sc"), "exit");
    EXPECT_EQ(quits, 1);
}

TEST_F(WindowWiringTest, GameWindowOpensAboutHelpAndReportsAMissingCd)
{
    QWidget* dirt = navigator.showGame(DirtTrackRacingProfile);
    trigger(dirt, "about");
    auto* about = dirt->findChild<QDialog*>("dtrAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    about->close();

    trigger(dirt, "serch");
    auto* help = static_cast<HelpViewer*>(navigator.openWindow("helpViewer"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->findChild<QTabWidget*>("helpTabs")->currentIndex(), 1);
    trigger(dirt, "contents");
    EXPECT_EQ(navigator.openWindow("helpViewer"), help);
    EXPECT_EQ(help->currentPage(), QStringLiteral("index.html"));

    QTest::mouseClick(dirt->findChild<QAbstractButton*>("VBUSoftButton10"), Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{DirtTrackRacingProfile.CdMissingMessage});
}

TEST_F(WindowWiringTest, EveryWindowCarriesTheOneApplicationIcon)
{
    // The task bar shows the window's icon: a window with another icon changes it on the way.
    const QIcon icon = art::applicationIcon();
    ASSERT_FALSE(icon.isNull());
    const auto carriesIt = [&icon](QWidget* window) {
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowIcon().cacheKey(), icon.cacheKey())
            << window->objectName().toStdString();
    };
    QWidget* start = navigator.showStart();
    carriesIt(start);
    carriesIt(navigator.showDirectories(start));
    carriesIt(navigator.showVolume(start));
    carriesIt(navigator.showGame(SprintCarsProfile));
    QWidget* dirt = navigator.showGame(DirtTrackRacingProfile);
    carriesIt(dirt);
    carriesIt(navigator.showStoreWindow(DirtTrackRacingProfile, dirt));
    carriesIt(navigator.showHelpContents());
    carriesIt(navigator.showAbout(dirt));
}

// Escape in each secondary window does what its Close button does.
TEST_F(WindowWiringTest, EscapeClosesEverySecondaryWindow)
{
    QWidget* dirt = navigator.showGame(DirtTrackRacingProfile);
    const struct {
        const char* window;
        std::function<QWidget*()> open;
    } cases[] = {
        {"directories",
         [&] {
             return navigator.showDirectories(dirt);
         }},
        {"volume",
         [&] {
             return navigator.showVolume(dirt);
         }},
        {"import and export",
         [&] {
             return navigator.showStoreWindow(DirtTrackRacingProfile, dirt);
         }},
        {"backup history",
         [&] {
             return navigator.showHistoryWindow(DirtTrackRacingProfile, dirt);
         }},
        {"help",
         [&] {
             return navigator.showHelpContents();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        QPointer<QWidget> window = c.open();
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.data(),
                        Qt::Key_Escape);
        fixture::settle();
        EXPECT_TRUE(!window || !window->isVisible());
    }
}

} // namespace
} // namespace tarvelin
