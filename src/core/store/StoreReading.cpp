// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreReading.h"

#include "core/platform/PathInfo.h"

namespace tarvelin
{

StoreRead readGameStore(const StorePaths& paths, RecordLayout layout)
{
    StoreRead read = ReadSlots(paths.store, layout);
    if (!read.ok && read.missing && PathInfo(paths.folder).isDir()) {
        read.ok = true;
        read.error.clear();
    }
    return read;
}

} // namespace tarvelin
