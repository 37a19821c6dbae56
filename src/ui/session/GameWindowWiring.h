// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarvelin
{

class Navigator;
class Mixer;
class Beeper;
class DriveTable;
class Trash;

// The platform services the windows need beyond the navigator's own.
struct ShellPlatform {
    Mixer* mixer = nullptr;
    Beeper* beeper = nullptr;
    DriveTable* drives = nullptr;
    Trash* trash = nullptr; // deleted whole-store copies; null: the desktop's trash
};

// Plugs the game windows, their whole-store windows and the volume window into `navigator`, and
// carries out the game windows' requests: start window, switch game, about, help, controllers,
// launch, quit. The one place that knows which class builds which window. `platform` must outlive
// the navigator.
void installWindowFactories(Navigator& navigator, ShellPlatform& platform);

} // namespace tarvelin
