// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/session/Navigator.h"

#include "core/Logging.h"
#include "core/app/GameControllerSettings.h"
#include "core/app/Links.h"
#include "core/game/GameProfile.h"
#include "core/platform/UrlOpener.h"
#include "core/registry/Registry.h"
#include "core/registry/WinePrefixMemory.h"
#include "ui/Logging.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/DirectoriesWindow.h"
#include "ui/windows/HelpViewer.h"
#include "ui/windows/StartWindow.h"

#include <QCoreApplication>
#include <QWidget>

namespace tarvelin
{

namespace
{

const QString kStart = QStringLiteral("Main");
const QString kDirectories = QStringLiteral("Dir");
const QString kVolume = QStringLiteral("volume");
const QString kHelp = QStringLiteral("helpViewer");

} // namespace

Navigator::Navigator(Services services, QObject* parent)
    : QObject(parent), services_(std::move(services)), quit_([] { QCoreApplication::exit(0); })
{
}

Navigator::~Navigator()
{
    for (const QPointer<QWidget>& window : std::as_const(windows_))
        delete window.data();
}

QWidget* Navigator::openWindow(const QString& objectName) const
{
    QWidget* window = windows_.value(objectName);
    // A closed window is only deleted later; until then it is no longer open.
    return window && window->isVisible() ? window : nullptr;
}

QWidget* Navigator::showKept(const QString& name, const std::function<QWidget*()>& create,
                             QWidget* besides, QWidget* instead)
{
    if (QWidget* open = openWindow(name)) {
        open->showNormal();
        open->raise();
        open->activateWindow();
        return open;
    }
    QWidget* window = create();
    if (!window)
        return nullptr;
    window->setAttribute(Qt::WA_DeleteOnClose);
    windows_.insert(name, window);
    // A window the player asks for from another opens beside it, on the screen; one that takes
    // another's place opens where that one stood. Where the compositor places the windows, the
    // one asked for from another is handed to it as that window's own, to be opened over it.
    if (!programPlacesWindows()) {
        if (besides)
            keepOver(*window, *besides);
    } else if (besides) {
        moveBeside(*window, *besides);
    } else if (instead) {
        moveInstead(*window, *instead);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* Navigator::showStart(QWidget* instead)
{
    return showKept(
        kStart,
        [this] {
            auto* start = new StartWindow;
            connectStartWindow(start);
            return start;
        },
        nullptr, instead);
}

void Navigator::connectStartWindow(QWidget* window)
{
    auto* start = static_cast<StartWindow*>(window);
    connect(start, &StartWindow::gameChosen, this,
            [this](const GameProfile* profile) { chooseGame(*profile); });
    connect(start, &StartWindow::directoriesRequested, this,
            [this, start] { showDirectories(start); });
    connect(start, &StartWindow::volumeRequested, this, [this, start] { showVolume(start); });
    connect(start, &StartWindow::controllerSettingsRequested, this,
            [this, start] { startControllerSettings(start); });
    connect(start, &StartWindow::gameMakerSiteRequested, this,
            [this] { openLink(QString::fromLatin1(links::GameMakerSite)); });
    connect(start, &StartWindow::quitRequested, this, &Navigator::quit);
}

QWidget* Navigator::showGame(const GameProfile& profile, QWidget* instead)
{
    if (!gameFactory_) {
        qCWarning(lcNavigator) << "no game window to open for" << profile.gameTitle;
        return nullptr;
    }
    if (!openWindow(profile.windowName) && services_.registry)
        services_.registry->ensureCreated(); // the utility's own key, on the first choice
    return showKept(
        profile.windowName, [this, &profile] { return gameFactory_(profile, *this); }, nullptr,
        instead);
}

QWidget* Navigator::showDirectories(QWidget* besides)
{
    return showKept(
        kDirectories,
        [this] { return new DirectoriesWindow(*services_.registry, services_.slidePace); },
        besides);
}

QWidget* Navigator::showVolume(QWidget* besides)
{
    if (!volumeFactory_)
        return nullptr;
    return showKept(
        kVolume, [this] { return volumeFactory_(*this); }, besides);
}

QWidget* Navigator::showStoreWindow(const GameProfile& profile, QWidget* gameWindow)
{
    if (!storeFactory_)
        return nullptr;
    return showKept(
        profile.storeWindowName,
        [this, &profile, gameWindow] { return storeFactory_(profile, gameWindow, *this); },
        gameWindow);
}

QWidget* Navigator::showHistoryWindow(const GameProfile& profile, QWidget* gameWindow)
{
    if (!historyFactory_)
        return nullptr;
    return showKept(
        profile.id + QStringLiteral("History"),
        [this, &profile, gameWindow] { return historyFactory_(profile, gameWindow, *this); },
        gameWindow);
}

HelpViewer* Navigator::showHelpContents(const QString& page, QWidget* besides)
{
    auto* viewer = static_cast<HelpViewer*>(showKept(
        kHelp, [this] { return new HelpViewer(services_.helpDirectory); }, besides));
    viewer->showContents();
    if (!page.isEmpty())
        viewer->openPage(page);
    return viewer;
}

HelpViewer* Navigator::showHelpSearch(const QString& keyword, QWidget* besides)
{
    auto* viewer = static_cast<HelpViewer*>(showKept(
        kHelp, [this] { return new HelpViewer(services_.helpDirectory); }, besides));
    viewer->showSearch(keyword);
    return viewer;
}

AboutWindow* Navigator::showAbout(QWidget* gameWindow)
{
    // Modal over its game window, so it can only be asked for again once it has closed: each
    // opening is a fresh window with its labels filled afresh.
    auto* about = new AboutWindow(*services_.registry, *services_.programs, *services_.urls,
                                  services_.slidePace, gameWindow);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    return about;
}

void Navigator::chooseGame(const GameProfile& profile)
{
    QWidget* start = openWindow(kStart);
    if (showGame(profile, start) && start)
        start->close();
}

void Navigator::backToStart(QWidget* gameWindow)
{
    showStart(gameWindow);
    if (gameWindow)
        gameWindow->close();
}

void Navigator::switchGame(QWidget* gameWindow, const GameProfile& current)
{
    if (showGame(current.OtherProfile(), gameWindow) && gameWindow)
        gameWindow->close();
}

void Navigator::startControllerSettings(QWidget* from, const GameProfile* game)
{
    const WineSetup wine =
        game ? wineSetupOf(*game, *services_.registry) : eitherGameWineSetup(*services_.registry);
    showCommandOutcome(from, startGameControllerSettings(*services_.programs, wine), lcStarter());
}

void Navigator::openLink(const QString& address)
{
    services_.urls->openUrl(address);
}

void Navigator::quit()
{
    quit_();
}

} // namespace tarvelin
