// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreDefect.h"

#include <QtEndian>

namespace tarvelin
{

namespace
{

enum class Defect { None, Empty, Header, Flag, NameEnd, FixedPart };

struct Walk {
    Defect defect = Defect::None;
    int slot = 0;      // the slot the walk stopped in
    qsizetype end = 0; // just past slot 300, when the walk got there
};

// The store's slots walked without copying one: where the walk stops, and why.
Walk walkStore(QByteArrayView bytes, RecordLayout layout)
{
    Walk walk;
    if (bytes.isEmpty())
        return {Defect::Empty};
    if (bytes.size() < layout::kHeaderSize)
        return {Defect::Header};
    qsizetype pos = layout::kHeaderSize;
    for (int slot = 1; slot <= layout::kSlotCount; ++slot) {
        if (bytes.size() - pos < layout::kFlagSize)
            return {Defect::Flag, slot};
        const qint32 flag = qFromLittleEndian<qint32>(bytes.data() + pos);
        pos += layout::kFlagSize;
        if (flag == 0)
            continue;
        const qsizetype terminator = bytes.indexOf('\0', pos);
        if (terminator < 0)
            return {Defect::NameEnd, slot};
        pos = terminator + layout::kNameTerminatorSize;
        if (bytes.size() - pos < layout.fixedPartSize())
            return {Defect::FixedPart, slot};
        pos += layout.fixedPartSize();
    }
    walk.end = pos;
    return walk;
}

// The file reads whole to its last byte with records of another length than this game's.
bool readsAsAnotherGame(QByteArrayView bytes, RecordLayout layout)
{
    for (int words = 0; words <= layout::kMaxTrailingWordCount; ++words) {
        if (words == layout.trailingWordCount)
            continue;
        const Walk other = walkStore(bytes, RecordLayout{words});
        if (other.defect == Defect::None && other.end == bytes.size())
            return true;
    }
    return false;
}

} // namespace

QString storeDefect(QByteArrayView bytes, RecordLayout layout)
{
    const Walk walk = walkStore(bytes, layout);
    if ((walk.defect != Defect::None || walk.end < bytes.size()) &&
        readsAsAnotherGame(bytes, layout))
        return QStringLiteral("its setups are records of the other game");
    switch (walk.defect) {
    case Defect::Empty:
        return QStringLiteral("the file is empty");
    case Defect::Header:
        return QStringLiteral("the file ends inside its header");
    case Defect::Flag:
        return QStringLiteral("the file ends before slot %1 of 300").arg(walk.slot);
    case Defect::NameEnd:
        return QStringLiteral("the name in slot %1 has no end").arg(walk.slot);
    case Defect::FixedPart:
        return QStringLiteral("slot %1 runs past the end of the file").arg(walk.slot);
    case Defect::None:
        break;
    }
    return {};
}

} // namespace tarvelin
