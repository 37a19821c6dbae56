// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreFormat.h"

#include "support/StoreBytes.h"

#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const RecordLayout kDtr{fixture::kDtrTrailingWords};
const RecordLayout kSc{fixture::kScTrailingWords};

class BothLayouts : public ::testing::TestWithParam<RecordLayout>
{
};

TEST_P(BothLayouts, StoreRoundTripsByteForByteWithHeaderZeroed)
{
    const RecordLayout layout = GetParam();
    const int trailing = layout.trailingWordCount;
    const QByteArray longName(200, 'L');
    const QByteArray bytes =
        fixture::store({fixture::usedSlot("abc", trailing, 1), fixture::usedSlot("", trailing, 2),
                        fixture::usedSlot("Caf\xE9 \x80\xFF", trailing, 3, 7),
                        fixture::unusedSlot(), fixture::usedSlot(QByteArray(64, 'x'), trailing, 4),
                        fixture::usedSlot(longName, trailing, 5)},
                       0xDEADBEEF);

    const StoreImage image = parseStore(bytes, layout);
    EXPECT_FALSE(image.cutShort);
    EXPECT_TRUE(image.excess.isEmpty());
    EXPECT_EQ(image.table.usedSlots(), (std::vector<int>{1, 2, 3, 5, 6}));
    EXPECT_EQ(countStoreSetups(bytes, layout), 5);
    EXPECT_EQ(image.table.entry(2).nameLength(), 0);
    EXPECT_EQ(image.table.entry(3).used, 7);
    EXPECT_EQ(image.table.entry(3).name, QByteArray("Caf\xE9 \x80\xFF"));
    EXPECT_EQ(image.table.entry(6).name, longName);

    QByteArray expected = bytes;
    expected.replace(0, 4, fixture::le32(0));
    EXPECT_EQ(serializeStore(image.table, layout), expected);
}

// A setup file of either game, written and read back: SetupTransferTest.
INSTANTIATE_TEST_SUITE_P(Games, BothLayouts, ::testing::Values(kDtr, kSc));

TEST(StoreFormat, FileCutShortAnywhereNeverLeavesAHalfReadSetup)
{
    const QByteArray full = fixture::storeOf({"first", "second"}, fixture::kDtrTrailingWords);
    const qsizetype firstSlotEnd = 4 + kDtr.usedSlotSize(5);
    const qsizetype secondSlotEnd = firstSlotEnd + kDtr.usedSlotSize(6);
    for (qsizetype cut = 0; cut < secondSlotEnd; ++cut) {
        const StoreImage image = parseStore(full.left(cut), kDtr);
        SCOPED_TRACE(cut);
        EXPECT_TRUE(image.cutShort);
        const int expectedUsed = cut >= firstSlotEnd ? 1 : 0;
        EXPECT_EQ(image.table.usedCount(), expectedUsed);
        EXPECT_EQ(countStoreSetups(full.left(cut), kDtr), expectedUsed);
        if (expectedUsed == 1) {
            EXPECT_EQ(image.table.entry(1).name, QByteArray("first"));
        }
    }
    // A name without its terminator ends at the end of the file.
    const QByteArray endless = fixture::le32(0) + fixture::le32(1) + QByteArray(5000, 'n');
    const StoreImage endlessImage = parseStore(endless, kDtr);
    EXPECT_TRUE(endlessImage.cutShort);
    EXPECT_EQ(endlessImage.table.usedCount(), 0);
    EXPECT_EQ(countStoreSetups(endless, kDtr), 0);
}

TEST(StoreFormat, BytesAfterSlot300AreKeptAsExcess)
{
    QByteArray bytes = fixture::storeOf({"a"}, fixture::kScTrailingWords) + "tail";
    const StoreImage image = parseStore(bytes, kSc);
    EXPECT_EQ(image.excess, QByteArray("tail"));
    EXPECT_EQ(serializeStore(image.table, kSc, image.excess), bytes);
}

TEST(SetupFile, LengthMustBeExactlyOneSlotOfThisGame)
{
    const QByteArray dtrFile = fixture::usedSlot("Oval", fixture::kDtrTrailingWords, 3);
    EXPECT_TRUE(parseSetupFile(dtrFile, kDtr).has_value());
    // The other game's file is four bytes shorter or longer and is refused, not misread.
    EXPECT_FALSE(parseSetupFile(dtrFile, kSc).has_value());
    EXPECT_FALSE(parseSetupFile(dtrFile.chopped(1), kDtr).has_value());
    EXPECT_FALSE(parseSetupFile(QByteArray(), kDtr).has_value());
    // The four-byte file of an unused slot is one slot, of no setup.
    const auto unused = parseSetupFile(fixture::le32(0), kDtr);
    ASSERT_TRUE(unused.has_value());
    EXPECT_FALSE(unused->isUsed());
}

} // namespace
