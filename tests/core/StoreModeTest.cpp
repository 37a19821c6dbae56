// SPDX-License-Identifier: GPL-3.0-or-later
// The store's mode through every command that replaces it: whichever way the new store is written
// (over the old one, or through setups.tmp), it keeps the old one's permission bits, and a
// read-only store is made writable by its owner and no more.
#include "core/game/GameProfile.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreHistory.h"
#include "core/store/StoreHistoryCommands.h"
#include "core/store/StorePaths.h"
#include "core/transfer/SetupImport.h"
#include "core/transfer/StoreCopy.h"
#include "support/FileTree.h"
#include "support/StoreBytes.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const GameProfile& kGame = DirtTrackRacingProfile;
const RecordLayout kLayout = kGame.recordLayout();

QByteArray storeOf(const std::vector<QByteArray>& names)
{
    return fixture::storeOf(names, kLayout.trailingWordCount);
}

// A game whose store each command can replace: a backup to restore, a setup file and a whole-store
// copy to import, a generation of the history to put back.
struct Game {
    fixture::GameDir dir;
    QTemporaryDir folder;
    qint64 generation = 0;

    Game()
    {
        dir.write("setups.sav", storeOf({"B", "A"}));
        dir.write("setups.bak", storeOf({"Old"}));
        fixture::writeFile(folder.filePath("Track.set"), fixture::dtrSlot("Track", 3));
        fixture::writeFile(folder.filePath("Dtr setups.sav"), storeOf({"Copy"}));
        generation = StoreHistory(StorePaths::forGameDirectory(dir.root()), kLayout, {})
                         .keep(storeOf({"Kept"}), QStringLiteral("sort"))
                         .keptId;
    }
};

struct StoreCommand {
    const char* name;
    std::function<bool(const Game&)> run;
};

const std::vector<StoreCommand>& storeCommands()
{
    static const std::vector<StoreCommand> all = {
        {"import",
         [](const Game& g) {
             return importSetup({.gameDirectory = g.dir.root(),
                                 .profile = &kGame,
                                 .folder = g.folder.path(),
                                 .chosenFile = "Track.set"})
                 .storeWritten;
         }},
        {"delete",
         [](const Game& g) {
             return deleteSetup({.gameDirectory = g.dir.root(),
                                 .layout = kLayout,
                                 .setupChosen = true,
                                 .selectedSlot = 1,
                                 .listedName = "B"})
                 .storeWritten;
         }},
        {"sort",
         [](const Game& g) {
             return sortStore(g.dir.root(), kLayout).storeWritten;
         }},
        {"restore",
         [](const Game& g) {
             return restoreStore(g.dir.root(), kLayout).storeWritten;
         }},
        {"store-import",
         [](const Game& g) {
             return importStoreCopy(g.dir.root(), g.folder.path(), "Dtr setups.sav", kGame).done;
         }},
        {"history restore",
         [](const Game& g) {
             return restoreGeneration(g.dir.root(), kLayout, g.generation).storeWritten;
         }},
    };
    return all;
}

TEST(StoreMode, EveryCommandThatReplacesTheStoreKeepsItsMode)
{
    // (mode before, mode after): read-only is made writable by the owner alone.
    const std::vector<std::pair<int, int>> modes = {{0600, 0600}, {0640, 0640}, {0440, 0640}};
    for (const auto& [before, after] : modes) {
        for (const StoreCommand& command : storeCommands()) {
            SCOPED_TRACE(testing::Message() << command.name << ", mode " << std::oct << before);
            const Game game;
            const QByteArray old = game.dir.read("setups.sav");
            fixture::setMode(game.dir.path("setups.sav"), before);
            ASSERT_TRUE(command.run(game));
            EXPECT_NE(game.dir.read("setups.sav"), old);
            EXPECT_EQ(fixture::modeOf(game.dir.path("setups.sav")), after);
        }
    }
}

} // namespace
