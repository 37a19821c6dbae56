// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/SetupTable.h"

#include <QByteArray>
#include <optional>

namespace tarvelin
{

// One slot read from a byte buffer.
struct SlotRead {
    SetupRecord record; // unused (flag 0) when the slot was cut short
    qsizetype end = 0;  // offset just past the bytes the slot took (or the end of the buffer)
    bool cutShort = false;
};

// Reads the slot that starts at `offset`. A buffer that ends inside the slot never yields a
// used record: the flag, name and fixed part must all be there.
SlotRead readSlot(QByteArrayView bytes, qsizetype offset, RecordLayout layout);

// Appends one slot as a store lays it out: the flag alone when unused.
void appendSlot(QByteArray& out, const SetupRecord& record, RecordLayout layout);

// A store file's contents once parsed.
struct StoreImage {
    SetupTable table;
    bool cutShort = false; // the file ended before slot 300 did
    QByteArray excess;     // bytes after slot 300, which the games never write
};

StoreImage parseStore(QByteArrayView bytes, RecordLayout layout);
// How many setups parseStore would find, without copying one.
int countStoreSetups(QByteArrayView bytes, RecordLayout layout);

// Header 0 and slots 1 to 300 of the table, followed by `excess` when given.
QByteArray serializeStore(const SetupTable& table, RecordLayout layout, QByteArrayView excess = {});

// A single-setup file (.set / .dts) is one slot cut out whole: exactly one slot's bytes.
QByteArray serializeSetupFile(const SetupRecord& record, RecordLayout layout);

// The record of a single-setup file, or nothing when its length is not exactly one slot of
// this layout (a damaged file, or one of the other game).
std::optional<SetupRecord> parseSetupFile(QByteArrayView bytes, RecordLayout layout);

} // namespace tarvelin
