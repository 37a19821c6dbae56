// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreFile.h"

#include "core/Logging.h"

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
    if (read.image.cutShort)
        qCWarning(lcStore).noquote() << path << "ends before slot 300; the rest reads as unused";
    read.ok = true;
    return read;
}

FileResult WriteSlots(const QString& path, const SetupTable& table, RecordLayout layout,
                      QByteArrayView excess)
{
    return saveFileAtomically(path, serializeStore(table, layout, excess));
}

} // namespace tarvelin
