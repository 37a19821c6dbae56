// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/widgets/FormScroll.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

namespace tarvelin
{

struct GameProfile;
class Registry;
class ProgramStarter;
class UrlOpener;
class AboutWindow;
class HelpViewer;

// Opens, shows and closes the utility's windows, following the window transitions. Each window
// exists at most once: asking for one that is open shows it as it is. Windows are deleted when
// they close, so the next opening starts afresh.
class Navigator : public QObject
{
    Q_OBJECT

public:
    struct Services {
        Registry* registry = nullptr;
        ProgramStarter* programs = nullptr;
        UrlOpener* urls = nullptr;
        QString helpDirectory;
        // How the secondary windows slide away: visibly, or at once for tests and screenshots.
        FormScroll::SlidePace slidePace = FormScroll::visibleSlide();
    };
    // Builds the game window of a profile; the navigator shows it and keeps it once.
    using GameWindowFactory = std::function<QWidget*(const GameProfile&, Navigator&)>;
    using WindowFactory = std::function<QWidget*(Navigator&)>;
    // Builds the whole-store window of a profile, for the game window it was chosen in.
    using StoreWindowFactory =
        std::function<QWidget*(const GameProfile&, QWidget* gameWindow, Navigator&)>;
    // Builds the backup history window of a profile, for the game window it was chosen in.
    using HistoryWindowFactory = StoreWindowFactory;

    explicit Navigator(Services services, QObject* parent = nullptr);
    ~Navigator() override;

    void setGameWindowFactory(GameWindowFactory factory) { gameFactory_ = std::move(factory); }
    // The volume window, once it exists; without it the volume button does nothing.
    void setVolumeWindowFactory(WindowFactory factory) { volumeFactory_ = std::move(factory); }
    void setStoreWindowFactory(StoreWindowFactory factory) { storeFactory_ = std::move(factory); }
    void setHistoryWindowFactory(HistoryWindowFactory factory)
    {
        historyFactory_ = std::move(factory);
    }
    // Ends the system; QCoreApplication::exit by default.
    void setQuitFunction(std::function<void()> quit) { quit_ = std::move(quit); }

    const Services& services() const { return services_; }
    // The open window with this object name ("Main", "Dir", "Dirt", "Sc", "volume", "dtrSav",
    // "ScSav", "helpViewer"), or nullptr.
    QWidget* openWindow(const QString& objectName) const;

    // `instead`: the window this one replaces, which it opens in place of.
    QWidget* showStart(QWidget* instead = nullptr);
    QWidget* showGame(const GameProfile& profile, QWidget* instead = nullptr);
    QWidget* showDirectories(QWidget* besides = nullptr);
    QWidget* showVolume(QWidget* besides = nullptr);
    // The whole-store window of the game window's profile, beside it; the game window stays.
    QWidget* showStoreWindow(const GameProfile& profile, QWidget* gameWindow);
    // The backup history window of the game window's profile ("dtrHistory", "scHistory").
    QWidget* showHistoryWindow(const GameProfile& profile, QWidget* gameWindow);
    // The help at its contents page, or at `page` ("export.html"), beside `besides` when given.
    HelpViewer* showHelpContents(const QString& page = {}, QWidget* besides = nullptr);
    // The help's keyword search, with `keyword` typed (empty: every keyword).
    HelpViewer* showHelpSearch(const QString& keyword = {}, QWidget* besides = nullptr);
    // Modal over `gameWindow`; returns at once, the window closes itself.
    AboutWindow* showAbout(QWidget* gameWindow);

    // Transitions that close the window they start from.
    void chooseGame(const GameProfile& profile);
    void backToStart(QWidget* gameWindow);
    void switchGame(QWidget* gameWindow, const GameProfile& current);

    // In the Wine of `game`; without one, in either game's.
    void startControllerSettings(QWidget* from, const GameProfile* game = nullptr);
    void openLink(const QString& address);
    // Ends the system at once, whatever windows are open; no window's closing steps run.
    void quit();

private:
    QWidget* showKept(const QString& name, const std::function<QWidget*()>& create,
                      QWidget* besides, QWidget* instead = nullptr);
    void connectStartWindow(QWidget* start);

    Services services_;
    GameWindowFactory gameFactory_;
    WindowFactory volumeFactory_;
    StoreWindowFactory storeFactory_;
    HistoryWindowFactory historyFactory_;
    std::function<void()> quit_;
    QHash<QString, QPointer<QWidget>> windows_;
};

} // namespace tarvelin
