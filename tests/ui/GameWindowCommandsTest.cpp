// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's buttons and menu entries drive the store and file commands end to end.

#include "core/game/GameProfile.h"
#include "core/names/FileNameEncoding.h"
#include "core/platform/AddressSource.h"
#include "core/platform/Clock.h"
#include "core/platform/FileIO.h"
#include "core/platform/VolumeTable.h"
#include "core/registry/Registry.h"
#include "core/store/StoreLock.h"
#include "support/FakeAddressSource.h"
#include "support/FakeClock.h"
#include "support/FakeTrash.h"
#include "support/FakeVolumeTable.h"
#include "support/FileTree.h"
#include "support/StoreBytes.h"
#include "support/ui/Windows.h"
#include "ui/folder/FolderBrowser.h"
#include "ui/folder/SetupFileView.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/gamewindow/ProgressIndicators.h"
#include "ui/session/StoreLockNote.h"
#include "ui/widgets/AddressBox.h"
#include "ui/widgets/ChoiceList.h"
#include "ui/widgets/GameStatusBar.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tarvelin
{
namespace
{

class GameWindowCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(setups));
        fixture::pointAtGame(registry, profile, game.root());
        registry.createKey(QString::fromLatin1(UtilityKey));
        registry.SetKeyValue(QString::fromLatin1(UtilityKey), profile.FolderValueName, setups,
                             RegistryType::String);
    }

    void open(const std::vector<QByteArray>& names)
    {
        game.write("setups.sav", fixture::storeOf(names, 6));
        GameWindowServices services;
        services.volumes = &volumes;
        services.address = &address;
        services.clock = &clock;
        services.trash = &trash;
        window = createGameWindow(profile, registry, services);
        window->show();
    }

    const GameWindowControls& c() const { return window->controls(); }

    void selectSetup(int row) { fixture::clickRow(c().storeList, row); }
    void selectFile(int row) { fixture::clickRow(c().fileList, row); }

    QStringList listed() const
    {
        QStringList lines;
        for (int row = 0; row < c().storeList->count(); ++row)
            lines << c().storeList->item(row)->text();
        return lines;
    }

    QStringList setupFiles() const { return QDir(setups).entryList(QDir::Files, QDir::Name); }

    const GameProfile& profile = DirtTrackRacingProfile;
    MessageRecorder messages;
    QTemporaryDir scratch;
    const QString setups = scratch.filePath(QStringLiteral("setups"));
    Registry registry{scratch.filePath(QStringLiteral("registry.reg"))};
    fixture::GameDir game;
    fixture::FakeTrash trash;
    const FakeVolumeTable volumes{{{QStringLiteral("/"), true}}};
    const FakeAddressSource address{QStringLiteral("10.0.0.5")};
    const FakeClock clock{QDateTime(QDate(2024, 6, 1), QTime(9, 30))};
    std::unique_ptr<GameWindow> window;
};

TEST_F(GameWindowCommandsTest, OpeningShowsAddressTimeAndTheRememberedFolder)
{
    for (const char* name : {"Eldora.set", "Knox.SET", "Sprint.dts"})
        fixture::writeFile(setups + u'/' + QString::fromLatin1(name), "x");
    open({"Eldora"});
    EXPECT_EQ(c().addressBox->text(), QStringLiteral("Ip# 10.0.0.5"));
    EXPECT_EQ(c().statusBar->timePanel()->text(),
              QLocale().toString(QTime(9, 30), QLocale::ShortFormat));
    EXPECT_EQ(window->folderBrowser().folder(), setups);
    EXPECT_EQ(c().fileList->count(), 2);
    EXPECT_EQ(c().fileTotalLabel->text(), QStringLiteral("2"));
    EXPECT_EQ(window->progressIndicators().picture(2), c().progressPictures[2]);
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(GameWindowCommandsTest, ExportDeleteAndMenuImportMoveASetupOutAndBackIn)
{
    open({"Eldora", "Knoxville", "Oval"});
    selectSetup(1);
    EXPECT_EQ(c().setupNameField->text(), QStringLiteral("Knoxville"));

    c().exportButton->click();
    EXPECT_EQ(setupFiles(), QStringList{QStringLiteral("Knoxville.set")});
    EXPECT_TRUE(isReadOnly(setups + QStringLiteral("/Knoxville.set")));
    EXPECT_TRUE(c().setupNameField->text().isEmpty());
    EXPECT_EQ(c().fileTotalLabel->text(), QStringLiteral("1"));
    EXPECT_TRUE(window->progressIndicators().isRunning(2));

    selectSetup(1);
    c().deleteSetupButton->click();
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Eldora"), QStringLiteral("Oval")}));
    EXPECT_EQ(c().storeTotalLabel->text(), QStringLiteral("2"));
    EXPECT_EQ(c().storeFrame->title(), QStringLiteral("Setup File"));

    selectFile(0);
    EXPECT_EQ(c().newFileNameField->text(), QStringLiteral("Knoxville"));
    window->menus().mnuImport->trigger();
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Eldora"), QStringLiteral("Oval"),
                                     QStringLiteral("Knoxville")}));
    // Each setup keeps its own bytes: the fixture seeds them by their first slot.
    EXPECT_EQ(game.read("setups.sav"),
              fixture::store({fixture::usedSlot("Eldora", 6, 1), fixture::usedSlot("Oval", 6, 3),
                              fixture::usedSlot("Knoxville", 6, 2)}));
    // The menu entry takes the file away once its setup is in the store.
    EXPECT_TRUE(setupFiles().isEmpty());
    EXPECT_EQ(c().nextSlotField->text(), QStringLiteral("4"));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(GameWindowCommandsTest, RefusalsStopTheIndicatorAndChangeNothing)
{
    open({"Eldora"});
    const QByteArray before = game.read("setups.sav");
    c().exportButton->click(); // nothing selected, no name
    EXPECT_FALSE(window->progressIndicators().isRunning(2));
    c().importButton->click(); // no file chosen
    EXPECT_FALSE(window->progressIndicators().isRunning(1));
    c().deleteSetupButton->click(); // no setup named
    EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("You did'nt choose a file to export."),
                                             QStringLiteral("You did'nt choose a file to import."),
                                             QStringLiteral("Please choose a file to Delete!")}));
    EXPECT_EQ(game.read("setups.sav"), before);
    EXPECT_TRUE(setupFiles().isEmpty());
}

