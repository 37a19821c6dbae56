// SPDX-License-Identifier: GPL-3.0-or-later
// The store's mode through every command that replaces it: whichever way the new store is written
// (over the old one, or through setups.tmp), it keeps the old one's permission bits, and a
// read-only store is made writable by its owner and no more.
#include "core/game/GameProfile.h"
#include "core/store/StoreHistory.h"
#include "core/store/StorePaths.h"
#include "support/FileTree.h"
#include "support/StoreBytes.h"
#include "support/StoreReplacingCommands.h"

#include <QTemporaryDir>
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
        fixture::plantCommandInputs(folder.path());
        generation = StoreHistory(StorePaths::forGameDirectory(dir.root()), kLayout, {})
                         .keep(storeOf({"Kept"}), QStringLiteral("sort"))
                         .keptId;
    }
};

TEST(StoreMode, EveryCommandThatReplacesTheStoreKeepsItsMode)
{
    // (mode before, mode after): read-only is made writable by the owner alone.
    const std::vector<std::pair<int, int>> modes = {{0600, 0600}, {0640, 0640}, {0440, 0640}};
    for (const auto& [before, after] : modes) {
        for (const fixture::StoreReplacingCommand& command : fixture::storeReplacingCommands(1)) {
            SCOPED_TRACE(testing::Message() << command.name << ", mode " << std::oct << before);
            const Game game;
            ASSERT_EQ(game.generation, 1);
            const QByteArray old = game.dir.read("setups.sav");
            fixture::setMode(game.dir.path("setups.sav"), before);
            ASSERT_TRUE(command.run(game.dir.root(), game.folder.path()).done);
            EXPECT_NE(game.dir.read("setups.sav"), old);
            EXPECT_EQ(fixture::modeOf(game.dir.path("setups.sav")), after);
        }
    }
}

} // namespace
