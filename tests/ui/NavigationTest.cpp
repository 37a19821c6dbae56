// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/GameProfile.h"
#include "core/motion/SlideSteps.h"
#include "core/platform/UrlOpener.h"
#include "core/registry/Registry.h"
#include "core/registry/WinePrefixMemory.h"
#include "support/FakeProgramStarter.h"
#include "support/StoreBytes.h"
#include "support/ui/Windows.h"
#include "ui/session/Navigator.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/MessageBox.h"
#include "ui/windows/DirectoriesWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

using fixture::click;
using fixture::settle;
using fixture::visibleWindows;

// Counts the moves a window makes.
class MoveCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Move)
            ++moves;
        return false;
    }
    int moves = 0;
};

TEST(FormScrollTest, SlidesThroughItsOwnPositionsStopsPastTheBoundAndStandsStillWhereItMust)
{
    // A child widget takes every position exactly, so the steps can be counted one by one.
    QWidget screen;
    screen.resize(800, 200);
    QWidget window(&screen);
    window.setGeometry(0, 40, 100, 50);
    screen.show();
    MoveCounter counter;
    window.installEventFilter(&counter);
    FormScroll::scrollOut(window, SlideDirection::Left, FormScroll::kInstantSlide);
    EXPECT_EQ(counter.moves, slideEdges(0, SlideDirection::Left).size());
    EXPECT_EQ(window.pos(), QPoint(-8400 / 15, 40));

    // 9900 twips is not yet beyond the bound: one more step.
    window.move(660, 40);
    counter.moves = 0;
    FormScroll::scrollOut(window, SlideDirection::Right, FormScroll::kInstantSlide);
    EXPECT_EQ(counter.moves, 1);
    EXPECT_EQ(window.x(), 10200 / 15);

    // Where the window system ignores a program's moves, the slide takes its steps standing still
    // and the window still closes.
    counter.moves = 0;
    FormScroll::scrollOutAndClose(window, SlideDirection::Left, {0, false});
    EXPECT_EQ(counter.moves, 0);
    EXPECT_EQ(window.x(), 10200 / 15);
    EXPECT_TRUE(window.isHidden());
}

class NavigationTest : public ::testing::Test
{
protected:
    NavigationTest()
    {
        navigator.setGameWindowFactory([this](const GameProfile& profile, Navigator&) {
            ++gameWindowsMade;
            auto* window = new QWidget;
            window->setObjectName(profile.windowName);
            window->resize(400, 300);
            return window;
        });
        navigator.setVolumeWindowFactory([](Navigator&) {
            auto* window = new QWidget;
            window->setObjectName(QStringLiteral("volume"));
            return window;
        });
        navigator.setQuitFunction([this] { ++quits; });
    }
    ~NavigationTest() override { settle(); }

    QTemporaryDir dir;
    Registry registry{dir.filePath(QStringLiteral("registry.reg"))};
    fixture::FakeProgramStarter programs;
    RecordingUrlOpener urls;
    MessageRecorder messages;
    Navigator navigator{{&registry, &programs, &urls, QString(), FormScroll::kInstantSlide}};
    int gameWindowsMade = 0;
    int quits = 0;
};

TEST_F(NavigationTest, StartGameSwitchAndBackLeaveOneWindowAndQuitEndsAtOnce)
{
    QWidget* start = navigator.showStart();
    // Start-up reads and writes nothing.
    EXPECT_FALSE(QFile::exists(registry.filePath()));
    settle();
    EXPECT_EQ(visibleWindows(), QStringList{"Main"});

    click(start, "VBUSoftButton1");
    settle();
    EXPECT_EQ(visibleWindows(), QStringList{"Dirt"});
    EXPECT_TRUE(QFile::exists(registry.filePath())); // the utility's key, on the first choice

    navigator.switchGame(navigator.openWindow("Dirt"), DirtTrackRacingProfile);
    settle();
    EXPECT_EQ(visibleWindows(), QStringList{"Sc"});

    navigator.backToStart(navigator.openWindow("Sc"));
    settle();
    EXPECT_EQ(visibleWindows(), QStringList{"Main"});
    EXPECT_EQ(gameWindowsMade, 2);

    click(navigator.openWindow("Main"), "VBUSoftButton3");
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(visibleWindows(), QStringList{"Main"});
}

TEST_F(NavigationTest, ReopeningAnOpenWindowShowsTheSameOneWithItsState)
{
    QWidget* start = navigator.showStart();
    click(start, "VBUSoftButton4");
    click(start, "VBUSoftButton6");
    click(start, "VBUSoftButton6");
    QWidget* directories = navigator.openWindow("Dir");
    ASSERT_NE(directories, nullptr);
    directories->setProperty("marked", true);
    click(start, "VBUSoftButton4");
    EXPECT_EQ(navigator.openWindow("Dir"), directories);
    EXPECT_TRUE(directories->property("marked").toBool());
    settle();
    EXPECT_EQ(visibleWindows(), (QStringList{"Dir", "Main", "volume"}));

    // The directories and volume windows stay when the start window gives way to a game.
    QWidget* game = navigator.showGame(SprintCarsProfile);
    EXPECT_EQ(navigator.showGame(SprintCarsProfile), game);
    EXPECT_EQ(gameWindowsMade, 1);
    navigator.chooseGame(SprintCarsProfile);
    settle();
    EXPECT_EQ(visibleWindows(), (QStringList{"Dir", "Sc", "volume"}));

    // Closed by its button after the slide, it opens afresh next time.
    click(directories, "VBUSoftButton1");
    settle();
    EXPECT_EQ(navigator.openWindow("Dir"), nullptr);
    EXPECT_NE(navigator.showDirectories(), nullptr);
}