TEST_F(GameWindowCommandsTest, SortThenRestoreBringsBackTheStoreAsOpened)
{
    open({"b", "A", "C"});
    const QByteArray opened = game.read("setups.sav");
    c().sortButton->click();
    EXPECT_EQ(listed(),
              (QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("b")}));
    EXPECT_EQ(game.read("setups.sav"),
              fixture::store({fixture::usedSlot("A", 6, 2), fixture::usedSlot("C", 6, 3),
                              fixture::usedSlot("b", 6, 1)}));
    c().restoreButton->click();
    EXPECT_EQ(listed(),
              (QStringList{QStringLiteral("b"), QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(game.read("setups.sav"), opened);
}

TEST_F(GameWindowCommandsTest, RenameThenTrashASetupFileWithTheirConfirmations)
{
    fixture::writeFile(setups + QStringLiteral("/fast.set"), fixture::usedSlot("fast", 6, 1));
    open({"Eldora"});
    selectFile(0);
    c().newFileNameField->setText(QStringLiteral("Oval"));
    c().renameFileButton->click();
    EXPECT_EQ(setupFiles(), QStringList{QStringLiteral("Oval.set")});
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().endsWith(QStringLiteral(" was renamed sucessfully.")));
    EXPECT_TRUE(c().newFileNameField->text().isEmpty());
    EXPECT_EQ(c().fileFrame->title(), QStringLiteral("Source Files"));

    messages.clear();
    selectFile(0);
    messages.queueAnswer(MessageAnswer::No);
    c().deleteFileButton->click();
    EXPECT_EQ(messages.messages().last().message.title, QStringLiteral("Operation Aborted"));
    EXPECT_EQ(setupFiles(), QStringList{QStringLiteral("Oval.set")});

    selectFile(0);
    messages.queueAnswer(MessageAnswer::Yes);
    window->menus().mnuDeleteFile1->trigger();
    EXPECT_EQ(trash.requested, QStringList{setups + QStringLiteral("/Oval.set")});
    EXPECT_TRUE(setupFiles().isEmpty());
    EXPECT_EQ(c().fileTotalLabel->text(), QStringLiteral("0"));
}

// A file whose name is not UTF-8, chosen and renamed: the field shows U+FFFD for the byte, and
// the command acts on the byte itself.
TEST_F(GameWindowCommandsTest, RenameActsOnTheNamesBytesNotOnTheirShownForm)
{
    const QByteArray folderBytes = QFile::encodeName(setups);
    const struct {
        const char* typed;   // the rename field, as UTF-8
        const char* message; // as the file system's bytes
        QByteArrayList filesAfter;
    } cases[] = {
        {"Caf\xEF\xBF\xBD", "Can't rename a file to itself. Try Again.", {"Caf\xE9.set"}},
        {"Caf\xEF\xBF\xBD 2", "Caf\xE9.set was renamed sucessfully.", {"Caf\xE9 2.set"}},
        {"\xEF\xBF\xBD\xEF\xBF\xBD", nullptr, {"Caf\xE9.set"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.typed);
        std::filesystem::remove_all(folderBytes.toStdString());
        ASSERT_EQ(::mkdir(folderBytes.constData(), 0755), 0);
        fixture::writeRawFile(folderBytes + "/Caf\xE9.set", fixture::usedSlot("fast", 6, 1));
        messages.clear();
        open({"Eldora"});
        selectFile(0);
        ASSERT_EQ(c().newFileNameField->text(), QStringLiteral("Caf\uFFFD"));
        c().newFileNameField->setText(QString::fromUtf8(test.typed));
        c().renameFileButton->click();

        QByteArrayList files;
        for (const auto& entry : std::filesystem::directory_iterator(folderBytes.toStdString()))
            files << QByteArray::fromStdString(entry.path().filename().string());
        EXPECT_EQ(files, test.filesAfter);
        ASSERT_EQ(messages.texts().size(), 1);
        if (test.message) {
            EXPECT_EQ(encodeFileName(messages.texts().first()), QByteArray(test.message));
        }
    }
    std::filesystem::remove_all(folderBytes.toStdString());
}

// A friend's setup, imported and so left writable, under the name of an export or a rename.
TEST_F(GameWindowCommandsTest, ExportAndRenameAskBeforeReplacingWithNoAsTheDefault)
{
    const QString target = setups + QStringLiteral("/Knoxville.set");
    const QByteArray friends = fixture::usedSlot("Friend", 6, 9);
    fixture::writeFile(target, friends);
    open({"Eldora", "Knoxville"});
    const auto exportKnoxville = [this] {
        selectSetup(1);
        c().exportButton->click();
    };
    exportKnoxville(); // the recorder answers as the box's default button would
    messages.queueAnswer(MessageAnswer::No);
    exportKnoxville();
    EXPECT_EQ(fixture::readFile(target), friends);
    EXPECT_EQ(c().setupNameField->text(), QStringLiteral("Knoxville"));
    ASSERT_EQ(messages.messages().size(), 2);
    EXPECT_EQ(messages.messages()[0].message,
              (Message{"Knoxville.set already exists. Replace it?", MessageIcon::Question}));
    EXPECT_EQ(messages.messages()[0].buttons, MessageButtons::YesNoDefaultNo);
    messages.queueAnswer(MessageAnswer::Yes);
    exportKnoxville();
    EXPECT_EQ(fixture::readFile(target), fixture::usedSlot("Knoxville", 6, 2));

    fixture::writeFile(setups + QStringLiteral("/A.set"), friends);
    fixture::writeFile(setups + QStringLiteral("/B.set"), {});
    window->folderBrowser().refreshFiles();
    const auto renameAToB = [this] {
        selectFile(0);
        c().newFileNameField->setText(QStringLiteral("B"));
        c().renameFileButton->click();
    };
    renameAToB(); // the default answer keeps B.set
    EXPECT_TRUE(fixture::readFile(setups + QStringLiteral("/B.set")).isEmpty());
    messages.queueAnswer(MessageAnswer::Yes);
    renameAToB();
    EXPECT_EQ(fixture::readFile(setups + QStringLiteral("/B.set")), friends);
    EXPECT_EQ(messages.texts().last(), QStringLiteral("A.set was renamed sucessfully."));
}

TEST_F(GameWindowCommandsTest, ExportOfAStoreSortedOnDiskRefusesAndListsItAfresh)
{
    open({"Alpha", "Bravo"});
    selectSetup(1);
    game.write("setups.sav", fixture::storeOf({"Bravo", "Alpha"}, 6));
    c().exportButton->click();
    EXPECT_TRUE(setupFiles().isEmpty());
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Bravo"), QStringLiteral("Alpha")}));
}

// The game saved another setup into the listed line's slot after the window listed it: the
// delete names the setup the player saw, so the one now in that slot stays.
TEST_F(GameWindowCommandsTest, DeleteOfASlotRefilledOnDiskKeepsTheNewSetup)
{
    open({"Alpha", "Bravo", "Charlie"});
    selectSetup(1);
    const QByteArray refilled = fixture::storeOf({"Alpha", "Delta", "Charlie"}, 6);
    game.write("setups.sav", refilled);
    c().deleteSetupButton->click();
    EXPECT_EQ(game.read("setups.sav"), refilled);
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Slot 2 of the store does not hold the selected setup: "
                                         "the store has changed since it was listed. Nothing "
                                         "was deleted.")});
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Delta"),
                                     QStringLiteral("Charlie")}));
}

// Another command holds the store: the sort waits, saying so, then refuses.
TEST_F(GameWindowCommandsTest, StatusBarSaysACommandWaitsForTheStoreLock)
{
    open({"b", "a"});
    installStoreLockNote();
    qputenv("TARVELIN_STORE_LOCK_WAIT_MS", "50");
    {
        const StoreLock other = StoreLock::acquire(game.savedGames(), std::chrono::seconds(1));
        c().sortButton->click();
    }
    qunsetenv("TARVELIN_STORE_LOCK_WAIT_MS");
    removeStoreLockNote();
    EXPECT_EQ(c().statusBar->currentMessage(), storeLockNoteText(game.path("setups.sav")));
    EXPECT_EQ(game.read("setups.sav"), fixture::storeOf({"b", "a"}, 6));
    QCoreApplication::processEvents(); // the command has ended
    EXPECT_TRUE(c().statusBar->currentMessage().isEmpty());
}

} // namespace
} // namespace tarvelin
