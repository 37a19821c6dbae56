#pragma once

#include "platform/DesktopUrlOpener.h"
#include "platform/ProgramStarter.h"
#include "shell/Navigator.h"
#include "shell/Registry.h"

#include <memory>

namespace tarvelin
{

// Everything the windows share for one run of the utility: the registry file, the real platform
// services and the navigator, with every window's factory installed.
class WindowSession
{
public:
    // An empty `registryFile` means the default one.
    explicit WindowSession(const QString& registryFile, const QString& helpDirectory);

    Navigator& navigator() { return *navigator_; }
    Registry& registry() { return registry_; }

private:
    Registry registry_;
    DetachedProgramStarter programs_;
    DesktopUrlOpener urls_;
    std::unique_ptr<Navigator> navigator_;
};

// Plugs the game windows and the volume window into `navigator`. The one place that knows
// which class builds which window.
void installWindowFactories(Navigator& navigator);

// The windows of the utility: the start window, then the event loop until the player quits.
int runWindows(const QString& registryFile);

} // namespace tarvelin
