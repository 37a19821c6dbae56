#include "transfer/StoreCopy.h"

#include "gamewindow/GameProfile.h"
#include "platform/FileIO.h"
#include "support/FakeTrash.h"
#include "support/StoreBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const Message kNoCopyChosen{QStringLiteral("You did'nt choose a file to import.")};

class StoreCopyTest : public ::testing::Test
{
protected:
    void TearDown() override { setFileFaultHook({}); }

    QString copyPath(const GameProfile& profile) const
    {
        return transfer.filePath(profile.StoreCopyFileName);
    }

    fixture::GameDir game;
    QTemporaryDir transfer;
};

TEST_F(StoreCopyTest, ExportWritesTheHeaderAsReadAndThreeHundredSlots)
{
    const std::vector<QByteArray> slots{fixture::usedSlot("B", 6, 1), fixture::usedSlot("A", 6, 2),
                                        fixture::usedSlot("C", 6, 3)};
    game.write("setups.sav", fixture::store(slots, 0x12345678));

    const StoreCopyOutcome outcome =
        ExportStoreCopy(game.root(), transfer.path(), DirtTrackRacingProfile);

    ASSERT_TRUE(outcome.written);
    EXPECT_FALSE(outcome.message);
    EXPECT_TRUE(outcome.refreshFileList);
    const QByteArray copy = fixture::readFile(copyPath(DirtTrackRacingProfile));
    EXPECT_EQ(copy, fixture::store(slots, 0x12345678)); // 297 slots of four zero bytes follow
    EXPECT_FALSE(isReadOnly(copyPath(DirtTrackRacingProfile)));
    // The game window shows the store on disk again.
    ASSERT_TRUE(outcome.gameStore);
    ASSERT_EQ(outcome.gameStore->lines.size(), 3u);
    EXPECT_EQ(outcome.gameStore->lines[1].name, QByteArray("A"));
    EXPECT_EQ(outcome.gameStore->counters, (StoreCounters{4, 3, 0}));
}

TEST_F(StoreCopyTest, ExportRefusesTheRootAndNeverReplacesACopyByAnUnreadStore)
{
    game.write("setups.sav", fixture::storeOf({"Oval"}, 6));
    for (const QString& root : {QStringLiteral("/"), QStringLiteral("//"), QString()}) {
        const StoreCopyOutcome outcome = ExportStoreCopy(game.root(), root, DirtTrackRacingProfile);
        EXPECT_FALSE(outcome.written);
        EXPECT_EQ(outcome.message,
                  Message{QStringLiteral(
                      "You can't export to the root directory choose a folder and try it again.")});
    }

    const QByteArray good = fixture::storeOf({"Kept"}, 5);
    fixture::writeFile(copyPath(SprintCarsProfile), good);
    QFile::remove(game.path("setups.sav"));
    const StoreCopyOutcome outcome =
        ExportStoreCopy(game.root(), transfer.path(), SprintCarsProfile);
    EXPECT_FALSE(outcome.written);
    EXPECT_TRUE(outcome.message);
    EXPECT_FALSE(outcome.gameStore);
    EXPECT_EQ(fixture::readFile(copyPath(SprintCarsProfile)), good);
}

