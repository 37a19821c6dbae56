// SPDX-License-Identifier: GPL-3.0-or-later
// What a player meets with the keyboard and a screen reader in the game window: focus never
// chooses a setup, the counters are read with their captions, Tab follows the layout, and every
// picture button runs from the keyboard.

#include "core/game/GameProfile.h"
#include "core/registry/Registry.h"
#include "support/StoreBytes.h"
#include "support/ui/Windows.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/widgets/AddressBox.h"
#include "ui/widgets/ChoiceList.h"
#include "ui/widgets/GameStatusBar.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

using fixture::find;

QString accessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

class PlayerRulesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        store = fixture::storeOf({"Eldora", "Knoxville", "Lernerville", "Oval", "Dash"}, 6);
        game.write("setups.sav", store);
        fixture::pointAtGame(registry, DirtTrackRacingProfile, game.root());
        window = createGameWindow(DirtTrackRacingProfile, registry, {});
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    const GameWindowControls& c() const { return window->controls(); }

    // Nothing chosen: the counter, the frame, the name field and the list all say so.
    void expectNothingChosen(const char* after) const
    {
        EXPECT_EQ(c().selectedPositionLabel->text(), QStringLiteral("0")) << after;
        EXPECT_EQ(c().storeFrame->title(), QStringLiteral("Setup File")) << after;
        EXPECT_TRUE(c().setupNameField->text().isEmpty()) << after;
        EXPECT_EQ(c().storeList->currentRow(), -1) << after;
        EXPECT_TRUE(c().storeList->selectedItems().isEmpty()) << after;
    }

    MessageRecorder messages;
    QTemporaryDir scratch;
    Registry registry{scratch.filePath(QStringLiteral("registry.reg"))};
    fixture::GameDir game;
    QByteArray store;
    std::unique_ptr<GameWindow> window;
};

TEST_F(PlayerRulesTest, FocusArrivingInTheStoreListChoosesNothing)
{
    ASSERT_TRUE(c().storeList->hasFocus());
    expectNothingChosen("opening");

    c().setupNameField->setFocus(Qt::TabFocusReason);
    c().storeList->setFocus(Qt::BacktabFocusReason);
    expectNothingChosen("Shift+Tab");
    QTest::keyClick(c().setupNameField, Qt::Key_Tab, Qt::ShiftModifier);
    expectNothingChosen("a second Shift+Tab");

    // A pop-up opened on line 4 and closed again, and the window activated again.
    fixture::clickRow(c().storeList, 3, Qt::RightButton);
    ASSERT_TRUE(window->menus().mnuCustom->isVisible());
    window->menus().mnuCustom->close();
    c().storeList->setFocus(Qt::PopupFocusReason);
    c().storeList->clearFocus();
    c().storeList->setFocus(Qt::ActiveWindowFocusReason);
    expectNothingChosen("pop-up and reactivation");

    // Delete and export act on nothing: their own messages, the store untouched.
    fixture::click(window.get(), "VBUSoftButton5");
    window->menus().mnuDelete->trigger();
    fixture::click(window.get(), "VBUSoftButton2");
    EXPECT_EQ(messages.texts(),
              (QStringList{QStringLiteral("Please choose a file to Delete!"),
                           QStringLiteral("Please choose a file to Delete!"),
                           QStringLiteral("You did'nt choose a file to export.")}));
    EXPECT_EQ(game.read("setups.sav"), store);
    EXPECT_EQ(c().storeTotalLabel->text(), QStringLiteral("5"));
}

TEST_F(PlayerRulesTest, TheArrowKeysChooseALineAndLeavingKeepsIt)
{
    // The first cursor key chooses the first line, not the one after it.
    QTest::keyClick(c().storeList, Qt::Key_Down);
    EXPECT_EQ(c().selectedPositionLabel->text(), QStringLiteral("1"));
    EXPECT_EQ(c().setupNameField->text(), QStringLiteral("Eldora"));
    QTest::keyClick(c().storeList, Qt::Key_End);
    EXPECT_EQ(c().selectedPositionLabel->text(), QStringLiteral("5"));
    EXPECT_EQ(c().storeFrame->title(), QStringLiteral("Dash"));
    QTest::keyClick(c().storeList, Qt::Key_Up);
    EXPECT_EQ(c().setupNameField->text(), QStringLiteral("Oval"));

    // Leaving the list and coming back keeps the player's choice. (The click: GameWindowTest.)
    c().setupNameField->setFocus(Qt::TabFocusReason);
    c().storeList->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(c().selectedPositionLabel->text(), QStringLiteral("4"));
    EXPECT_EQ(window->selectedSlot(), 4);
}

