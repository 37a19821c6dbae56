// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ui/EveryWindow.h"

#include "core/game/GameProfile.h"
#include "ui/widgets/FormScroll.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/HelpViewer.h"

#include <QApplication>
#include <QTreeWidget>

namespace fixture
{

using namespace tarvelin;

EveryWindow::EveryWindow() : demo_(buildDemo(scratch_.filePath(QStringLiteral("demo"))))
{
    if (demo_.registryFile.isEmpty())
        return;
    registry_ = std::make_unique<Registry>(demo_.registryFile);
    navigator_ = std::make_unique<Navigator>(Navigator::Services{
        registry_.get(), &programs_, &urls_, QStringLiteral(TARVELIN_SOURCE_DIR "/data/help"),
        FormScroll::kInstantSlide});
    platform_ = ShellPlatform{&mixer_, &beeper_, &drives_};
    installWindowFactories(*navigator_, platform_);
    navigator_->setQuitFunction([] {});

    QWidget* start = navigator_->showStart();
    windows_ = {start, navigator_->showDirectories(start), navigator_->showVolume(start)};
    for (const GameProfile* profile : {&DirtTrackRacingProfile, &SprintCarsProfile}) {
        QWidget* game = navigator_->showGame(*profile);
        windows_.push_back(game);
        windows_.push_back(navigator_->showStoreWindow(*profile, game));
        QWidget* history = navigator_->showHistoryWindow(*profile, game);
        if (auto* kept = history->findChild<QTreeWidget*>(QStringLiteral("List1"));
            kept && kept->topLevelItemCount() > 0)
            kept->topLevelItem(0)->setSelected(true);
        windows_.push_back(history);
    }
    windows_.push_back(navigator_->showHelpContents());
    windows_.push_back(navigator_->showAbout(windows_.back()));
    QApplication::processEvents();
}

EveryWindow::~EveryWindow() = default;

} // namespace fixture
