// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/StateHome.h"

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fixture
{

QString isolateStateHome()
{
    static QTemporaryDir folder;
    if (!folder.isValid()) {
        // Better no run at all than one that writes into the player's state folder.
        std::fprintf(stderr, "no temporary folder for XDG_STATE_HOME\n");
        std::abort();
    }
    qputenv("XDG_STATE_HOME", folder.path().toLocal8Bit());
    // The picture cache too: a test draws its windows' artwork itself, or reads what this run drew.
    qputenv("XDG_CACHE_HOME", (folder.path() + QStringLiteral("/cache")).toLocal8Bit());
    return folder.path();
}

} // namespace fixture
