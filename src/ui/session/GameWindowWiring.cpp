// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/session/GameWindowWiring.h"

#include "core/Logging.h"
#include "core/app/Launcher.h"
#include "core/game/GameProfile.h"
#include "core/registry/WinePrefixMemory.h"
#include "ui/gamewindow/GameWindow.h"
#include "ui/historywindow/HistoryWindow.h"
#include "ui/session/Navigator.h"
#include "ui/storewindow/StoreWindow.h"
#include "ui/widgets/FormScroll.h"
#include "ui/widgets/MessageBox.h"
#include "ui/windows/VolumeWindow.h"

namespace tarvelin
{

namespace
{

void connectGameWindow(GameWindow& window, Navigator& navigator, ShellPlatform& platform)
{
    const GameProfile& profile = window.profile();
    QWidget* self = &window;
    QObject::connect(&window, &GameWindow::startWindowRequested, &navigator,
                     [&navigator, self] { navigator.backToStart(self); });
    QObject::connect(&window, &GameWindow::otherGameRequested, &navigator,
                     [&navigator, self, &profile] { navigator.switchGame(self, profile); });
    QObject::connect(&window, &GameWindow::storeWindowRequested, &navigator,
                     [&navigator, self, &profile] { navigator.showStoreWindow(profile, self); });
    QObject::connect(&window, &GameWindow::historyWindowRequested, &navigator,
                     [&navigator, self, &profile] { navigator.showHistoryWindow(profile, self); });
    QObject::connect(&window, &GameWindow::aboutRequested, &navigator,
                     [&navigator, self] { navigator.showAbout(self); });
    QObject::connect(&window, &GameWindow::quitRequested, &navigator, &Navigator::quit);
    QObject::connect(
        &window, &GameWindow::controllerSettingsRequested, &navigator,
        [&navigator, self, &profile] { navigator.startControllerSettings(self, &profile); });
    QObject::connect(
        &window, &GameWindow::helpRequested, &navigator,
        [&navigator, self](const QString& topic) { navigator.showHelpContents(topic, self); });
    QObject::connect(
        &window, &GameWindow::helpSearchRequested, &navigator,
        [&navigator, self](const QString& keyword) { navigator.showHelpSearch(keyword, self); });
    QObject::connect(
        &window, &GameWindow::launchRequested, &navigator, [&navigator, &platform, self, &profile] {
            showCommandOutcome(self,
                               Launch(profile, *platform.drives, *navigator.services().programs,
                                      wineSetupOf(profile, *navigator.services().registry)),
                               lcLauncher());
        });
}

void showInGameWindow(Navigator& navigator, const GameProfile& profile, const StoreState& store)
{
    auto* game = qobject_cast<GameWindow*>(navigator.openWindow(profile.windowName));
    // A store only read (the whole-store export) leaves the list and the player's choice alone.
    if (!game || store.table == game->table())
        return;
    // The list was filled afresh: no setup of it is chosen any more.
    game->showStore(store);
    game->forgetChosenSetup();
}

// The whole-store window of `profile`. What it reads or writes of the store reaches the game
// window of the same game that is open at that moment; with none open there is nothing to show,
// and the next game window reads the store when it opens.
QWidget* createStoreWindow(const GameProfile& profile, Navigator& navigator,
                           ShellPlatform& platform)
{
    auto* window = new StoreWindow(
        profile, navigator.services().registry,
        StoreWindowServices{platform.trash, nullptr, {}, navigator.services().slidePace});
    QObject::connect(window, &StoreWindow::gameStoreRead, &navigator,
                     [&navigator, &profile](const StoreState& store) {
                         showInGameWindow(navigator, profile, store);
                     });
    return window;
}

// The backup history window of the game window it was chosen in, on that window's game
// directory; a restore reaches the game window of the same game that is open then.
QWidget* createHistoryWindow(const GameProfile& profile, QWidget* gameWindow, Navigator& navigator)
{
    auto* game = qobject_cast<GameWindow*>(gameWindow);
    auto* window = new HistoryWindow(profile, game ? game->gameDirectory() : QString());
    QObject::connect(window, &HistoryWindow::gameStoreRead, &navigator,
                     [&navigator, &profile](const StoreState& store) {
                         showInGameWindow(navigator, profile, store);
                     });
    return window;
}

} // namespace

void installWindowFactories(Navigator& navigator, ShellPlatform& platform)
{
    navigator.setGameWindowFactory(
        [&platform](const GameProfile& profile, Navigator& owner) -> QWidget* {
            GameWindowServices services;
            services.urlOpener = owner.services().urls;
            services.trash = platform.trash;
            GameWindow* window =
                createGameWindow(profile, *owner.services().registry, services).release();
            connectGameWindow(*window, owner, platform);
            return window;
        });
    navigator.setVolumeWindowFactory([&platform](Navigator& owner) -> QWidget* {
        auto* window = new VolumeWindow(*platform.mixer, *platform.beeper);
        window->setCloseAction([pace = owner.services().slidePace](QWidget& volume) {
            FormScroll::scrollOutAndClose(volume, SlideDirection::Left, pace);
        });
        return window;
    });
    navigator.setHistoryWindowFactory(
        [](const GameProfile& profile, QWidget* gameWindow, Navigator& owner) -> QWidget* {
            return createHistoryWindow(profile, gameWindow, owner);
        });
    navigator.setStoreWindowFactory(
        [&platform](const GameProfile& profile, QWidget*, Navigator& owner) -> QWidget* {
            return createStoreWindow(profile, owner, platform);
        });
}

} // namespace tarvelin
