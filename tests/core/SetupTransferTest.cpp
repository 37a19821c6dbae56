// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/transfer/SetupExport.h"
#include "core/transfer/SetupImport.h"
#include "support/InjectedFileFaults.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const QString kRootText =
    QStringLiteral("You can't export to the root directory choose a folder and try it again.");

class SetupTransferTest : public ::testing::Test
{
protected:
    ExportOutcome exportSlot(int slot, const QString& name,
                             MessageStyle style = MessageStyle::Marked, QString folder = {},
                             const SetupTable* fallback = nullptr)
    {
        return exportSetup({.gameDirectory = game.root(),
                            .profile = profile,
                            .selectedSlot = slot,
                            .exportName = name,
                            .folder = folder.isNull() ? setups.path() : folder,
                            .style = style,
                            .fallbackTable = fallback});
    }
    // The game window's menu entry: plain messages, and the file goes into the store.
    ImportOutcome importFile(const QString& file, bool menu = false)
    {
        return importSetup({.gameDirectory = game.root(),
                            .profile = profile,
                            .folder = setups.path(),
                            .chosenFile = file,
                            .style = menu ? MessageStyle::Plain : MessageStyle::Marked,
                            .deleteFileAfterImport = menu,
                            .selectedIndex = -1});
    }
    QString inFolder(const QString& name) const { return setups.filePath(name); }

    const GameProfile* profile = &DirtTrackRacingProfile;
    fixture::GameDir game;
    QTemporaryDir setups;
};

TEST_F(SetupTransferTest, ExportThenImportRoundTripsByteForByteInBothGames)
{
    const std::vector<QByteArray> names{"abc", QByteArray(64, 'n'), QByteArray(199, 'L') + '\xE9'};
    for (const GameProfile* each : {&DirtTrackRacingProfile, &SprintCarsProfile}) {
        profile = each;
        const int words = profile->trailingWordCount;
        std::vector<QByteArray> slots{fixture::usedSlot("x", words, 9)};
        for (int k = 1; k <= 3; ++k) {
            game.write("setups.sav", fixture::storeOf(names, words));
            const QString file = inFolder(QString::number(k) + profile->SetupFileExtension);
            ASSERT_EQ(exportSlot(k, QString::number(k)).writtenFile, file);
            slots.push_back(fixture::usedSlot(names[k - 1], words, k));
            EXPECT_EQ(fixture::readFile(file), slots.back());
            EXPECT_TRUE(isReadOnly(file));
        }
        game.write("setups.sav", fixture::store({slots[0]}));
        for (int k = 1; k <= 3; ++k) {
            const QString file = QString::number(k) + profile->SetupFileExtension;
            EXPECT_EQ(importFile(file).importedSlot, k + 1);
            EXPECT_FALSE(isReadOnly(inFolder(file))); // the button keeps it, made writable
        }
        EXPECT_EQ(game.read("setups.sav"), fixture::store(slots));
    }
}

TEST_F(SetupTransferTest, ExportChecksRootAndNameInEachStylesOrder)
{
    game.write("setups.sav", fixture::storeOf({"a"}, 6));
    const ExportOutcome menu = exportSlot(1, {}, MessageStyle::Plain, "/");
    EXPECT_EQ(menu.messages,
              (std::vector<Message>{{kRootText}, {"You did'nt choose a file to export."}}));
    const ExportOutcome button = exportSlot(1, {}, MessageStyle::Marked, "/");
    EXPECT_EQ(button.messages, (std::vector<Message>{{"You did'nt choose a file to export.",
                                                      MessageIcon::Information},
                                                     {"/  " + kRootText, MessageIcon::Critical}}));
    EXPECT_TRUE(menu.nameUsed && button.nameUsed);
    EXPECT_FALSE(menu.done || button.done);
}

TEST_F(SetupTransferTest, ExportRefusesWhatWouldLoseOrMisplaceAFile)
{
    game.write("setups.sav", fixture::storeOf({"first", "second"}, 6));
    ASSERT_TRUE(exportSlot(1, "mine").done);
    for (const QString& name : QStringList{"../up", ".", "..", "a/b"})
        EXPECT_FALSE(exportSlot(1, name).done) << name.toStdString();
    EXPECT_FALSE(exportSlot(0, "nothing").done);
    EXPECT_EQ(QDir(setups.path()).entryList(QDir::Files), QStringList{"mine.set"});

    // An unreadable store: without a table to fall back on the export ends silently; with one
    // it exports from that table.
    {
        const fixture::InjectedFileFaults faults(fixture::failing(FileStep::Read));
        const ExportOutcome button = exportSlot(2, "b");
        EXPECT_TRUE(button.messages.empty());
        EXPECT_FALSE(button.done || button.nameUsed || button.table);
        SetupTable shown;
        shown.entry(2).used = 1;
        shown.entry(2).name = "shown";
        const ExportOutcome menu = exportSlot(2, "c", MessageStyle::Plain, {}, &shown);
        ASSERT_TRUE(menu.done && menu.nameUsed);
    }
    EXPECT_EQ(fixture::readFile(inFolder("c.set")),
              fixture::usedSlot("shown", 6, 0).left(10) + QByteArray(228, '\0'));
}

