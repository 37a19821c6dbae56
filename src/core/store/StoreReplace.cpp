// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreReplace.h"

#include "core/Logging.h"
#include "core/platform/PathInfo.h"

namespace tarvelin
{

namespace
{

// A read-only store is made writable first, as the games expect to save into it afterwards; a
// failure here does not stop the write, which replaces the file whatever its mode.
void makeNormal(const QString& path)
{
    if (!PathInfo::exists(path))
        return;
    if (const FileResult normal = setNormal(path); !normal)
        qCInfo(lcStore).noquote() << "passed over:" << normal.error;
}

// setups.tmp is made afresh, never followed: a link left there would otherwise receive the store
// and then take setups.sav's place. It takes the store's mode, as the store it becomes keeps it.
FileResult throughScratchFile(const StorePaths& paths, const QByteArray& bytes,
                              const BeforeCommit& beforeCommit)
{
    FileResult result = writeFreshFile(paths.scratch, bytes, beforeCommit, paths.store);
    if (result)
        result = renameFile(paths.scratch, paths.store);
    if (entryExists(paths.scratch)) {
        if (const FileResult removed = removeFile(paths.scratch); !removed)
            qCWarning(lcStore).noquote() << "scratch file left behind:" << removed.error;
    }
    return result;
}

} // namespace

FileResult replaceStoreBytes(const StorePaths& paths, const QByteArray& bytes, bool throughScratch,
                             const BeforeCommit& beforeCommit)
{
    makeNormal(paths.store);
    // A store that is a link (shared between Wine prefixes, say) is written where it points, as
    // every other write is: renaming the scratch file over it would replace the link by a copy.
    const bool viaScratch = throughScratch && !PathInfo(paths.store).isSymLink();
    FileResult result = viaScratch
                            ? throughScratchFile(paths, bytes, beforeCommit)
                            : saveFileAtomically(paths.store, bytes, beforeCommit, PathKind::Store);
    makeNormal(paths.store);
    return result;
}

} // namespace tarvelin
