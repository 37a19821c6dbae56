// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarvelin
{

// A demo installation of both games in a scratch folder: a store of a dozen setups each, a folder
// of setup files each, and a registry file pointing at them, so a newcomer can try everything
// without the games.
struct DemoData {
    QString root;
    QString registryFile;
    QString dirtTrackDirectory;
    QString sprintCarsDirectory;
    QString dirtTrackSetupFolder;
    QString sprintCarsSetupFolder;
};

// $XDG_DATA_HOME/tarvelin-setup-utility/demo
QString defaultDemoRoot();

// Builds the demo afresh under `root` (anything there before is replaced). Returns an empty
// registryFile when a file could not be written; the reason is logged.
DemoData buildDemo(const QString& root);

} // namespace tarvelin
