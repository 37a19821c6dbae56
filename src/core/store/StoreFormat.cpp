// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreFormat.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace tarvelin
{

namespace
{

qint32 readFlag(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<qint32>(bytes.data() + offset);
}

void appendFlag(QByteArray& out, qint32 flag)
{
    char buffer[layout::kFlagSize];
    qToLittleEndian<qint32>(flag, buffer);
    out.append(buffer, layout::kFlagSize);
}

template <size_t N>
void copyField(std::array<char, N>& field, QByteArrayView bytes, qsizetype offset, qsizetype size)
{
    std::memcpy(field.data(), bytes.data() + offset, static_cast<size_t>(size));
}

} // namespace

namespace
{

// readSlot into a record that is already unused: a store's table is read in place, without a
// copy of each record on its way.
struct SlotEnd {
    qsizetype end = 0;
    bool cutShort = false;
};

SlotEnd readSlotInto(QByteArrayView bytes, qsizetype offset, RecordLayout layout,
                     SetupRecord& record)
{
    SlotEnd slot;
    const qsizetype available = std::max<qsizetype>(0, bytes.size() - offset);
    if (available < layout::kFlagSize) {
        slot.end = bytes.size();
        slot.cutShort = true;
        return slot;
    }
    const qint32 flag = readFlag(bytes, offset);
    qsizetype pos = offset + layout::kFlagSize;
    if (flag == 0) {
        slot.end = pos;
        return slot;
    }

    const qsizetype terminator = bytes.indexOf('\0', pos);
    if (terminator < 0 || bytes.size() - (terminator + 1) < layout.fixedPartSize()) {
        slot.end = bytes.size();
        slot.cutShort = true;
        return slot;
    }

    record.used = flag;
    record.name = bytes.sliced(pos, terminator - pos).toByteArray();
    pos = terminator + layout::kNameTerminatorSize;
    copyField(record.leadingWords, bytes, pos, layout::kLeadingWordsSize);
    pos += layout::kLeadingWordsSize;
    copyField(record.blocks, bytes, pos, layout::kBlocksSize);
    pos += layout::kBlocksSize;
    copyField(record.trailingWords, bytes, pos, layout.trailingWordsSize());
    pos += layout.trailingWordsSize();
    slot.end = pos;
    return slot;
}

} // namespace

SlotRead readSlot(QByteArrayView bytes, qsizetype offset, RecordLayout layout)
{
    SlotRead slot;
    const SlotEnd end = readSlotInto(bytes, offset, layout, slot.record);
    slot.end = end.end;
    slot.cutShort = end.cutShort;
    return slot;
}

void appendSlot(QByteArray& out, const SetupRecord& record, RecordLayout layout)
{
    appendFlag(out, record.used);
    if (!record.isUsed())
        return;
    out.append(record.name);
    out.append('\0');
    out.append(record.leadingWords.data(), layout::kLeadingWordsSize);
    out.append(record.blocks.data(), layout::kBlocksSize);
    out.append(record.trailingWords.data(), layout.trailingWordsSize());
}

StoreImage parseStore(QByteArrayView bytes, RecordLayout layout)
{
    StoreImage image;
    // The header is read past and never used.
    qsizetype pos = std::min<qsizetype>(layout::kHeaderSize, bytes.size());
    image.cutShort = bytes.size() < layout::kHeaderSize;
    for (int k = 1; k <= layout::kSlotCount; ++k) {
        const SlotEnd slot = readSlotInto(bytes, pos, layout, image.table.entry(k));
        image.cutShort = image.cutShort || slot.cutShort;
        pos = slot.end;
    }
    if (pos < bytes.size())
        image.excess = bytes.sliced(pos).toByteArray();
    return image;
}

int countStoreSetups(QByteArrayView bytes, RecordLayout layout)
{
    int count = 0;
    qsizetype pos = layout::kHeaderSize;
    for (int k = 1; k <= layout::kSlotCount && bytes.size() - pos >= layout::kFlagSize; ++k) {
        const qint32 flag = readFlag(bytes, pos);
        pos += layout::kFlagSize;
        if (flag == 0)
            continue;
        const qsizetype terminator = bytes.indexOf('\0', pos);
        if (terminator < 0 || bytes.size() - (terminator + 1) < layout.fixedPartSize())
            break;
        ++count;
        pos = terminator + layout::kNameTerminatorSize + layout.fixedPartSize();
    }
    return count;
}

QByteArray serializeStore(const SetupTable& table, RecordLayout layout, QByteArrayView excess)
{
    QByteArray out;
    out.reserve(layout::kEmptyStoreSize + table.usedCount() * layout.usedSlotSize(32) +
                excess.size());
    appendFlag(out, 0); // the header is always written as 0
    for (int k = 1; k <= layout::kSlotCount; ++k)
        appendSlot(out, table.entry(k), layout);
    out.append(excess.data(), excess.size());
    return out;
}

QByteArray serializeSetupFile(const SetupRecord& record, RecordLayout layout)
{
    QByteArray out;
    appendSlot(out, record, layout);
    return out;
}

std::optional<SetupRecord> parseSetupFile(QByteArrayView bytes, RecordLayout layout)
{
    const SlotRead slot = readSlot(bytes, 0, layout);
    if (slot.cutShort || slot.end != bytes.size())
        return std::nullopt;
    return slot.record;
}

} // namespace tarvelin
