// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreFile.h"

#include "core/Logging.h"
#include "core/store/StoreDefect.h"

namespace tarvelin
{

StoreRead ReadSlots(const QString& path, RecordLayout layout)
{
    StoreRead read;
    const FileContents contents = readWholeFile(path, layout::kMaxStoreFileSize);
    if (!contents.ok) {
        read.missing = contents.missing;
        read.error = contents.error;
        return read;
    }
    read.image = parseStore(contents.bytes, layout);
    read.bytes = contents.bytes;
    // An empty file holds no setup a rewrite could garble: it is read as a store not written yet.
    if (!contents.bytes.isEmpty())
        read.defect = storeDefect(contents.bytes, layout);
    if (!read.defect.isEmpty())
        qCWarning(lcStore).noquote() << path << "does not read whole:" << read.defect;
    read.ok = true;
    return read;
}

FileResult WriteSlots(const QString& path, const SetupTable& table, RecordLayout layout,
                      QByteArrayView excess)
{
    return saveFileAtomically(path, serializeStore(table, layout, excess));
}

} // namespace tarvelin