TEST_F(PlayerRulesTest, CountersAndCaptionsAreReadAsTheyShow)
{
    EXPECT_EQ(accessibleName(c().storeTotalLabel), QStringLiteral("Total Setups: 5"));
    EXPECT_EQ(accessibleName(c().selectedPositionLabel), QStringLiteral("Selected Setup: 0"));
    EXPECT_EQ(accessibleName(c().fileTotalLabel), QStringLiteral("Total Setups: 0"));
    EXPECT_EQ(accessibleName(c().selectedFileLabel), QStringLiteral("Selected Setup: 0"));
    EXPECT_EQ(accessibleName(c().storeFrame), QStringLiteral("Setup File"));
    EXPECT_EQ(accessibleName(c().fileFrame), QStringLiteral("Source Files"));
    EXPECT_EQ(accessibleName(c().titlePicture), QStringLiteral("SETUP UTILITY"));
    EXPECT_TRUE(accessibleName(c().addressBox).startsWith(QStringLiteral("Ip# ")));
    QLabel* clock = c().statusBar->timePanel();
    EXPECT_FALSE(clock->text().isEmpty());
    EXPECT_EQ(accessibleName(clock), clock->text());
    EXPECT_EQ(accessibleName(c().statusBar->statusPanel()), QStringLiteral("Status"));

    QTest::keyClick(c().storeList, Qt::Key_Down);
    QTest::keyClick(c().storeList, Qt::Key_Down);
    EXPECT_EQ(accessibleName(c().selectedPositionLabel), QStringLiteral("Selected Setup: 2"));
    EXPECT_EQ(accessibleName(c().storeFrame), QStringLiteral("Knoxville"));
    fixture::click(window.get(), "VBUSoftButton5");
    EXPECT_EQ(accessibleName(c().storeTotalLabel), QStringLiteral("Total Setups: 4"));
}

TEST_F(PlayerRulesTest, FieldsNeverShownAreOutOfTheTreeAndTheTabChain)
{
    QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(window->centralWidget());
    ASSERT_NE(surface, nullptr);
    QStringList children;
    for (int i = 0; i < surface->childCount(); ++i)
        children << surface->child(i)->object()->objectName();
    EXPECT_TRUE(children.contains(QStringLiteral("List1")) || children.contains("Frame1"));
    for (const char* hidden : {"Text4", "Text5", "Picture1", "Picture10"})
        EXPECT_FALSE(children.contains(QString::fromLatin1(hidden))) << hidden;
    EXPECT_EQ(surface->indexOfChild(QAccessible::queryAccessibleInterface(c().nextSlotField)), -1);

    for (QWidget* hidden :
         {static_cast<QWidget*>(c().nextSlotField), static_cast<QWidget*>(c().gameDirectoryField)})
        EXPECT_EQ(hidden->focusPolicy(), Qt::NoFocus) << hidden->objectName().toStdString();
}

TEST_F(PlayerRulesTest, TabFollowsTheLayout)
{
    QStringList chain;
    QWidget* at = c().storeList;
    do {
        chain << at->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        ASSERT_NE(at, nullptr);
    } while (at != c().storeList && chain.size() < 40);
    // Lists before the buttons that act on them; the read-only address box is not a stop.
    EXPECT_EQ(chain, (QStringList{"List1", "Text3", "Label1", "VBUSoftButton11", "VBUSoftButton12",
                                  "VBUSoftButton2", "VBUSoftButton1", "VBUSoftButton9",
                                  "VBUSoftButton10", "VBUSoftButton4", "VBUSoftButton5",
                                  "VBUSoftButton3", "VBUSoftButton8", "Drive1", "Dir1", "File1",
                                  "Text1", "VBUSoftButton6", "VBUSoftButton7"}));
}

TEST_F(PlayerRulesTest, PictureButtonsRunOnSpaceAndEnter)
{
    for (int number = 1; number <= 12; ++number) {
        auto* button =
            window->findChild<VBUSoftButton*>(QStringLiteral("VBUSoftButton%1").arg(number));
        ASSERT_NE(button, nullptr) << number;
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        button->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(button->hasFocus()) << number;
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_EQ(clicked.count(), 3) << number;
    }
}

} // namespace
} // namespace tarvelin
