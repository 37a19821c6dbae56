#include "core/store/StoreCommands.h"

#include "core/platform/FileIO.h"
#include "core/store/StoreOpening.h"
#include "support/InjectedFileFaults.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

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
    const std::vector<std::function<StoreCommandOutcome()>> commands = {
        [&] { return remove(1); },
        [&] { return sortStore(game.root(), kDtr); },
        [&] { return restoreStore(game.root(), kDtr); },
    };
    for (const FileStep failing : {FileStep::Write, FileStep::Commit, FileStep::Rename}) {
        for (const auto& command : commands) {
            game.write("setups.sav", store);
            // The store's own write fails; the history's is the fault walk's.
            const StoreCommandOutcome outcome = [&] {
                const fixture::InjectedFileFaults faults([&](FileStep step, const QString& path) {
                    return step != failing || path.contains(QStringLiteral("/history/"));
                });
                return command();
            }();
            if (failing == FileStep::Rename && outcome.done)
                continue; // restore writes setups.sav without a scratch file to rename
            EXPECT_FALSE(outcome.done);
            EXPECT_EQ(outcome.messages,
                      std::vector{storeNotWrittenMessage(game.path("setups.sav"))});
            EXPECT_EQ(game.read("setups.sav"), store);
            EXPECT_FALSE(game.exists("setups.tmp"));
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
