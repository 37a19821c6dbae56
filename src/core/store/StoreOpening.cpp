#include "core/store/StoreOpening.h"

#include "core/Logging.h"
#include "core/store/StoreFile.h"
#include "core/store/StorePaths.h"

#include <QFileInfo>

namespace tarvelin
{

namespace
{

void passOver(StoreOpening& opening, const QString& why)
{
    qCInfo(lcStore).noquote() << "opening passed over:" << why;
    opening.passedOver << why;
}

} // namespace

StoreOpening ReadFile(const QString& gameDirectory, RecordLayout layout)
{
    StoreOpening opening;
    const StorePaths paths = StorePaths::forGameDirectory(gameDirectory);
    if (!paths.isValid()) {
        passOver(opening, QStringLiteral("no game directory"));
        return opening;
    }

    const StoreRead read = ReadSlots(paths.store, layout);
    const bool emptyStore = read.missing && QFileInfo(paths.folder).isDir();
    if (!read.ok && !emptyStore) {
        passOver(opening, read.error);
        return opening;
    }
    opening.storeRead = true;
    opening.store = stateOf(read.image.table);

    if (!read.missing) {
        if (const FileResult normal = setNormal(paths.store); !normal)
            passOver(opening, normal.error);
    }
    const bool backupWasReadOnly = isReadOnly(paths.backup);
    if (QFileInfo::exists(paths.backup)) {
        if (const FileResult normal = setNormal(paths.backup); !normal)
            passOver(opening, normal.error);
    }
    const FileResult written =
        WriteSlots(paths.backup, opening.store.table, layout, read.image.excess);
    if (!written) {
        passOver(opening, written.error);
        // The old backup is still the last good one: it stays protected as it was.
        if (backupWasReadOnly) {
            if (const FileResult readOnly = setReadOnly(paths.backup); !readOnly)
                passOver(opening, readOnly.error);
        }
        return opening;
    }
    opening.backupWritten = true;
    if (const FileResult readOnly = setReadOnly(paths.backup); !readOnly)
        passOver(opening, readOnly.error);
    return opening;
}

} // namespace tarvelin
