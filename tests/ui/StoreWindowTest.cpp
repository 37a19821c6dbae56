// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/storewindow/StoreWindow.h"

#include "core/game/GameProfile.h"
#include "core/registry/Registry.h"
#include "support/FakeTrash.h"
#include "support/StoreBytes.h"
#include "support/ui/Windows.h"
#include "ui/folder/SetupFileView.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/session/GameWindowWiring.h"
#include "ui/session/Navigator.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/MessageBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

using fixture::click;

const GameProfile& kDtr = DirtTrackRacingProfile;

// `Dirt` on a fixture store, its whole-store window opened from its menu at a temporary folder.
class StoreWindowTest : public ::testing::Test
{
protected:
    StoreWindowTest()
    {
        installWindowFactories(navigator, platform);
        registry.ensureCreated();
        fixture::pointAtGame(registry, kDtr, game.root());
        registry.SetKeyValue(QString::fromLatin1(UtilityKey), kDtr.StoreFolderValueName,
                             folder.path(), RegistryType::String);
    }
    QWidget* openStoreWindow()
    {
        gameWindow = static_cast<GameWindow*>(navigator.showGame(kDtr));
        gameWindow->findChild<QAction*>(QStringLiteral("importexportsav"))->trigger();
        return navigator.openWindow(QStringLiteral("dtrSav"));
    }
    static SetupFileView* files(QWidget* window)
    {
        return window->findChild<SetupFileView*>("File1");
    }
    static void selectFile(QWidget* window, int row) { fixture::clickRow(files(window), row); }
    QString copyPath() const { return folder.filePath(kDtr.StoreCopyFileName); }

    QTemporaryDir scratch;
    QTemporaryDir folder;
    fixture::GameDir game;
    Registry registry{scratch.filePath(QStringLiteral("registry.reg"))};
    MessageRecorder messages;
    fixture::FakeTrash trash;
    ShellPlatform platform{nullptr, nullptr, nullptr, &trash};
    Navigator navigator{{&registry, nullptr, nullptr, {}, FormScroll::kInstantSlide}};
    GameWindow* gameWindow = nullptr;
};

