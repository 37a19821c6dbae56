// While a window's command waits for another command's lock on its store, the game window says so.

#include "ui/session/StoreLockNote.h"

#include "core/game/GameProfile.h"
#include "core/platform/AddressSource.h"
#include "core/platform/Clock.h"
#include "core/platform/VolumeTable.h"
#include "core/registry/Registry.h"
#include "core/store/StoreLock.h"
#include "support/StoreBytes.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/widgets/GameStatusBar.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/VBUSoftButton.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

TEST(StoreLockNote, TheGameWindowSaysItIsWaitingUntilTheCommandEnds)
{
    QTemporaryDir scratch;
    fixture::GameDir game;
    const QByteArray store = fixture::storeOf({"b", "a"}, 6);
    game.write("setups.sav", store);
    Registry registry(scratch.filePath(QStringLiteral("registry.reg")));
    const GameProfile& profile = DirtTrackRacingProfile;
    registry.createKey(profile.GameKey);
    registry.SetKeyValue(profile.GameKey, profile.DirectoryValueName, game.root(),
                         RegistryType::String);
    const FixedVolumeTable volumes{{{QStringLiteral("/"), true}}};
    const FixedAddressSource address{QStringLiteral("10.0.0.5")};
    const FixedClock clock{QDateTime(QDate(2024, 6, 1), QTime(9, 30))};
    GameWindowServices services;
    services.volumes = &volumes;
    services.address = &address;
    services.clock = &clock;
    const std::unique_ptr<GameWindow> window = createGameWindow(profile, registry, services);
    window->show();

    MessageRecorder messages;
    installStoreLockNote();
    qputenv("TARVELIN_STORE_LOCK_WAIT_MS", "50");
    {
        // Another command holds the store: the sort waits, then refuses.
        const StoreLock other = StoreLock::acquire(game.savedGames(), std::chrono::seconds(1));
        ASSERT_TRUE(other.held());
        window->controls().button[9]->click();
    }
    qunsetenv("TARVELIN_STORE_LOCK_WAIT_MS");
    removeStoreLockNote();

    GameStatusBar* bar = window->controls().StatusBar1;
    EXPECT_EQ(bar->currentMessage(), storeLockNoteText(game.path("setups.sav")));
    EXPECT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(game.read("setups.sav"), store);
    QCoreApplication::processEvents();
    EXPECT_TRUE(bar->currentMessage().isEmpty());
}

} // namespace
} // namespace tarvelin
