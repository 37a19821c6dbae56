// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreCommands.h"

#include "core/platform/FileIO.h"
#include "core/store/StoreHistory.h"
#include "core/store/StoreOpening.h"
#include "core/store/StorePaths.h"
#include "support/InjectedFileFaults.h"
#include "support/StoreBytes.h"
#include "support/StoreReplacingCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace tarvelin;
using fixture::unusedSlot;

namespace
{

const RecordLayout kDtr{fixture::kDtrTrailingWords};

class StoreCommandsTest : public ::testing::Test
{
protected:
    StoreCommandOutcome remove(int selected, bool setupChosen = true)
    {
        return deleteSetup({.gameDirectory = game.root(),
                            .layout = kDtr,
                            .setupChosen = setupChosen,
                            .selectedSlot = selected});
    }
    fixture::GameDir game;
};

TEST_F(StoreCommandsTest, DeleteMovesLaterSetupsUpByteForByteAndLeavesTheBackup)
{
    game.write("setups.sav", fixture::store({fixture::dtrSlot("A", 1), fixture::dtrSlot("B", 2, 7),
                                             fixture::dtrSlot("C", 3, -2)},
                                            5));
    game.write("setups.bak", "untouched");

    StoreCommandOutcome outcome = remove(1);
    ASSERT_TRUE(outcome.done);
    EXPECT_EQ(game.read("setups.sav"),
              fixture::store({fixture::dtrSlot("B", 2, 7), fixture::dtrSlot("C", 3, -2)}));
    EXPECT_EQ(outcome.store->counters, (StoreCounters{3, 2, 0}));
    EXPECT_TRUE(outcome.storeWritten && outcome.messages.empty());
    EXPECT_FALSE(game.exists("setups.tmp"));

    ASSERT_TRUE(remove(2).done); // the last
    EXPECT_EQ(game.read("setups.sav"), fixture::store({fixture::dtrSlot("B", 2, 7)}));
    ASSERT_TRUE(remove(1).done); // the only one
    EXPECT_EQ(game.read("setups.sav"), QByteArray(1204, '\0'));
    EXPECT_EQ(game.read("setups.bak"), "untouched");
}

TEST_F(StoreCommandsTest, DeleteRefusalsAndNoSelection)
{
    const QByteArray gaps = fixture::store(
        {unusedSlot(), fixture::dtrSlot("Z", 1), unusedSlot(), fixture::dtrSlot("M", 2)});
    game.write("setups.sav", gaps);

    StoreCommandOutcome outcome = remove(2, false);
    EXPECT_EQ(outcome.messages, std::vector<Message>{{"Please choose a file to Delete!"}});
    EXPECT_FALSE(outcome.store);
    // A slot that no longer holds the listed setup is left alone.
    EXPECT_FALSE(remove(3).done);
    EXPECT_FALSE(deleteSetup({.gameDirectory = game.root(),
                              .layout = kDtr,
                              .setupChosen = true,
                              .selectedSlot = 2,
                              .listedName = QByteArray("Y")})
                     .done);
    EXPECT_EQ(game.read("setups.sav"), gaps);

    // Nothing selected: nothing removed, but the gaps are closed.
    outcome = remove(0);
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(game.read("setups.sav"),
              fixture::store({fixture::dtrSlot("Z", 1), fixture::dtrSlot("M", 2)}));
}

TEST_F(StoreCommandsTest, SortUsesTheExchangesOrderAndClosesGaps)
{
    struct Case {
        std::vector<QByteArray> before, after;
    };
    const std::vector<Case> cases = {
        {{fixture::dtrSlot("b", 1), fixture::dtrSlot("A", 2), fixture::dtrSlot("C", 3)},
         {fixture::dtrSlot("A", 2), fixture::dtrSlot("C", 3), fixture::dtrSlot("b", 1)}},
        // Equal names: slots 1 and 3 are exchanged, the second B ends before the first.
        {{fixture::dtrSlot("B", 1), fixture::dtrSlot("B", 2), fixture::dtrSlot("A", 3)},
         {fixture::dtrSlot("A", 3), fixture::dtrSlot("B", 2), fixture::dtrSlot("B", 1)}},
        {{unusedSlot(), fixture::dtrSlot("Z", 1), unusedSlot(), unusedSlot(),
          fixture::dtrSlot("M", 2)},
         {fixture::dtrSlot("M", 2), fixture::dtrSlot("Z", 1)}},
        // By character code: digits, upper case, lower case; e-acute before the euro sign 0x80.
        {{fixture::dtrSlot("\x80", 1), fixture::dtrSlot("\xE9", 2), fixture::dtrSlot("b", 3),
          fixture::dtrSlot("9 L", 4), fixture::dtrSlot("10 L", 5)},
         {fixture::dtrSlot("10 L", 5), fixture::dtrSlot("9 L", 4), fixture::dtrSlot("b", 3),
          fixture::dtrSlot("\xE9", 2), fixture::dtrSlot("\x80", 1)}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        game.write("setups.sav", fixture::store(c.before, 3));
        const StoreCommandOutcome outcome = sortStore(game.root(), kDtr);
        ASSERT_TRUE(outcome.done);
        EXPECT_EQ(game.read("setups.sav"), fixture::store(c.after));
        EXPECT_TRUE(outcome.storeWritten && outcome.messages.empty());
        EXPECT_FALSE(game.exists("setups.tmp"));
    }
}

TEST_F(StoreCommandsTest, RestoreRefusesABadBackupAndOtherwiseUndoesChangesKeepingGaps)
{
    game.write(
        "setups.sav",
        fixture::store({fixture::dtrSlot("A", 1), unusedSlot(), fixture::dtrSlot("B", 2)}, 9));
    EXPECT_EQ(restoreStore(game.root(), kDtr).messages.size(), 1u); // no backup yet
    game.write("setups.bak", QByteArray(1203, '\0'));
    EXPECT_FALSE(restoreStore(game.root(), kDtr).done); // shorter than an empty store
    EXPECT_EQ(
        game.read("setups.sav"),
        fixture::store({fixture::dtrSlot("A", 1), unusedSlot(), fixture::dtrSlot("B", 2)}, 9));
    ASSERT_TRUE(openStoreAndBackUp(game.root(), kDtr).backupWritten);
    const QByteArray backup = game.read("setups.bak");
    ASSERT_TRUE(remove(3).done);

    for (int time = 0; time < 2; ++time) {
        const StoreCommandOutcome outcome = restoreStore(game.root(), kDtr);
        ASSERT_TRUE(outcome.done);
        EXPECT_EQ(game.read("setups.sav"), backup);
        EXPECT_EQ(outcome.store->lines[1].slot, 3);
        EXPECT_EQ(outcome.store->counters, (StoreCounters{2, 2, 0})); // the gap is the next slot
        EXPECT_TRUE(outcome.storeWritten);
        EXPECT_TRUE(isReadOnly(game.path("setups.bak")));
    }
}

TEST_F(StoreCommandsTest, AFailedWriteLeavesTheOldStoreWholeAndSaysSo)
{
    const QByteArray store = fixture::storeOf({"b", "a"}, kDtr.trailingWordCount);
    game.write("setups.bak", fixture::storeOf({"z"}, kDtr.trailingWordCount));
    QTemporaryDir files;
    for (const FileStep failing : {FileStep::Write, FileStep::Commit, FileStep::Rename}) {
        for (const fixture::StoreReplacingCommand& command : fixture::storeReplacingCommands()) {
            SCOPED_TRACE(testing::Message() << command.name << ", step " << int(failing));
            game.write("setups.sav", store);
            fixture::plantCommandInputs(files.path());
            // The store's own write fails; the history's is the fault walk's.
            const CommandOutcome outcome = [&] {
                const fixture::InjectedFileFaults faults([&](FileStep step, const QString& path) {
                    return step != failing || path.contains(QStringLiteral("/history/"));
                });
                return command.run(game.root(), files.path());
            }();
            if (failing == FileStep::Rename && outcome.done)
                continue; // restores write setups.sav without a scratch file to rename
            EXPECT_FALSE(outcome.done);
            EXPECT_EQ(outcome.messages,
                      std::vector{storeNotWrittenMessage(game.path("setups.sav"))});
            EXPECT_EQ(game.read("setups.sav"), store);
            EXPECT_FALSE(game.exists("setups.tmp"));
            EXPECT_TRUE(QFile::exists(files.filePath("Track.set")));
        }
    }
}

// Every command that replaces the store, on a store that does not read whole as a Dirt Track
// Racing store: what would rewrite a misreading of it refuses, names the file and what is wrong,
// and the store keeps its bytes.
TEST_F(StoreCommandsTest, ADamagedStoreIsNeverRewrittenAndTheRefusalSaysWhy)
{
    QTemporaryDir files;
    fixture::plantCommandInputs(files.path());
    const QByteArray backup = fixture::storeOf({"Backed up"}, 6);
    const qint64 generation = StoreHistory(StorePaths::forGameDirectory(game.root()), kDtr)
                                  .keep(fixture::storeOf({"Kept"}, 6), "test")
                                  .keptId;
    ASSERT_NE(generation, 0);
    // Delete, sort and import rewrite what they read; restore, the whole-store import and the
    // history's restore put a whole store back, which is how a player recovers, after the damaged
    // one is kept in the history.
    const std::map<QString, QByteArray> replacements = {
        {"restore", backup},
        {"store-import", fixture::storeOf({"Copy"}, 6)},
        {"history restore", fixture::storeOf({"Kept"}, 6)},
    };
    struct Damage {
        QByteArray store;
        QString defect;
    };
    const std::vector<Damage> damages = {
        {fixture::storeOf({"a", "b", "c"}, 6).left(1000), "the file ends before slot 77 of 300"},
        {fixture::le32(0) + fixture::le32(1) + "a" + '\0' + fixture::fixedPart(6, 1).left(100),
         "slot 1 runs past the end of the file"},
        {fixture::le32(0) + fixture::le32(1) + "no end", "the name in slot 1 has no end"},
        {fixture::storeOf({"Sprint", "Cars"}, fixture::kScTrailingWords),
         "its setups are records of the other game"},
    };
    for (const Damage& damage : damages) {
        for (const fixture::StoreReplacingCommand& command :
             fixture::storeReplacingCommands(generation)) {
            SCOPED_TRACE(testing::Message() << damage.defect.toStdString() << ", " << command.name);
            game.write("setups.sav", damage.store);
            game.write("setups.bak", backup);
            const CommandOutcome outcome = command.run(game.root(), files.path());
            EXPECT_FALSE(game.exists("setups.tmp"));
            if (const auto replaced = replacements.find(command.name);
                replaced != replacements.end()) {
                EXPECT_TRUE(outcome.done);
                EXPECT_EQ(game.read("setups.sav").mid(4), replaced->second.mid(4));
                EXPECT_TRUE(StoreHistory(StorePaths::forGameDirectory(game.root()), kDtr)
                                .holds(damage.store));
                continue;
            }
            EXPECT_FALSE(outcome.done);
            ASSERT_FALSE(outcome.messages.empty());
            EXPECT_EQ(
                outcome.messages.back().text.toStdString(),
                storeDamagedMessage(game.path("setups.sav"), damage.defect).text.toStdString());
            EXPECT_EQ(game.read("setups.sav"), damage.store);
            EXPECT_TRUE(QFile::exists(files.filePath("Track.set")));
        }
    }
}

TEST_F(StoreCommandsTest, ACommandClearsTheLeftoversOfAnInterruptedWriteAndNothingElse)
{
    game.write("setups.sav", fixture::store({fixture::dtrSlot("B", 2), fixture::dtrSlot("A", 1)}));
    // Ours by exact name and kind, whatever the letter case of the random part.
    const QStringList leftovers{"setups.tmp", ".tarvelin-setup-utility.Ab3xQ9",
                                ".tarvelin-setup-utility.abcxyz", ".tarvelin-setup-utility.0AZ9KQ"};
    // The player's own copies, names that differ from ours in case or length, and a folder and
    // a link that carry our name but are not ours by kind.
    const QStringList kept{"setups.sav.BACKUP",
                           "setups.sav.201205",
                           "SETUPS.SAV.COPY01",
                           "setups.bak.old123",
                           "setups.sav.Ab3xQ9",
                           ".TARVELIN-SETUP-UTILITY.Ab3xQ9",
                           ".tarvelin-setup-utility.Ab3xQ",
                           ".tarvelin-setup-utility.Ab3xQ9x",
                           ".tarvelin-setup-utility.fOlDer",
                           ".tarvelin-setup-utility.LiNk01"};
    for (const QString& name : leftovers + kept)
        game.write(name, "bytes");
    QFile::remove(game.path(".tarvelin-setup-utility.fOlDer"));
    ASSERT_TRUE(QDir().mkdir(game.path(".tarvelin-setup-utility.fOlDer")));
    QFile::remove(game.path(".tarvelin-setup-utility.LiNk01"));
    ASSERT_TRUE(
        QFile::link(game.path("setups.sav.BACKUP"), game.path(".tarvelin-setup-utility.LiNk01")));

    ASSERT_TRUE(sortStore(game.root(), kDtr).done);

    for (const QString& name : leftovers)
        EXPECT_FALSE(game.exists(name)) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(game.exists(name)) << name.toStdString();
    EXPECT_EQ(game.read("setups.sav.BACKUP"), "bytes");
    EXPECT_EQ(game.read("setups.sav"),
              fixture::store({fixture::dtrSlot("A", 1), fixture::dtrSlot("B", 2)}));
}

} // namespace
