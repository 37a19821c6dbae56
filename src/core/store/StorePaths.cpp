// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StorePaths.h"

#include "core/platform/FileIO.h"

namespace tarvelin
{

StorePaths StorePaths::forGameDirectory(const QString& gameDirectory)
{
    StorePaths paths;
    if (gameDirectory.isEmpty())
        return paths;
    paths.folder = joinPath(gameDirectory, QStringLiteral("data/saved games"));
    paths.store = joinPath(paths.folder, QStringLiteral("setups.sav"));
    paths.backup = joinPath(paths.folder, QStringLiteral("setups.bak"));
    paths.scratch = joinPath(paths.folder, QStringLiteral("setups.tmp"));
    return paths;
}

} // namespace tarvelin
