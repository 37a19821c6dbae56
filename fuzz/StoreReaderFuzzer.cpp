// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes given as a store must parse without a fault, and what is written back from the
// table must read again as the same table: the writer never produces a file the reader misreads.
#include "core/store/StoreFormat.h"

#include <cstdint>
#include <cstdlib>

using namespace tarvelin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const int trailingWordCount : {6, 5}) {
        const RecordLayout layout{trailingWordCount};
        const StoreImage image = parseStore(bytes, layout);
        const QByteArray written = serializeStore(image.table, layout, image.excess);
        const StoreImage again = parseStore(written, layout);
        if (!(again.table == image.table) || again.excess != image.excess || again.cutShort)
            std::abort();
    }
    return 0;
}
