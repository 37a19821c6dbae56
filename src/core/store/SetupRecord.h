// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/StoreLayout.h"

#include <QByteArray>
#include <array>

namespace tarvelin
{

// One setup as it lies in a store slot. The name is kept as the file's raw bytes
// (Windows-1252), whole whatever its length, so that every slot is written back exactly.
struct SetupRecord {
    qint32 used = 0; // the slot's flag as read; any value but 0 marks a setup
    QByteArray name; // without its 0x00 terminator
    std::array<char, layout::kLeadingWordsSize> leadingWords{};
    std::array<char, layout::kBlocksSize> blocks{};
    // Only the first RecordLayout::trailingWordsSize() bytes belong to the record.
    std::array<char, layout::kMaxTrailingWordsSize> trailingWords{};

    bool isUsed() const { return used != 0; }
    qsizetype nameLength() const { return name.size(); }

    friend bool operator==(const SetupRecord&, const SetupRecord&) = default;
};

} // namespace tarvelin
