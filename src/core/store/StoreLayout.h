// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Byte layout of the games' store files (setups.sav, setups.bak, setups.tmp, whole-store copies)
// and of single-setup files, which are one used slot cut out of a store.
//
//   store:        header(4) slot 1 ... slot 300
//   unused slot:  flag(4) == 0
//   used slot:    flag(4) != 0, name bytes, 0x00, leading words(12), blocks(4 x 48),
//                 trailing words(4 x trailingWordCount)
//
// All numbers are little-endian. Everything after the name belongs to the game and is copied
// byte for byte, never interpreted.
namespace tarvelin::layout
{

inline constexpr int kSlotCount = 300;
inline constexpr int kTableSize = kSlotCount + 1; // entry 0 is never stored in a file

inline constexpr qsizetype kHeaderSize = 4;
inline constexpr qsizetype kFlagSize = 4;
inline constexpr qsizetype kNameTerminatorSize = 1;
inline constexpr qsizetype kWordSize = 4;
inline constexpr qsizetype kLeadingWordCount = 3;
inline constexpr qsizetype kLeadingWordsSize = kLeadingWordCount * kWordSize;
inline constexpr qsizetype kBlockSize = 48;
inline constexpr qsizetype kBlockCount = 4;
inline constexpr qsizetype kBlocksSize = kBlockCount * kBlockSize;
inline constexpr int kMaxTrailingWordCount = 6;
inline constexpr qsizetype kMaxTrailingWordsSize = kMaxTrailingWordCount * kWordSize;

// A store with no setups: the header and 300 zero flags.
inline constexpr qsizetype kEmptyStoreSize = kHeaderSize + kSlotCount * kFlagSize;

// The games' own name field holds this many characters; the utility keeps longer names whole.
inline constexpr qsizetype kGameNameFieldLength = 64;

// Nothing the games write comes near this; a larger file is not a store and is not read.
inline constexpr qsizetype kMaxStoreFileSize = qsizetype{64} * 1024 * 1024;

} // namespace tarvelin::layout

namespace tarvelin
{

// The one difference between the two games' records: how many trailing words follow the blocks.
struct RecordLayout {
    int trailingWordCount = layout::kMaxTrailingWordCount;

    constexpr qsizetype trailingWordsSize() const { return trailingWordCount * layout::kWordSize; }
    // Bytes after the name's terminator: 228 for Dirt Track Racing, 224 for Sprint Cars.
    constexpr qsizetype fixedPartSize() const
    {
        return layout::kLeadingWordsSize + layout::kBlocksSize + trailingWordsSize();
    }
    // A used slot with a name of nameLength bytes: 233 + n or 229 + n.
    constexpr qsizetype usedSlotSize(qsizetype nameLength) const
    {
        return layout::kFlagSize + nameLength + layout::kNameTerminatorSize + fixedPartSize();
    }
};

} // namespace tarvelin