TEST_F(StoreWindowTest, ExportWritesTheWholeStoreAndListsOnlyThisGamesCopy)
{
    const QByteArray store = fixture::storeOf({"Eldora", "Knoxville", "Dash"}, 6);
    game.write("setups.sav", store);
    fixture::writeFile(folder.filePath(SprintCarsProfile.StoreCopyFileName), store);
    QWidget* window = openStoreWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->findChild<QLineEdit*>("Text1")->text(), game.root());
    fixture::clickRow(gameWindow->findChild<QListWidget*>("List1"), 1);
    click(window, "VBUSoftButton2");
    // Only read, the store leaves the game window's choice as it was.
    EXPECT_EQ(gameWindow->findChild<QLabel*>("Label9")->text(), QStringLiteral("2"));
    EXPECT_EQ(gameWindow->findChild<QLineEdit*>("Text3")->text(), QStringLiteral("Knoxville"));

    ASSERT_EQ(files(window)->count(), 1);
    EXPECT_EQ(files(window)->nameAt(0), kDtr.StoreCopyFileName);
    EXPECT_EQ(fixture::readFile(copyPath()), store);
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(StoreWindowTest, ImportReplacesTheStoreAndTheOpenGameWindowFollows)
{
    game.write("setups.sav",
               fixture::storeOf({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, 6));
    const std::vector<QByteArray> copySlots{fixture::usedSlot("A", 6, 1), fixture::unusedSlot(),
                                            fixture::usedSlot("C", 6, 3),
                                            fixture::usedSlot("D", 6, 4)};
    fixture::writeFile(copyPath(), fixture::store(copySlots, 7));
    QWidget* window = openStoreWindow();

    click(window, "VBUSoftButton1"); // nothing selected
    EXPECT_EQ(messages.texts(), QStringList{QString::fromLatin1(kNoCopyChosenText)});
    EXPECT_EQ(gameWindow->findChild<QListWidget*>("List1")->count(), 10);

    selectFile(window, 0);
    click(window, "VBUSoftButton1");
    EXPECT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(game.read("setups.sav"), fixture::store(copySlots, 0));
    EXPECT_EQ(gameWindow->findChild<QListWidget*>("List1")->count(), 3);
    EXPECT_EQ(gameWindow->findChild<QLabel*>("Text6")->text(), QStringLiteral("3"));
    // The next slot is the gap, which an import fills.
    EXPECT_EQ(gameWindow->findChild<QLineEdit*>("Text4")->text(), QStringLiteral("2"));
    // The table the game window's own commands write from is the new one, gap included.
    ASSERT_EQ(gameWindow->storeLines().size(), 3u);
    EXPECT_EQ(gameWindow->storeLines()[1].slot, 3);
}

TEST_F(StoreWindowTest, DeleteAsksAndTrashesTheCopyOnlyOnYes)
{
    fixture::writeFile(copyPath(), fixture::storeOf({"A"}, 6));
    QWidget* window = openStoreWindow();

    selectFile(window, 0);
    messages.queueAnswer(MessageAnswer::No);
    click(window, "VBUSoftButton3");
    EXPECT_TRUE(QFile::exists(copyPath()));
    EXPECT_EQ(messages.messages().last().message.title, QStringLiteral("Operation Aborted"));

    selectFile(window, 0);
    messages.queueAnswer(MessageAnswer::Yes);
    click(window, "VBUSoftButton3");
    EXPECT_EQ(messages.messages().last().buttons, MessageButtons::YesNo);
    EXPECT_EQ(trash.requested, QStringList{copyPath()});
    EXPECT_EQ(files(window)->count(), 0);
}

TEST_F(StoreWindowTest, BannerMovesFromTheOpeningAndAClickWidensIt)
{
    auto* window = static_cast<StoreWindow*>(openStoreWindow());
    const int start = window->bannerLeftTwips();
    // The first step comes with the timer's first tick, late on a busy machine.
    for (int waited = 0; waited < 5000 && window->bannerLeftTwips() >= start; waited += 20)
        QTest::qWait(20);
    EXPECT_LT(window->bannerLeftTwips(), start);
    QTest::mouseClick(window->findChild<QLabel*>("Picture1"), Qt::LeftButton);
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->width(),
              window->findChild<QLabel*>("Picture1")->width());
}

// A Wine player with nothing set up: the game's key is only in the prefix's registry, as the game
// and directories windows find it too.
TEST(StoreWindowLookup, GameDirectoryComesFromTheWinePrefixWhenTheRegistryFileHasNone)
{
    QTemporaryDir prefix;
    QDir().mkpath(prefix.filePath(QStringLiteral("dosdevices")));
    QDir().mkpath(prefix.filePath(QStringLiteral("drive_c/Games/DTR")));
    QFile::link(QStringLiteral("../drive_c"), prefix.filePath(QStringLiteral("dosdevices/c:")));
    fixture::writeFile(prefix.filePath(QStringLiteral("system.reg")),
                       "WINE REGISTRY Version 2\n\n[Software\\\\Ratbag\\\\Dirt Track "
                       "Racing\\\\1.00] 1700000000\n\"Directory\"=\"C:\\\\Games\\\\DTR\"\n");
    QTemporaryDir scratch;
    Registry registry(scratch.filePath(QStringLiteral("registry.reg")));
    ASSERT_TRUE(registry.ensureCreated());
    fixture::FakeTrash trash;

    StoreWindow window(kDtr, &registry, StoreWindowServices{&trash, nullptr, prefix.path()});
    EXPECT_EQ(window.controls().gameDirectoryField->text(),
              QFileInfo(prefix.filePath(QStringLiteral("drive_c/Games/DTR"))).canonicalFilePath());
}

} // namespace
} // namespace tarvelin
