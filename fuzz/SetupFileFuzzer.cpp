// SPDX-License-Identifier: GPL-3.0-or-later
// A single-setup file is accepted only when it is exactly one slot, and an accepted file is
// written back byte for byte.
#include "core/store/StoreFormat.h"

#include <cstdint>
#include <cstdlib>

using namespace tarvelin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const int trailingWordCount : {6, 5}) {
        const RecordLayout layout{trailingWordCount};
        const auto record = parseSetupFile(bytes, layout);
        if (record && serializeSetupFile(*record, layout) != bytes)
            std::abort();
    }
    return 0;
}