TEST_F(NavigationTest, StartWindowLinkControllersAndDirectories)
{
    QWidget* start = navigator.showStart();
    QTest::mouseClick(start->findChild<QLabel*>("Label10"), Qt::LeftButton);
    EXPECT_EQ(urls.opened.size(), 1);
    EXPECT_TRUE(urls.opened[0].startsWith("http"));

    click(start, "VBUSoftButton5");
    ASSERT_EQ(programs.starts.size(), 1);
    EXPECT_EQ(programs.starts[0].program, QStringLiteral("jstest-gtk"));
    EXPECT_TRUE(messages.messages().isEmpty());
    programs.succeeds = false;
    click(start, "VBUSoftButton5");
    EXPECT_EQ(programs.starts.size(), 3); // jstest-gtk, then wine's joy.cpl
    EXPECT_EQ(programs.starts[2].args, (QStringList{"control", "joy.cpl"}));
    EXPECT_EQ(messages.messages().size(), 1);

    // Neither game installed: both directories empty.
    DirectoriesWindow empty(registry, FormScroll::kInstantSlide);
    EXPECT_TRUE(empty.findChild<QLabel*>("Label3")->text().isEmpty());
    EXPECT_TRUE(empty.findChild<QLabel*>("Label5")->text().isEmpty());
    EXPECT_EQ(empty.findChild<QLabel*>("Label2")->text(), QStringLiteral("Dtr Game Directory"));

    ASSERT_TRUE(registry.ensureCreated());
    ASSERT_TRUE(registry.createKey(SprintCarsProfile.GameKey));
    ASSERT_TRUE(registry.SetKeyValue(SprintCarsProfile.GameKey, "Directory",
                                     QStringLiteral("/games/Sprint Cars"), RegistryType::String));
    DirectoriesWindow one(registry, FormScroll::kInstantSlide);
    EXPECT_TRUE(one.findChild<QLabel*>("Label3")->text().isEmpty());
    auto* sprintDirectory = one.findChild<QLabel*>("Label5");
    EXPECT_EQ(sprintDirectory->text(), QStringLiteral("/games/Sprint Cars"));
    // The path is read with its caption, and Tab reaches it.
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(sprintDirectory);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->text(QAccessible::Name),
              QStringLiteral("Sprint Game Directory /games/Sprint Cars"));
    EXPECT_TRUE(sprintDirectory->focusPolicy() & Qt::TabFocus);

    // The prefix the game plays in is told beside its directory.
    ASSERT_TRUE(
        rememberWinePrefix(registry, SprintCarsProfile, QStringLiteral("/home/p/.wine-sc")));
    DirectoriesWindow withPrefix(registry, FormScroll::kInstantSlide);
    EXPECT_EQ(withPrefix.findChild<QLabel*>("Label5")->accessibleDescription(),
              QStringLiteral("Wine prefix: /home/p/.wine-sc (remembered)"));
}

TEST_F(NavigationTest, GameWindowsTakeThePlaceOfTheWindowTheyReplace)
{
    QWidget* start = navigator.showStart();
    start->move(90, 70);
    settle();
    const QPoint centre = start->frameGeometry().center();
    click(start, "VBUSoftButton1");
    settle();
    QWidget* dirt = navigator.openWindow("Dirt");
    ASSERT_NE(dirt, nullptr);
    EXPECT_EQ(dirt->frameGeometry().center(), centre);

    dirt->move(10, 20);
    navigator.switchGame(dirt, DirtTrackRacingProfile);
    settle();
    EXPECT_EQ(navigator.openWindow("Sc")->pos(), QPoint(10, 20));
}

TEST_F(NavigationTest, TheUtilitysWindowsAreFramesToAScreenReader)
{
    QWidget* start = navigator.showStart();
    QWidget* directories = navigator.showDirectories(start);
    for (QWidget* window : {start, directories}) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::Window) << window->objectName().toStdString();
        EXPECT_EQ(face->text(QAccessible::Name), window->windowTitle());
        EXPECT_GT(face->childCount(), 5);
    }
    // Opened beside the start window, on the screen, without covering it.
    EXPECT_FALSE(directories->frameGeometry().intersects(start->frameGeometry()));
    EXPECT_TRUE(start->screen()->availableGeometry().contains(directories->frameGeometry()));
}

} // namespace
} // namespace tarvelin
