#include "core/cli/DemoData.h"
#include "core/game/GameProfile.h"
#include "core/platform/Beeper.h"
#include "core/platform/DriveTable.h"
#include "core/platform/Mixer.h"
#include "core/platform/UrlOpener.h"
#include "core/registry/Registry.h"
#include "support/RecordingStarter.h"
#include "ui/session/GameWindowWiring.h"
#include "ui/session/Navigator.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/MessageBox.h"
#include "ui/windows/HelpViewer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

class NoMixer final : public Mixer
{
public:
    bool open() override { return false; }
    bool findVolumeControl() override { return false; }
    bool setLevel(quint32) override { return false; }
    void close() override {}
};

class NoBeep final : public Beeper
{
public:
    void beep() override {}
};

class NoDrives final : public DriveTable
{
public:
    QStringList opticalDrives() const override { return {}; }
    QString mountPoint(const QString&) const override { return {}; }
};

QStringList visibleWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names.append(widget->objectName());
    }
    names.sort();
    return names;
}

void trigger(QWidget* window, const char* action)
{
    auto* found = window->findChild<QAction*>(QString::fromLatin1(action));
    ASSERT_NE(found, nullptr) << action;
    found->trigger();
}

// The real game windows on the demo data, plugged in as the program plugs them.
class WindowWiringTest : public ::testing::Test
{
protected:
    WindowWiringTest()
    {
        FormScroll::setStepPauseMs(0);
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
    fixture::RecordingStarter programs;
    RecordingUrlOpener urls;
    MessageRecorder messages;
    NoMixer mixer;
    NoBeep beeper;
    NoDrives drives;
    ShellPlatform platform{&mixer, &beeper, &drives};
    Navigator navigator{
        {&registry, &programs, &urls, QStringLiteral(TARVELIN_SOURCE_DIR "/data/help")}};
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

} // namespace
} // namespace tarvelin
