// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/demo/DemoData.h"
#include "core/platform/UrlOpener.h"
#include "core/registry/Registry.h"
#include "support/FakeDriveTable.h"
#include "support/FakeMixer.h"
#include "support/FakeProgramStarter.h"
#include "ui/session/GameWindowWiring.h"
#include "ui/session/Navigator.h"
#include "ui/widgets/MessageBox.h"

#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <vector>

namespace fixture
{

// Every window of the utility open at once over the demo games, each in the state a player
// first sees, with the one kept store of the history chosen so its preview shows.
class EveryWindow
{
public:
    EveryWindow();
    ~EveryWindow();

    // Start, directories, volume; for each game its window, whole-store and history windows;
    // help and about. Empty when the demo could not be built.
    const std::vector<QWidget*>& windows() const { return windows_; }

private:
    QTemporaryDir scratch_;
    tarvelin::DemoData demo_;
    std::unique_ptr<tarvelin::Registry> registry_;
    FakeProgramStarter programs_;
    tarvelin::RecordingUrlOpener urls_;
    tarvelin::MessageRecorder messages_;
    FakeMixer mixer_;
    FakeBeeper beeper_;
    FakeDriveTable drives_;
    tarvelin::ShellPlatform platform_;
    std::unique_ptr<tarvelin::Navigator> navigator_;
    std::vector<QWidget*> windows_;
};

} // namespace fixture
