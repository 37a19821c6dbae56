// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/StoreReplacingCommands.h"

#include "core/game/GameProfile.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreHistoryCommands.h"
#include "core/transfer/SetupImport.h"
#include "core/transfer/StoreCopy.h"
#include "support/StoreBytes.h"

#include <QDir>

using namespace tarvelin;

namespace fixture
{

namespace
{
const GameProfile& kGame = DirtTrackRacingProfile;
const RecordLayout kLayout = kGame.recordLayout();
} // namespace

void plantCommandInputs(const QString& folder)
{
    writeFile(QDir(folder).filePath("Track.set"), dtrSlot("Track", 3));
    writeFile(QDir(folder).filePath("Dtr setups.sav"), storeOf({"Copy"}, kDtrTrailingWords));
}

std::vector<StoreReplacingCommand> storeReplacingCommands(qint64 generation)
{
    std::vector<StoreReplacingCommand> all = {
        {"import",
         [](const QString& game, const QString& folder) -> CommandOutcome {
             return importSetup({.gameDirectory = game,
                                 .profile = &kGame,
                                 .folder = folder,
                                 .chosenFile = "Track.set",
                                 .style = MessageStyle::Plain,
                                 .deleteFileAfterImport = true});
         }},
        {"delete",
         [](const QString& game, const QString&) -> CommandOutcome {
             return deleteSetup({.gameDirectory = game,
                                 .layout = kLayout,
                                 .setupChosen = true,
                                 .selectedSlot = 1});
         }},
        {"sort",
         [](const QString& game, const QString&) -> CommandOutcome {
             return sortStore(game, kLayout);
         }},
        {"restore",
         [](const QString& game, const QString&) -> CommandOutcome {
             return restoreStore(game, kLayout);
         }},
        {"store-import",
         [](const QString& game, const QString& folder) -> CommandOutcome {
             return importStoreCopy(game, folder, "Dtr setups.sav", kGame);
         }},
    };
    if (generation != 0) {
        all.push_back({"history restore",
                       [generation](const QString& game, const QString&) -> CommandOutcome {
                           return restoreGeneration(game, kLayout, generation);
                       }});
    }
    return all;
}

} // namespace fixture
