// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace tarvelin
{

struct GameProfile;

// The start window `Main`: the first and only window at start-up. It chooses a game, opens the
// directories and volume windows and the controller settings, links to the game maker, or quits.
// It reads nothing itself: every choice is a request the navigator carries out.
class StartWindow : public QWidget
{
    Q_OBJECT

public:
    explicit StartWindow(QWidget* parent = nullptr);

    static constexpr int kClientWidthTwips = 8100;
    static constexpr int kClientHeightTwips = 6300;

Q_SIGNALS:
    void gameChosen(const tarvelin::GameProfile* profile);
    void directoriesRequested();
    void volumeRequested();
    void controllerSettingsRequested();
    void gameMakerSiteRequested();
    void quitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildPictures();
    void buildAdjustments();
    void buildStatusBar();
    void updateClock();

    QLabel* clock_ = nullptr;
    QTimer* clockTimer_ = nullptr;
};

} // namespace tarvelin
