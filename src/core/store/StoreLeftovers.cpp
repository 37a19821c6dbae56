// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreLeftovers.h"

#include "core/Logging.h"
#include "core/names/FileNameEncoding.h"
#include "core/platform/FileIO.h"
#include "core/platform/FolderSteps.h"

namespace tarvelin
{

QStringList removeLeftoverTemporaries(const StorePaths& paths)
{
    QStringList removed;
    if (!paths.isValid())
        return removed;
    QStringList candidates;
    // setups.tmp is removed even as a link, the link itself; a folder, FIFO or device there is
    // never ours.
    if (entryExists(paths.scratch) && removalRefusal(paths.scratch).isEmpty())
        candidates << paths.scratch;
    // Ours by exact name and by kind: a regular file itself, never a link.
    forEachEntry(paths.folder, [&](const FolderEntry& entry) {
        if (isTemporaryFileName(entry.nameBytes()) && entry.isRegularItself())
            candidates << joinPath(paths.folder, decodeFileName(entry.name()));
    });
    for (const QString& path : candidates) {
        if (const FileResult gone = removeFile(path); gone)
            removed << path;
        else
            qCInfo(lcStore).noquote() << "leftover kept:" << gone.error;
    }
    if (!removed.isEmpty())
        qCInfo(lcStore).noquote() << "removed leftover temporaries:" << removed;
    return removed;
}

} // namespace tarvelin