TEST_F(SetupTransferTest, ImportRefusesAndKeepsTheFile)
{
    const QByteArray dtrFile = fixture::usedSlot("new", 6, 9);
    fixture::writeFile(inFolder("short.set"), dtrFile.chopped(1));
    fixture::writeFile(inFolder("sprint.set"), fixture::usedSlot("sc", 5, 2));
    fixture::writeFile(inFolder("good.set"), dtrFile);
    const QByteArray small = fixture::storeOf({"a"}, 6) + "excess";
    game.write("setups.sav", small);

    for (const QString& file : QStringList{"short.set", "sprint.set"}) {
        const ImportOutcome outcome = importFile(file, true);
        EXPECT_FALSE(outcome.done);
        EXPECT_TRUE(outcome.messages.at(0).text.contains(inFolder(file)));
        EXPECT_TRUE(QFile::exists(inFolder(file)));
    }
    const Message noFile{"You did'nt choose a file to import.", MessageIcon::Information};
    EXPECT_EQ(importFile({}).messages, std::vector{noFile});
    EXPECT_EQ(game.read("setups.sav"), small);

    std::vector<QByteArray> full(300, fixture::usedSlot("f", 6, 1));
    game.write("setups.sav", fixture::store(full));
    EXPECT_FALSE(importFile("good.set", true).done);
    EXPECT_EQ(game.read("setups.sav"), fixture::store(full));

    // A store write that fails keeps the file, even for the menu entry that deletes it.
    game.write("setups.sav", small);
    const fixture::InjectedFileFaults faults(fixture::failing(FileStep::Commit));
    EXPECT_FALSE(importFile("good.set", true).done);
    EXPECT_EQ(game.read("setups.sav"), small);
    EXPECT_TRUE(QFile::exists(inFolder("good.set")));
}

TEST_F(SetupTransferTest, ImportAddsToTheStoreOnDiskAndTheMenuDeletesTheFile)
{
    const QByteArray file = fixture::usedSlot("new", 6, 9);
    fixture::writeFile(inFolder("new.set"), file);
    ASSERT_TRUE(setReadOnly(inFolder("new.set")));
    // The store on disk has a gap and bytes after slot 300 that the window never saw.
    std::vector<QByteArray> slots{fixture::usedSlot("a", 6, 1), fixture::unusedSlot(),
                                  fixture::usedSlot("b", 6, 2)};
    game.write("setups.sav", fixture::store(slots) + "tail");

    ImportOutcome outcome = importFile("new.set");
    ASSERT_TRUE(outcome.done);
    EXPECT_EQ(outcome.importedSlot, 2);
    ASSERT_TRUE(setReadOnly(inFolder("new.set")));
    outcome = importFile("new.set", true);
    ASSERT_TRUE(outcome.done);
    EXPECT_EQ(outcome.importedSlot, 4);
    EXPECT_TRUE(outcome.fileRemoved && outcome.storeWritten);
    EXPECT_FALSE(QFile::exists(inFolder("new.set")));
    slots[1] = file;
    slots.push_back(file);
    EXPECT_EQ(game.read("setups.sav"), fixture::store(slots) + "tail");
    EXPECT_EQ(outcome.store->counters, (StoreCounters{5, 4, 0}));
}

// A friend's setup, imported and so left writable, under the name the player types.
TEST_F(SetupTransferTest, ExportReplacesAnotherFileOnlyWhenAskedToAndChecksTheListedSetup)
{
    game.write("setups.sav", fixture::storeOf({"Alpha", "Bravo"}, 6));
    const QByteArray friends = fixture::usedSlot("Friend", 6, 7);
    fixture::writeFile(inFolder("Bravo.set"), friends);
    ExportRequest request{.gameDirectory = game.root(),
                          .profile = profile,
                          .selectedSlot = 2,
                          .exportName = "Bravo",
                          .folder = setups.path(),
                          .listedName = QByteArray("Bravo")};
    const ExportOutcome asked = exportSetup(request);
    EXPECT_TRUE(asked.wouldReplace && !asked.done);
    EXPECT_EQ(asked.messages, (std::vector{Message{"Bravo.set already exists. Replace it?",
                                                   MessageIcon::Question}}));
    EXPECT_EQ(fixture::readFile(inFolder("Bravo.set")), friends);

    // Sorted on disk since it was listed: slot 2 holds Alpha now.
    game.write("setups.sav", fixture::storeOf({"Bravo", "Alpha"}, 6));
    request.replaceExisting = true;
    const ExportOutcome changed = exportSetup(request);
    EXPECT_TRUE(changed.storeChanged && !changed.done);
    EXPECT_TRUE(changed.messages.at(0).text.startsWith("Slot 2 of the store does not hold"));
    EXPECT_EQ(fixture::readFile(inFolder("Bravo.set")), friends);

    request.selectedSlot = 1;
    ASSERT_TRUE(exportSetup(request).done);
    EXPECT_EQ(fixture::readFile(inFolder("Bravo.set")), fixture::usedSlot("Bravo", 6, 1));
    // Read-only now, as every export leaves its file: not even a yes writes over it.
    request.listedName = QByteArray("Alpha");
    request.selectedSlot = 2;
    EXPECT_FALSE(exportSetup(request).done);
    EXPECT_EQ(fixture::readFile(inFolder("Bravo.set")), fixture::usedSlot("Bravo", 6, 1));
}

} // namespace
