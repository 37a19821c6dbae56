// SPDX-License-Identifier: GPL-3.0-or-later
// A setups.sav missing from an existing "saved games" folder is a store the game has not written
// yet: every command reads it as an empty store.

#include "core/game/GameProfile.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreHistoryCommands.h"
#include "core/store/StoreOpening.h"
#include "core/transfer/SetupExport.h"
#include "core/transfer/SetupImport.h"
#include "support/StoreBytes.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const RecordLayout kDtr{fixture::kDtrTrailingWords};

struct Ran {
    bool done = false;
    std::vector<Message> messages;
    std::optional<StoreState> store;
};

Ran ranOf(const CommandOutcome& outcome, std::optional<StoreState> store)
{
    return {outcome.done, outcome.messages, std::move(store)};
}

struct Case {
    const char* name;
    std::function<Ran(const fixture::GameDir&)> run;
    bool done;                // what the command does with an empty store
    const char* refusalStart; // the start of its one message when it refuses
    int linesAfter;           // the store's lines as the command leaves them
};

std::vector<Case> cases()
{
    return {
        {"window delete of a listed line",
         [](const fixture::GameDir& game) {
             const auto o = deleteSetup({.gameDirectory = game.root(),
                                         .layout = kDtr,
                                         .setupChosen = true,
                                         .selectedSlot = 1,
                                         .listedName = QByteArray("Oval")});
             return ranOf(o, o.store);
         },
         false, "Slot 1 of the store does not hold the selected setup", 0},
        {"delete of a slot by number",
         [](const fixture::GameDir& game) {
             const auto o = deleteSetup({.gameDirectory = game.root(),
                                         .layout = kDtr,
                                         .setupChosen = true,
                                         .selectedSlot = 1});
             return ranOf(o, o.store);
         },
         false, "Slot 1 holds no setup", 0},
        {"sort",
         [](const fixture::GameDir& game) {
             const auto o = sortStore(game.root(), kDtr);
             return ranOf(o, o.store);
         },
         true, "", 0},
        {"import",
         [](const fixture::GameDir& game) {
             fixture::writeFile(game.path("in.set"), fixture::dtrSlot("Oval", 1));
             const auto o = importSetup({.gameDirectory = game.root(),
                                         .profile = &DirtTrackRacingProfile,
                                         .folder = game.savedGames(),
                                         .chosenFile = QStringLiteral("in.set")});
             return ranOf(o, o.store);
         },
         true, "", 1},
        {"export of slot 1",
         [](const fixture::GameDir& game) {
             const auto o = exportSetup({.gameDirectory = game.root(),
                                         .profile = &DirtTrackRacingProfile,
                                         .selectedSlot = 1,
                                         .exportName = QStringLiteral("out"),
                                         .folder = game.savedGames()});
             return ranOf(o, o.table ? std::optional(stateOf(*o.table)) : std::nullopt);
         },
         false, "", 0},
    };
}

TEST(StoreNotWrittenYet, EveryCommandReadsAMissingStoreAsAnEmptyOne)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const fixture::GameDir game;
        ASSERT_FALSE(game.exists("setups.sav"));
        const Ran ran = c.run(game);
        EXPECT_EQ(ran.done, c.done);
        for (const Message& message : ran.messages)
            EXPECT_FALSE(message.text.contains(QStringLiteral("could not be read")))
                << message.text.toStdString();
        if (*c.refusalStart != '\0') {
            ASSERT_EQ(ran.messages.size(), 1u);
            EXPECT_TRUE(ran.messages.front().text.startsWith(QLatin1String(c.refusalStart)))
                << ran.messages.front().text.toStdString();
        }
        ASSERT_TRUE(ran.store.has_value());
        EXPECT_EQ(static_cast<int>(ran.store->lines.size()), c.linesAfter);
        EXPECT_EQ(ran.store->counters.nextSlot, c.linesAfter + 1);
    }
}

TEST(StoreNotWrittenYet, AHistoryGenerationComesBackIntoAStoreDeletedSince)
{
    const fixture::GameDir game;
    const QByteArray kept = fixture::store({fixture::dtrSlot("B", 2), fixture::dtrSlot("A", 1)});
    game.write("setups.sav", kept);
    ASSERT_TRUE(sortStore(game.root(), kDtr).done); // keeps the unsorted store
    const HistoryListOutcome listed = listHistory(game.root(), kDtr);
    ASSERT_FALSE(listed.generations.empty());
    const qint64 id = listed.generations.front().id;
    ASSERT_TRUE(QFile::remove(game.path("setups.sav")));

    const HistoryPreviewOutcome preview = previewGeneration(game.root(), kDtr, id);
    ASSERT_TRUE(preview.done);
    EXPECT_EQ(preview.preview.bringBack.size(), 2);
    const HistoryRestoreOutcome restored = restoreGeneration(game.root(), kDtr, id);
    ASSERT_TRUE(restored.done);
    EXPECT_EQ(game.read("setups.sav"), kept);
}

} // namespace
