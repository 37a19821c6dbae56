// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/AlsaMixer.h"
#include "core/platform/DriveTable.h"
#include "core/platform/ProgramStarter.h"
#include "core/registry/Registry.h"
#include "ui/platform/ApplicationBeeper.h"
#include "ui/platform/DesktopUrlOpener.h"
#include "ui/session/GameWindowWiring.h"
#include "ui/session/Navigator.h"

#include <memory>

namespace tarvelin
{

// Everything the windows share for one run of the utility: the registry file, the real platform
// services and the navigator, with every window's factory installed.
class WindowSession
{
public:
    // An empty `registryFile` means the default one.
    WindowSession(const QString& registryFile, const QString& helpDirectory);
    ~WindowSession();
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    Navigator& navigator() { return *navigator_; }

private:
    Registry registry_;
    DetachedProgramStarter programs_;
    DesktopUrlOpener urls_;
    AlsaMixer mixer_;
    ApplicationBeeper beeper_;
    SystemDriveTable drives_;
    ShellPlatform platform_{&mixer_, &beeper_, &drives_};
    std::unique_ptr<Navigator> navigator_;
};

// The windows of the utility: the start window, then the event loop until the player quits.
int runWindows(const QString& registryFile);

} // namespace tarvelin
