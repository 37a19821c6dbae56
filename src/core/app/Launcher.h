// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/game/GameProfile.h"
#include "core/outcome/CommandOutcome.h"
#include "core/platform/DriveTable.h"
#include "core/platform/ProgramStarter.h"

namespace tarvelin
{

// What the drive search gives when there is no optical drive, or no disc mounted in the first.
inline constexpr char kUnknownDrive[] = "Unknown";
// The program in the root of both games' CDs.
inline constexpr char kLaunchProgram[] = "Launch.exe";

// The root of the first optical drive (the folder its disc is mounted on), or "Unknown". Only
// the first drive counts, whatever the later ones hold.
QString opticalDiscRoot(const DriveTable& drives);

// Where the game's disc is: the first optical drive's root when it holds the launcher, else the
// first mounted disc image (an iso9660 or udf file system) that holds it. Empty: none does.
QString gameDiscRoot(const DriveTable& drives);

// Done: the launcher was started. Any failure carries the profile's CdMissingMessage.
struct LaunchOutcome : CommandOutcome {
    // The game's launcher as it was found on the disc; empty when there was none.
    QString program;
};

// Starts "Launch.exe" from the root of the game's disc (gameDiscRoot), with that root as the
// working folder, in the game's Wine, and does not wait for it. The name is matched without regard
// to letter case, since a disc mounted without its long-name extension shows "launch.exe". No
// disc, no launcher on it and a launcher that cannot be started all give one message.
LaunchOutcome Launch(const GameProfile& profile, const DriveTable& drives, ProgramStarter& starter,
                     const WineSetup& wine = {});

} // namespace tarvelin
