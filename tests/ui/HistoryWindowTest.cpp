// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/historywindow/HistoryWindow.h"

#include "core/game/GameProfile.h"
#include "core/registry/Registry.h"
#include "core/store/StoreCommands.h"
#include "support/FakeTrash.h"
#include "support/StoreBytes.h"
#include "support/ui/Windows.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/session/GameWindowWiring.h"
#include "ui/session/Navigator.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

using fixture::click;

const GameProfile& kDtr = DirtTrackRacingProfile;

QStringList itemsOf(QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// `Dirt` on a fixture store whose history holds what a sort replaced; the history window opened
// from the game window's menu.
class HistoryWindowTest : public ::testing::Test
{
protected:
    HistoryWindowTest()
    {
        installWindowFactories(navigator, platform);
        registry.ensureCreated();
        fixture::pointAtGame(registry, kDtr, game.root());
    }
    HistoryWindow* openHistory()
    {
        gameWindow = static_cast<GameWindow*>(navigator.showGame(kDtr));
        fixture::trigger(gameWindow, "mnuHistory");
        return qobject_cast<HistoryWindow*>(navigator.openWindow(QStringLiteral("dtrHistory")));
    }

    QTemporaryDir scratch;
    fixture::GameDir game;
    Registry registry{scratch.filePath(QStringLiteral("registry.reg"))};
    MessageRecorder messages;
    fixture::FakeTrash trash;
    ShellPlatform platform{nullptr, nullptr, nullptr, &trash};
    Navigator navigator{{&registry, nullptr, nullptr, {}, FormScroll::kInstantSlide}};
    GameWindow* gameWindow = nullptr;
};

// The window opened from the game window's menu entry (its place in the menu is the game
// window's test), through to its Close button.
TEST_F(HistoryWindowTest, ListPreviewRestorePinAndCloseThroughTheButtons)
{
    const QByteArray first = fixture::storeOf({"Oval", "Dirt", "Oval"}, 6);
    game.write("setups.sav", first);
    // The opening keeps the store the game left; the deletion keeps it once more, not at all.
    gameWindow = static_cast<GameWindow*>(navigator.showGame(kDtr));
    ASSERT_TRUE(deleteSetup({.gameDirectory = game.root(),
                             .layout = kDtr.recordLayout(),
                             .setupChosen = true,
                             .selectedSlot = 1})
                    .done);
    const QByteArray afterDelete = game.read("setups.sav");
    HistoryWindow* window = openHistory();
    ASSERT_NE(window, nullptr);
    const HistoryWindowControls& c = window->controls();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Backup History"));
    for (VBUSoftButton* button : {c.restoreButton, c.pinButton, c.closeButton})
        EXPECT_EQ(button->accessibleName(), button->ovalLabel());
    ASSERT_EQ(c.keptStoreList->topLevelItemCount(), 1);
    EXPECT_EQ(c.keptStoreList->topLevelItem(0)->text(1), QStringLiteral("Changed by the game"));
    EXPECT_EQ(c.keptStoreList->topLevelItem(0)->text(2), QStringLiteral("3"));

    // The focus alone chooses nothing, and leaves no line current for the arrow to skip.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(c.keptStoreList, &focusIn);
    EXPECT_EQ(window->selectedId(), 0);
    EXPECT_FALSE(c.keptStoreList->currentIndex().isValid());
    EXPECT_FALSE(c.restoreButton->isEnabled());

    // The first arrow key in the focused list chooses the one line kept.
    QTest::keyClick(c.keptStoreList, Qt::Key_Down);
    ASSERT_EQ(window->selectedId(), 1);
    EXPECT_TRUE(c.restoreButton->isEnabled());
    EXPECT_EQ(itemsOf(c.previewLists[BringBack]), QStringList{"Oval"});
    EXPECT_TRUE(itemsOf(c.previewLists[Remove]).isEmpty());
    EXPECT_TRUE(itemsOf(c.previewLists[Change]).isEmpty());

    click(window, "Pin");
    ASSERT_EQ(c.keptStoreList->topLevelItem(0)->text(3), QStringLiteral("Pinned"));
    EXPECT_EQ(c.pinButton->accessibleName(), QStringLiteral("Unpin"));

    messages.queueAnswer(MessageAnswer::No);
    click(window, "Restore");
    EXPECT_EQ(game.read("setups.sav"), afterDelete);
    click(window, "Restore");
    EXPECT_EQ(game.read("setups.sav"), first);
    ASSERT_EQ(messages.messages().size(), 2);
    EXPECT_EQ(messages.messages()[1].buttons, MessageButtons::YesNo);
    // The open game window shows the restored store; the store it replaced is listed.
    EXPECT_EQ(gameWindow->storeLines().size(), 3u);
    ASSERT_EQ(c.keptStoreList->topLevelItemCount(), 2);
    EXPECT_EQ(c.keptStoreList->topLevelItem(0)->text(1),
              QStringLiteral("Restored from the history"));
    EXPECT_EQ(window->selectedId(), 0);

    fixture::clickRow(c.keptStoreList, 0);
    EXPECT_EQ(itemsOf(c.previewLists[Remove]), QStringList{"Oval"});
    click(window, "Restore");
    EXPECT_EQ(game.read("setups.sav"), afterDelete);
    EXPECT_EQ(gameWindow->storeLines().size(), 2u);

    click(window, "Close");
    fixture::settle();
    EXPECT_EQ(navigator.openWindow(QStringLiteral("dtrHistory")), nullptr);
}

} // namespace
} // namespace tarvelin
