// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes either fail to parse or parse into a file that, written and read again, holds the
// same keys and values: the registry file is never rewritten into something it did not say.
#include "core/registry/RegFile.h"

#include <cstdint>
#include <cstdlib>

using namespace tarvelin;

namespace
{

bool sameEntries(const RegFile& a, const RegFile& b)
{
    if (a.sections.size() != b.sections.size())
        return false;
    for (qsizetype i = 0; i < a.sections.size(); ++i) {
        const RegSection& x = a.sections[i];
        const RegSection& y = b.sections[i];
        if (x.path != y.path || x.entries.size() != y.entries.size())
            return false;
        for (qsizetype j = 0; j < x.entries.size(); ++j) {
            const RegEntry& e = x.entries[j];
            const RegEntry& f = y.entries[j];
            if (e.name != f.name || e.kind != f.kind || e.text != f.text || e.number != f.number)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RegParse first = parseRegFile(bytes);
    if (!first.ok)
        return 0;
    const RegParse second = parseRegFile(serializeRegFile(first.file));
    if (!second.ok || !sameEntries(first.file, second.file))
        std::abort();
    return 0;
}
