// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SetupName.h"

#include "core/names/Windows1252.h"

#include <algorithm>

namespace tarvelin
{

int compareSetupNames(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t left = windows1252Unicode(static_cast<unsigned char>(a[i]));
        const char16_t right = windows1252Unicode(static_cast<unsigned char>(b[i]));
        if (left != right)
            return left < right ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace tarvelin
