// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/transfer/StoreCopy.h"

#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "support/InjectedFileFaults.h"
#include "support/StoreBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

class StoreCopyTest : public ::testing::Test
{
protected:
    QString copyOf(const GameProfile& profile) const
    {
        return transfer.filePath(profile.StoreCopyFileName);
    }

    fixture::GameDir game;
    QTemporaryDir transfer;
};

TEST_F(StoreCopyTest, ExportKeepsTheHeaderAndWritesAllSlotsWritable)
{
    const std::vector<QByteArray> slots{fixture::usedSlot("B", 6, 1), fixture::usedSlot("A", 6, 2),
                                        fixture::usedSlot("C", 6, 3)};
    game.write("setups.sav", fixture::store(slots, 0x12345678));
    const StoreCopyOutcome outcome =
        exportStoreCopy(game.root(), transfer.path(), DirtTrackRacingProfile);
    ASSERT_TRUE(outcome.done);
    // store() adds 297 unused slots of four zero bytes.
    EXPECT_EQ(fixture::readFile(copyOf(DirtTrackRacingProfile)), fixture::store(slots, 0x12345678));
    EXPECT_FALSE(isReadOnly(copyOf(DirtTrackRacingProfile)));
    EXPECT_EQ(outcome.store->counters, (StoreCounters{4, 3, 0}));

    // A copy already there, a friend's store perhaps, is replaced only when the player agrees.
    const QByteArray friends = fixture::store({fixture::usedSlot("Friend", 6, 1)});
    fixture::writeFile(copyOf(DirtTrackRacingProfile), friends);
    const StoreCopyOutcome asked =
        exportStoreCopy(game.root(), transfer.path(), DirtTrackRacingProfile);
    EXPECT_TRUE(asked.wouldReplace);
    EXPECT_FALSE(asked.done);
    const Message question{"Dtr setups.sav already exists. Replace it?", MessageIcon::Question};
    EXPECT_EQ(asked.messages, std::vector{question});
    EXPECT_EQ(fixture::readFile(copyOf(DirtTrackRacingProfile)), friends);
    ASSERT_TRUE(exportStoreCopy(game.root(), transfer.path(), DirtTrackRacingProfile, true).done);
    EXPECT_EQ(fixture::readFile(copyOf(DirtTrackRacingProfile)), fixture::store(slots, 0x12345678));

    EXPECT_EQ(exportStoreCopy(game.root(), "/", DirtTrackRacingProfile).messages.at(0).text,
              "You can't export to the root directory choose a folder and try it again.");
    // A store that cannot be read never replaces a good copy by an empty one.
    QFile::remove(game.path("setups.sav"));
    EXPECT_FALSE(exportStoreCopy(game.root(), transfer.path(), DirtTrackRacingProfile).done);
    EXPECT_EQ(fixture::readFile(copyOf(DirtTrackRacingProfile)), fixture::store(slots, 0x12345678));
}

// Bytes after slot 300 are kept; the other game's whole store, read with this game's record, ends
// in what looks like such bytes (or is cut short): it is still refused.
TEST_F(StoreCopyTest, ImportKeepsSlotsHeaderRuleAndExcessButRefusesTheOtherGamesStore)
{
    const QByteArray tail = QByteArray("\x01\x02", 2) + " after the last slot";
    for (const GameProfile* profile : {&DirtTrackRacingProfile, &SprintCarsProfile}) {
        SCOPED_TRACE(profile->gameTitle.toStdString());
        const int words = profile->trailingWordCount;
        const QByteArray mine =
            fixture::storeOf({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, words);
        game.write("setups.sav", mine);
        const std::vector<QByteArray> slots{
            fixture::unusedSlot(), fixture::usedSlot("Oval", words, 4), fixture::unusedSlot(),
            fixture::usedSlot("Mile", words, 5), fixture::usedSlot("Short", words, 6)};
        fixture::writeFile(copyOf(*profile), fixture::store(slots, 0xCAFE) + tail);

        const StoreCopyOutcome outcome =
            importStoreCopy(game.root(), transfer.path(), profile->StoreCopyFileName, *profile);
        ASSERT_TRUE(outcome.done);
        const quint32 header = profile == &DirtTrackRacingProfile ? 0 : 0xCAFE;
        EXPECT_EQ(game.read("setups.sav"), fixture::store(slots, header) + tail);
        ASSERT_EQ(outcome.store->lines.size(), 3u);
        EXPECT_EQ(outcome.store->lines[0].slot, 2);

        const int otherWords = profile->OtherProfile().trailingWordCount;
        game.write("setups.sav", mine);
        fixture::writeFile(transfer.filePath("other.sav"),
                           fixture::storeOf({"Oval", "Mile", "Short"}, otherWords));
        EXPECT_FALSE(importStoreCopy(game.root(), transfer.path(), "other.sav", *profile).done);
        EXPECT_EQ(game.read("setups.sav"), mine);
    }
}

TEST_F(StoreCopyTest, EveryFailedImportSaysNoFileWasChosenAndKeepsTheStore)
{
    const QByteArray store = fixture::storeOf({"Mine", "Yours"}, 6);
    game.write("setups.sav", store);
    QDir(transfer.path()).mkdir(QStringLiteral("folder"));
    fixture::writeFile(transfer.filePath("short.sav"), store.left(600));
    // A Sprint Cars store read with the Dirt Track Racing record does not end after slot 300.
    fixture::writeFile(transfer.filePath("other game.sav"), fixture::storeOf({"Oval"}, 5));
    fixture::writeFile(copyOf(DirtTrackRacingProfile), fixture::storeOf({"Copy"}, 6));

    const auto import = [&](const QString& selected) {
        return importStoreCopy(game.root(), transfer.path(), selected, DirtTrackRacingProfile);
    };
    for (const char* selected : {"", "folder", "missing.sav", "short.sav", "other game.sav"})
        EXPECT_EQ(import(selected).messages.at(0).text, "You did'nt choose a file to import.");
    const fixture::InjectedFileFaults faults(fixture::failing(FileStep::Write));
    EXPECT_FALSE(import(DirtTrackRacingProfile.StoreCopyFileName).done);
    EXPECT_EQ(game.read("setups.sav"), store);
}

} // namespace