TEST_F(StoreCopyTest, ImportReplacesTheStoreKeepingSlotPositionsAndEachGamesHeaderRule)
{
    for (const GameProfile* profile : {&DirtTrackRacingProfile, &SprintCarsProfile}) {
        SCOPED_TRACE(profile->id.toStdString());
        const int words = profile->trailingWordCount;
        game.write("setups.sav",
                   fixture::storeOf({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, words));
        const std::vector<QByteArray> slots{
            fixture::unusedSlot(), fixture::usedSlot("Oval", words, 4), fixture::unusedSlot(),
            fixture::usedSlot("Mile", words, 5), fixture::usedSlot("Short", words, 6)};
        fixture::writeFile(copyPath(*profile), fixture::store(slots, 0xCAFE));
        ASSERT_TRUE(setReadOnly(copyPath(*profile)));

        const StoreCopyOutcome outcome =
            ImportStoreCopy(game.root(), transfer.path(), profile->StoreCopyFileName, *profile);

        ASSERT_TRUE(outcome.written);
        EXPECT_FALSE(outcome.message);
        const quint32 header = profile->storeImportHeader == StoreImportHeader::Zero ? 0 : 0xCAFE;
        EXPECT_EQ(game.read("setups.sav"), fixture::store(slots, header));
        EXPECT_FALSE(isReadOnly(game.path("setups.sav")));
        EXPECT_FALSE(isReadOnly(copyPath(*profile)));
        ASSERT_TRUE(outcome.gameStore);
        std::vector<int> shownSlots;
        for (const StoreLine& line : outcome.gameStore->lines)
            shownSlots.push_back(line.slot);
        EXPECT_EQ(shownSlots, (std::vector<int>{2, 4, 5}));
        EXPECT_EQ(outcome.gameStore->counters.total, 3);
    }
}

TEST_F(StoreCopyTest, EveryFailedImportSaysNoFileWasChosenAndKeepsTheStore)
{
    const QByteArray store = fixture::storeOf({"Mine", "Yours"}, 6);
    game.write("setups.sav", store);
    QDir(transfer.path()).mkdir(QStringLiteral("folder"));
    fixture::writeFile(transfer.filePath(QStringLiteral("short.sav")),
                       fixture::storeOf({"Oval"}, 6).left(600));
    // A Sprint Cars copy read with the Dirt Track Racing record does not end after slot 300.
    fixture::writeFile(transfer.filePath(QStringLiteral("other game.sav")),
                       fixture::storeOf({"Oval", "Mile"}, 5));
    fixture::writeFile(copyPath(DirtTrackRacingProfile), fixture::storeOf({"Copy"}, 6));

    for (const char* selected : {"", "folder", "missing.sav", "short.sav", "other game.sav"}) {
        const StoreCopyOutcome outcome = ImportStoreCopy(
            game.root(), transfer.path(), QString::fromUtf8(selected), DirtTrackRacingProfile);
        EXPECT_FALSE(outcome.written) << selected;
        EXPECT_EQ(outcome.message, kNoCopyChosen) << selected;
        EXPECT_FALSE(outcome.gameStore) << selected;
    }
    setFileFaultHook([](FileStep step, const QString&) { return step != FileStep::Write; });
    EXPECT_EQ(ImportStoreCopy(game.root(), transfer.path(),
                              DirtTrackRacingProfile.StoreCopyFileName, DirtTrackRacingProfile)
                  .message,
              kNoCopyChosen);
    EXPECT_EQ(game.read("setups.sav"), store);
}

TEST_F(StoreCopyTest, DeleteSendsTheSelectedCopyToTheTrashOnlyOnceConfirmed)
{
    fixture::writeFile(copyPath(DirtTrackRacingProfile), fixture::storeOf({}, 6));
    fixture::FakeTrash trash;
    const TrashOutcome declined =
        DeleteStoreCopy(transfer.path(), DirtTrackRacingProfile.StoreCopyFileName, trash,
                        [](const Message&) { return false; });
    EXPECT_TRUE(declined.aborted);
    EXPECT_TRUE(trash.requested.isEmpty());

    const TrashOutcome accepted =
        DeleteStoreCopy(transfer.path(), DirtTrackRacingProfile.StoreCopyFileName, trash,
                        [](const Message&) { return true; });
    EXPECT_TRUE(accepted.trashed);
    EXPECT_FALSE(QFile::exists(copyPath(DirtTrackRacingProfile)));
    EXPECT_EQ(
        DeleteStoreCopy(transfer.path(), QString(), trash, [](const Message&) { return true; })
            .message,
        Message{QStringLiteral("Please choose a file to delete")});
    EXPECT_EQ(trash.requested.size(), 1);
}

} // namespace
