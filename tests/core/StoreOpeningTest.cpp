// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreOpening.h"

#include "core/platform/FileIO.h"
#include "support/InjectedFileFaults.h"
#include "support/StoreBytes.h"

#include <QFile>
#include <gtest/gtest.h>
#include <optional>

using namespace tarvelin;

namespace
{

const RecordLayout kDtr{fixture::kDtrTrailingWords};

QByteArray withHeaderZero(QByteArray bytes)
{
    return bytes.replace(0, 4, fixture::le32(0));
}

class StoreOpeningTest : public ::testing::Test
{
protected:
    fixture::GameDir game;
};

// A read-only store and backup, as a player may leave them.
TEST_F(StoreOpeningTest, ListsTheStoreWithEachLinesRealSlotAndLeavesAReadOnlyCopyAsBackup)
{
    const int words = kDtr.trailingWordCount;
    const QByteArray store = fixture::store(
        {fixture::unusedSlot(), fixture::usedSlot("B", words, 1), fixture::usedSlot("A", words, 2),
         fixture::unusedSlot(), fixture::unusedSlot(), fixture::usedSlot("C", words, 3),
         fixture::usedSlot("Oval", words, 4), fixture::usedSlot("Caf\xE9", words, 5)},
        0x01020304);
    game.write("setups.sav", store);
    game.write("setups.bak", fixture::storeOf({"old", "older"}, words));
    ASSERT_TRUE(setReadOnly(game.path("setups.bak")));
    ASSERT_TRUE(setReadOnly(game.path("setups.sav")));

    const StoreOpening opening = openStoreAndBackUp(game.root(), kDtr);

    ASSERT_TRUE(opening.storeRead);
    EXPECT_TRUE(opening.backupWritten);
    ASSERT_EQ(opening.store.lines.size(), 5u);
    EXPECT_EQ(opening.store.lines[0].displayName(), QStringLiteral("B"));
    EXPECT_EQ(opening.store.lines[1].displayName(), QStringLiteral("A"));
    EXPECT_EQ(opening.store.lines[4].displayName(), QStringLiteral("Café"));
    // Gaps before, between and after lines: each line keeps the slot it lies in.
    std::vector<int> slots;
    for (const auto& line : opening.store.lines)
        slots.push_back(line.slot);
    EXPECT_EQ(slots, (std::vector<int>{2, 3, 6, 7, 8}));
    EXPECT_EQ(opening.store.counters,
              (StoreCounters{1, 5, 0})); // slot 1 is free: the next import fills it
    EXPECT_EQ(game.read("setups.bak"), withHeaderZero(store));
    EXPECT_TRUE(isReadOnly(game.path("setups.bak")));
    // Loading never rewrites the store itself; it is made normal, as the games expect to write it.
    EXPECT_EQ(game.read("setups.sav"), store);
    EXPECT_FALSE(isReadOnly(game.path("setups.sav")));
}

// A missing store in the game's folder is an empty store; a wrong or empty game directory is not
// read at all. Either way nothing is written and nothing said.
TEST_F(StoreOpeningTest, MissingStoreOrWrongGameDirectoryListsNothingAndWritesNothing)
{
    for (const QString& directory :
         {game.root(), game.root() + QStringLiteral("/missing"), QString()}) {
        SCOPED_TRACE(directory.toStdString());
        const StoreOpening opening = openStoreAndBackUp(directory, kDtr);
        EXPECT_EQ(opening.storeRead, directory == game.root());
        EXPECT_FALSE(opening.passedOver.isEmpty());
        EXPECT_TRUE(opening.store.lines.empty());
        EXPECT_EQ(opening.store.counters, (StoreCounters{1, 0, 0}));
        EXPECT_FALSE(opening.backupWritten);
        EXPECT_FALSE(opening.backupKept);
    }
    EXPECT_FALSE(game.exists("setups.bak"));
    EXPECT_FALSE(game.exists("setups.sav"));
    EXPECT_FALSE(QFile::exists(game.root() + QStringLiteral("/missing")));
}

// A store missing, empty, cut short or of the other game never replaces the backup. The player
// is told once: of a kept backup, and of a damaged store even when there is no backup to keep.
TEST_F(StoreOpeningTest, MissingEmptyCutShortOrForeignStoreKeepsTheGoodBackupAndSaysSo)
{
    std::vector<QByteArray> names;
    for (int i = 0; i < 50; ++i)
        names.push_back("Setup " + QByteArray::number(i));
    const QByteArray backup = fixture::storeOf(names, kDtr.trailingWordCount);
    const QByteArray whole = fixture::storeOf({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                                              kDtr.trailingWordCount);

    struct Row {
        std::optional<QByteArray> store; // nothing: no setups.sav
        bool damaged;
    };
    const std::vector<Row> rows = {
        {std::nullopt, false},
        {whole.left(0), false},
        {whole.left(3), true},
        {whole.left(1000), true},
        {whole.left(whole.size() - 1), true},
        {fixture::le32(0) + fixture::le32(1) + "no end", true},
        {fixture::storeOf({"Sprint", "Cars"}, fixture::kScTrailingWords), true},
    };
    for (const Row& row : rows) {
        for (const bool withBackup : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << (row.store ? row.store->size() : -1) << (withBackup ? " backup" : ""));
            QFile::remove(game.path("setups.bak"));
            if (withBackup) {
                game.write("setups.bak", backup);
                ASSERT_TRUE(setReadOnly(game.path("setups.bak")));
            }
            QFile::remove(game.path("setups.sav"));
            if (row.store)
                game.write("setups.sav", *row.store);

            const StoreOpening opening = openStoreAndBackUp(game.root(), kDtr);

            EXPECT_FALSE(opening.backupWritten);
            EXPECT_EQ(game.exists("setups.bak"), withBackup);
            ASSERT_EQ(opening.backupKept.has_value(), withBackup || row.damaged);
            if (!opening.backupKept)
                continue;
            EXPECT_TRUE(opening.backupKept->text.contains(game.path("setups.sav")));
            EXPECT_EQ(opening.backupKept->text.contains(QStringLiteral("does not read whole")),
                      row.damaged);
            if (!withBackup)
                continue;
            EXPECT_TRUE(opening.backupKept->text.contains(QStringLiteral("kept")));
            EXPECT_EQ(game.read("setups.bak"), backup);
            EXPECT_TRUE(isReadOnly(game.path("setups.bak")));
            QFile(game.path("setups.bak")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
    }

    // The whole store, even an empty one of 300 unused slots, is backed up without a word.
    for (const QByteArray& store : {whole, fixture::store({})}) {
        game.write("setups.sav", store);
        const StoreOpening opening = openStoreAndBackUp(game.root(), kDtr);
        EXPECT_TRUE(opening.backupWritten);
        EXPECT_FALSE(opening.backupKept);
        EXPECT_EQ(game.read("setups.bak"), store);
    }
}

TEST_F(StoreOpeningTest, UnreadableStoreLeavesTheBackupAlone)
{
    const QByteArray oldBackup = fixture::storeOf({"kept"}, kDtr.trailingWordCount);
    game.write("setups.bak", oldBackup);
    game.write("setups.sav", fixture::storeOf({"a"}, kDtr.trailingWordCount));
    const fixture::InjectedFileFaults faults(fixture::failing(FileStep::Read));

    const StoreOpening opening = openStoreAndBackUp(game.root(), kDtr);

    EXPECT_FALSE(opening.storeRead);
    EXPECT_TRUE(opening.store.lines.empty());
    EXPECT_EQ(game.read("setups.bak"), oldBackup);
}

} // namespace
