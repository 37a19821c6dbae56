// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/FileIO.h"
#include "core/store/StoreFormat.h"

namespace tarvelin
{

struct StoreRead {
    bool ok = false;
    bool missing = false; // the file does not exist (its folder may)
    StoreImage image;
    QByteArray bytes; // the file as read
    QString error;
    // What keeps the file from reading whole as a store (storeDefect); empty when it does, and
    // for an empty file or a store not written yet. A store with a defect is listed as read,
    // never rewritten.
    QString defect;
};

// Reads a whole store-format file into a table. The file is only read, never created or
// changed, and is closed when this returns; a read-only file reads like any other.
StoreRead ReadSlots(const QString& path, RecordLayout layout);

// Writes the table as a store-format file (header 0), atomically: the old file stays whole
// until the new one is complete. `excess` is appended after slot 300 when given.
FileResult WriteSlots(const QString& path, const SetupTable& table, RecordLayout layout,
                      QByteArrayView excess = {});

} // namespace tarvelin
