// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gamewindow/GameWindow.h"

#include "core/app/Links.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/platform/UrlOpener.h"
#include "core/registry/Registry.h"
#include "support/StoreBytes.h"
#include "support/ui/Windows.h"
#include "ui/gamewindow/GameWindowMenus.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

using fixture::find;

class GameWindowTest : public ::testing::Test
{
protected:
    // A registry that points `profile`'s key at the fixture game directory.
    std::unique_ptr<GameWindow> open(const GameProfile& profile, const QString& gameDirectory)
    {
        fixture::pointAtGame(registry, profile, gameDirectory);
        GameWindowServices services;
        services.urlOpener = &urls;
        auto window = createGameWindow(profile, registry, services);
        window->show();
        return window;
    }

    static QString text(QWidget* window, const char* name)
    {
        if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name)))
            return label->text();
        return find<QLineEdit>(window, name)->text();
    }

    MessageRecorder messages;
    QTemporaryDir scratch;
    Registry registry{scratch.filePath(QStringLiteral("registry.reg"))};
    RecordingUrlOpener urls;
    fixture::GameDir game;
};

TEST_F(GameWindowTest, OpeningListsTheStoreSetsCountersAndRewritesTheBackup)
{
    const QByteArray store =
        fixture::storeOf({"Eldora", "Knoxville", "Caf\xE9", "Oval", "Dash"}, 6);
    game.write("setups.sav", store);
    game.write("setups.bak", fixture::storeOf({"stale"}, 6));
    ASSERT_TRUE(setReadOnly(game.path("setups.bak")));

    auto window = open(DirtTrackRacingProfile, game.root());

    auto* list = find<QListWidget>(window.get(), "List1");
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Eldora"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("Café"));
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(text(window.get(), "Text6"), QStringLiteral("5"));
    EXPECT_EQ(text(window.get(), "Label9"), QStringLiteral("0"));
    EXPECT_EQ(text(window.get(), "Text4"), QStringLiteral("6"));
    EXPECT_EQ(text(window.get(), "Text5"), game.root());
    EXPECT_EQ(find<QGroupBox>(window.get(), "Frame1")->title(), QStringLiteral("Setup File"));
    EXPECT_EQ(game.read("setups.bak"), store);
    EXPECT_TRUE(isReadOnly(game.path("setups.bak")));
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(GameWindowTest, WrongGameDirectoryOpensEmptyAndQuiet)
{
    auto window = open(SprintCarsProfile, game.root() + QStringLiteral("/missing"));

    EXPECT_EQ(find<QListWidget>(window.get(), "List1")->count(), 0);
    EXPECT_EQ(text(window.get(), "Text6"), QStringLiteral("0"));
    EXPECT_EQ(text(window.get(), "Label9"), QStringLiteral("0"));
    EXPECT_EQ(text(window.get(), "Text4"), QStringLiteral("1"));
    EXPECT_FALSE(game.exists("setups.bak"));
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(GameWindowTest, OpeningOnACutShortStoreKeepsTheBackupAndSaysSoOnce)
{
    const QByteArray backup = fixture::storeOf({"Good", "Better", "Best"}, 6);
    game.write("setups.bak", backup);
    game.write("setups.sav", fixture::storeOf({"a", "b", "c", "d"}, 6).left(1000));

    auto window = open(DirtTrackRacingProfile, game.root());

    EXPECT_EQ(game.read("setups.bak"), backup);
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_TRUE(messages.texts().at(0).contains(game.path("setups.sav")));
    EXPECT_TRUE(messages.texts().at(0).contains(QStringLiteral("kept")));
}

TEST_F(GameWindowTest, ClickingALineSelectsItsSetupAndItsRealSlot)
{
    // Slot 2 is a gap: the second line lies in slot 3.
    game.write(
        "setups.sav",
        fixture::store({fixture::usedSlot("First", 6, 1), fixture::unusedSlot(),
                        fixture::usedSlot("Third slot", 6, 3), fixture::usedSlot("Last", 6, 4)}));
    auto window = open(DirtTrackRacingProfile, game.root());
    auto* list = find<QListWidget>(window.get(), "List1");

    fixture::clickRow(list, 1);

    EXPECT_EQ(find<QGroupBox>(window.get(), "Frame1")->title(), QStringLiteral("Third slot"));
    EXPECT_EQ(text(window.get(), "Label9"), QStringLiteral("2"));
    EXPECT_EQ(text(window.get(), "Text3"), QStringLiteral("Third slot"));
    EXPECT_EQ(window->selectedSlot(), 3);

    // The player's edit of the name survives until a line is chosen again.
    find<QLineEdit>(window.get(), "Text3")->setText(QStringLiteral("Renamed"));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(text(window.get(), "Text3"), QStringLiteral("Last"));
    EXPECT_EQ(window->selectedSlot(), 4);
}

// Whatever takes the shown choice away leaves no setup chosen behind the screen: Delete then has
// nothing to delete.
TEST_F(GameWindowTest, ChoiceTakenAwayLeavesNoSetupChosen)
{
    const QByteArray store = fixture::storeOf({"A", "B", "C"}, 6);
    const struct {
        const char* how;
        std::function<void(QListWidget*)> takeAway;
    } cases[] = {
        {"click beside the lines",
         [](QListWidget* list) {
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                               QPoint(5, list->viewport()->height() - 5));
         }},
        {"Ctrl+click on the chosen line",
         [](QListWidget* list) {
             QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                               list->visualItemRect(list->item(1)).center());
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        game.write("setups.sav", store);
        auto window = open(DirtTrackRacingProfile, game.root());
        auto* list = find<QListWidget>(window.get(), "List1");
        fixture::clickRow(list, 1);
        ASSERT_EQ(window->selectedSlot(), 2);

        c.takeAway(list);

        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_EQ(text(window.get(), "Label9"), QStringLiteral("0"));
        EXPECT_EQ(window->selectedSlot(), 0);
        EXPECT_TRUE(text(window.get(), "Text3").isEmpty());
        EXPECT_EQ(find<QGroupBox>(window.get(), "Frame1")->title(), QStringLiteral("Setup File"));
        window->deleteSetup();
        EXPECT_EQ(game.read("setups.sav"), store);
    }
}

// The store changed on disk under the window: the list shows it, and the chosen setup stays
// chosen wherever it now lies, or is forgotten when it is gone.
TEST_F(GameWindowTest, StoreChangedOnDiskIsListedKeepingTheChosenSetup)
{
    const auto slot = [](const char* name) {
        return fixture::usedSlot(name, 6, 7);
    };
    const struct {
        const char* change;
        std::vector<QByteArray> slots;
        QStringList lines;
        const char* chosen; // Label9, Text3 and Frame1 (empty: "Setup File")
        const char* name;
    } cases[] = {
        {"a setup saved into the next slot",
         {slot("A"), slot("B"), slot("C"), slot("D")},
         {"A", "B", "C", "D"},
         "2",
         "B"},
        {"sorted elsewhere", {slot("C"), slot("A"), slot("B")}, {"C", "A", "B"}, "3", "B"},
        {"the chosen setup deleted", {slot("A"), slot("C")}, {"A", "C"}, "0", ""},
        {"changed in its own slot",
         {slot("A"), fixture::usedSlot("B", 6, 8), slot("C")},
         {"A", "B", "C"},
         "0",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        game.write("setups.sav", fixture::store({slot("A"), slot("B"), slot("C")}));
        auto window = open(DirtTrackRacingProfile, game.root());
        auto* list = find<QListWidget>(window.get(), "List1");
        fixture::clickRow(list, 1);

        game.write("setups.sav", fixture::store(c.slots));
        window->readStoreAgain();

        QStringList lines;
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(text(window.get(), "Text6"), QString::number(c.lines.size()));
        EXPECT_EQ(text(window.get(), "Label9"), QString::fromLatin1(c.chosen));
        EXPECT_EQ(list->selectedItems().size(), QString::fromLatin1(c.name).isEmpty() ? 0 : 1);
        EXPECT_EQ(text(window.get(), "Text3"), QString::fromLatin1(c.name));
        EXPECT_EQ(find<QGroupBox>(window.get(), "Frame1")->title(),
                  *c.name ? QString::fromLatin1(c.name) : QStringLiteral("Setup File"));
    }
}

// Without the player doing anything, and again at once on F5.
TEST_F(GameWindowTest, StoreListFollowsTheDiskByItselfAndOnF5)
{
    game.write("setups.sav", fixture::storeOf({"A"}, 6));
    auto window = open(DirtTrackRacingProfile, game.root());
    auto* list = find<QListWidget>(window.get(), "List1");

    game.write("setups.sav", fixture::storeOf({"A", "B"}, 6));
    EXPECT_TRUE(QTest::qWaitFor([list] { return list->count() == 2; }, 5000));

    window->activateWindow();
    if (QTest::qWaitForWindowActive(window.get())) {
        game.write("setups.sav", fixture::storeOf({"A", "B", "C"}, 6));
        QTest::keyClick(list, Qt::Key_F5);
        EXPECT_EQ(list->count(), 3);
    }
}

TEST_F(GameWindowTest, RightClickOnAnotherLineShowsTheMenuAndKeepsTheSelection)
{
    game.write("setups.sav", fixture::storeOf({"A", "B", "C", "D", "E"}, 6));
    auto window = open(DirtTrackRacingProfile, game.root());
    auto* list = find<QListWidget>(window.get(), "List1");
    fixture::clickRow(list, 2);

    fixture::clickRow(list, 4, Qt::RightButton);

    QMenu* storeMenu = window->menus().mnuCustom;
    EXPECT_TRUE(storeMenu->isVisible());
    storeMenu->hide();
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(text(window.get(), "Label9"), QStringLiteral("3"));
    EXPECT_EQ(text(window.get(), "Text3"), QStringLiteral("C"));

    // The file list opens its own menu; the bare background opens "&File"; a control does not.
    auto* files = find<QAbstractItemView>(window.get(), "File1");
    QTest::mouseClick(files->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(window->menus().mnuCustom1->isVisible());
    window->menus().mnuCustom1->hide();
    QWidget* surface = window->centralWidget();
    QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(745, 200));
    EXPECT_TRUE(window->menus().file->isVisible());
    window->menus().file->hide();
    QTest::mouseClick(find<QLabel>(window.get(), "Label4"), Qt::RightButton);
    EXPECT_FALSE(window->menus().file->isVisible());
}

TEST_F(GameWindowTest, MenuKeysOpenTheFocusedListsMenu)
{
    game.write("setups.sav", fixture::storeOf({"A", "B"}, 6));
    auto window = open(DirtTrackRacingProfile, game.root());
    const struct {
        const char* list;
        QMenu* menu;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {
        {"List1", window->menus().mnuCustom, Qt::Key_Menu, {}},
        {"List1", window->menus().mnuCustom, Qt::Key_F10, Qt::ShiftModifier},
        {"File1", window->menus().mnuCustom1, Qt::Key_Menu, {}},
        {"File1", window->menus().mnuCustom1, Qt::Key_F10, Qt::ShiftModifier},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " " + std::to_string(c.key));
        auto* list = find<QAbstractItemView>(window.get(), c.list);
        QTest::keyClick(list, c.key, c.modifiers);
        EXPECT_TRUE(c.menu->isVisible());
        c.menu->hide();
    }
    QTest::keyClick(find<QAbstractItemView>(window.get(), "List1"), Qt::Key_F10);
    EXPECT_FALSE(window->menus().mnuCustom->isVisible());
}

TEST_F(GameWindowTest, MenuBarCaptionsShortcutAndPictures)
{
    auto window = open(DirtTrackRacingProfile, game.root());
    const QList<QAction*> bar = window->menuBar()->actions();
    QStringList captions;
    for (QAction* menu : bar) {
        QStringList entries;
        for (QAction* entry : menu->menu()->actions())
            entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        captions << menu->text() + QStringLiteral(": ") + entries.join(QStringLiteral("|"));
    }
    EXPECT_EQ(captions, (QStringList{
                            "&File: &Main Minu|&Exit       ",
                            "&Setup File: &Import And Export|Backup &History...|&Undo Last Change",
                            "&Export Minu: &Export Setup|&Delete Setup",
                            "&Import Minu: &Import Setup|&Delete Setup",
                            "&Help: &About|-|&Serch For Help On|&Help Contents|-|&Home Page",
                        }));
    EXPECT_EQ(window->menus().exit->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    EXPECT_EQ(window->menus().mnuUndo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));

    // Each row of the picture table shows its picture box's picture; the second separator none.
    for (const MenuPictureRow& row : kMenuPictureTable) {
        QAction* entry = bar[row.barPosition]->menu()->actions()[row.entryPosition];
        const QPixmap expected =
            find<QLabel>(window.get(), QStringLiteral("Picture%1").arg(row.picture).toLatin1())
                ->pixmap();
        ASSERT_FALSE(entry->icon().isNull()) << row.barPosition << "," << row.entryPosition;
        EXPECT_EQ(entry->icon().pixmap(expected.size()).toImage(), expected.toImage());
        EXPECT_EQ(expected.size(), QSize(14, 12));
    }
    EXPECT_TRUE(window->menus().blank1->icon().isNull());
}

TEST_F(GameWindowTest, ControlsHaveTheirPlacesAndUniqueAccessibleNames)
{
    auto window = open(DirtTrackRacingProfile, game.root());
    const struct {
        const char* name;
        QRect geometry; // pixels, relative to the parent
    } places[] = {
        {"Frame1", {48, 56, 185, 305}},
        {"List1", {8, 16, 169, 256}},
        {"Text3", {8, 277, 169, 21}},
        {"Drive1", {528, 72, 169, 22}},
        {"Dir1", {528, 96, 169, 70}},
        {"File1", {8, 112, 169, 160}},
        {"VBUSoftButton2", {280, 264, 97, 49}},
        {"VBUSoftButton7", {632, 392, 97, 49}},
        {"VBUSoftButton11", {273, 223, 209, 17}},
        {"picProgress1", {384, 312, 97, 6}},
        {"Text7", {296, 456, 169, 13}},
        {"Label1", {328, 208, 137, 9}},
    };
    for (const auto& place : places)
        EXPECT_EQ(find<QWidget>(window.get(), place.name)->geometry(), place.geometry)
            << place.name;
    EXPECT_EQ(window->centralWidget()->size(), QSize(748, 472));
    EXPECT_FALSE(find<QWidget>(window.get(), "Text4")->isVisible());
    EXPECT_FALSE(find<QWidget>(window.get(), "Text5")->isVisible());

    // Every control is read by some name; those without a visible text of their own (pictures,
    // lists, fields) by one unique in the window.
    QSet<QString> names;
    for (QWidget* control : window->centralWidget()->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(face, nullptr);
        EXPECT_FALSE(face->text(QAccessible::Name).isEmpty())
            << control->objectName().toStdString();
        if (control->property("role").isValid() || control->accessibleName().isEmpty())
            continue;
        EXPECT_FALSE(names.contains(control->accessibleName()))
            << control->accessibleName().toStdString();
        names.insert(control->accessibleName());
    }
    EXPECT_GE(names.size(), 40);

    // A button with a visible caption is named by it, so that voice control finds it.
    for (const char* button : {"VBUSoftButton11", "VBUSoftButton12"}) {
        auto* soft = find<VBUSoftButton>(window.get(), button);
        EXPECT_EQ(soft->accessibleName(), soft->text()) << button;
    }
}

TEST_F(GameWindowTest, SprintCarsDifferences)
{
    auto dirt = open(DirtTrackRacingProfile, game.root());
    auto sprint = open(SprintCarsProfile, game.root());
    EXPECT_EQ(dirt->objectName(), QStringLiteral("Dirt"));
    EXPECT_EQ(sprint->objectName(), QStringLiteral("Sc"));
    EXPECT_EQ(sprint->windowTitle(), dirt->windowTitle());

    for (const char* moved : {"picProgress1", "picProgress2"}) {
        EXPECT_EQ(find<QWidget>(dirt.get(), moved)->y(), 312);
        EXPECT_EQ(find<QWidget>(sprint.get(), moved)->y(), 320);
    }
    EXPECT_EQ(find<QWidget>(sprint.get(), "picProgress3")->y(), 384);
    EXPECT_EQ(find<QWidget>(dirt.get(), "VBUSoftButton11")->y(), 223);
    EXPECT_EQ(find<QWidget>(sprint.get(), "VBUSoftButton11")->y(), 224);
    EXPECT_EQ(find<VBUSoftButton>(dirt.get(), "VBUSoftButton12")->text(),
              QStringLiteral("SPRINT CAR RACING SETUP UTILITY"));
    EXPECT_EQ(find<VBUSoftButton>(sprint.get(), "VBUSoftButton12")->text(),
              QStringLiteral("DIRT TRACK RACING SETUP UTILITY"));
    EXPECT_EQ(find<VBUSoftButton>(dirt.get(), "VBUSoftButton10")->ovalLabel(),
              QStringLiteral("Play Dtr"));
    EXPECT_EQ(find<VBUSoftButton>(sprint.get(), "VBUSoftButton10")->ovalLabel(),
              QStringLiteral("Play Sc"));

    // Only the Sprint Cars car picture leads to the download page.
    QTest::mouseClick(find<QLabel>(dirt.get(), "Image5"), Qt::LeftButton);
    EXPECT_TRUE(urls.opened.isEmpty());
    QTest::mouseClick(find<QLabel>(sprint.get(), "Image5"), Qt::LeftButton);
    EXPECT_EQ(urls.opened, QStringList{QString::fromLatin1(links::SetupDownloadPage)});
}

TEST_F(GameWindowTest, CommandsAskForNavigationAndOpenLinks)
{
    auto window = open(DirtTrackRacingProfile, game.root());
    QSignalSpy quit(window.get(), &GameWindow::quitRequested);
    QSignalSpy other(window.get(), &GameWindow::otherGameRequested);
    QSignalSpy start(window.get(), &GameWindow::startWindowRequested);
    QSignalSpy help(window.get(), &GameWindow::helpRequested);
    QSignalSpy search(window.get(), &GameWindow::helpSearchRequested);

    QTest::mouseClick(find<VBUSoftButton>(window.get(), "VBUSoftButton8"), Qt::LeftButton);
    window->menus().exit->trigger();
    QTest::mouseClick(find<VBUSoftButton>(window.get(), "VBUSoftButton12"), Qt::LeftButton);
    window->menus().start->trigger();
    window->menus().contents->trigger();
    window->menus().serch->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(quit.count(), 3);
    EXPECT_EQ(other.count(), 1);
    EXPECT_EQ(start.count(), 1);
    ASSERT_EQ(help.count(), 1);
    EXPECT_TRUE(help.takeFirst().at(0).toString().isEmpty());
    ASSERT_EQ(search.count(), 1);
    EXPECT_TRUE(search.takeFirst().at(0).toString().isEmpty());

    QTest::mouseClick(find<VBUSoftButton>(window.get(), "VBUSoftButton3"), Qt::LeftButton);
    window->menus().browser->trigger();
    QTest::mouseClick(find<QLabel>(window.get(), "Label1"), Qt::LeftButton);
    EXPECT_EQ(urls.opened,
              (QStringList{links::SetupDownloadPage, links::HomePage, links::GameMakerSite}));
    EXPECT_EQ(find<QLabel>(window.get(), "Label1")->text(), QString(links::GameMakerSite));
}

TEST_F(GameWindowTest, RenameFieldSelectsItsWholeTextOnFocus)
{
    auto window = open(DirtTrackRacingProfile, game.root());
    auto* field = find<QLineEdit>(window.get(), "Text1");
    field->setText(QStringLiteral("Track 1"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    find<QWidget>(window.get(), "List1")->setFocus();

    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(10, 5));
    QCoreApplication::processEvents();
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->selectedText(), QStringLiteral("Track 1"));

    field->deselect();
    find<QWidget>(window.get(), "List1")->setFocus();
    field->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(field->selectedText(), QStringLiteral("Track 1"));
}

} // namespace
} // namespace tarvelin
