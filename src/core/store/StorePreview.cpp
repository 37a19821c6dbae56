// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StorePreview.h"

#include "core/names/Windows1252.h"
#include "core/store/StoreFormat.h"

#include <QHash>

namespace tarvelin
{

namespace
{

// The used setups of a table in slot order, as the bytes their slots hold.
struct Setup {
    QByteArray name;
    QByteArray bytes;
    int pair = -1; // the setup of the other store it is matched with; -1: none
};

std::vector<Setup> setupsOf(const SetupTable& table, RecordLayout layout)
{
    std::vector<Setup> setups;
    for (const int slot : table.usedSlots()) {
        const SetupRecord& record = table.entry(slot);
        setups.push_back({record.name, serializeSetupFile(record, layout)});
    }
    return setups;
}

// Pairs setups of the same name across the two stores: identical ones first, whichever their
// positions, then the rest in slot order. What stays unpaired is brought back or removed.
void pairUp(std::vector<Setup>& now, std::vector<Setup>& then, bool identicalOnly)
{
    for (std::size_t t = 0; t < then.size(); ++t) {
        if (then[t].pair >= 0)
            continue;
        for (std::size_t n = 0; n < now.size(); ++n) {
            if (now[n].pair >= 0 || now[n].name != then[t].name ||
                (identicalOnly && now[n].bytes != then[t].bytes))
                continue;
            now[n].pair = int(t);
            then[t].pair = int(n);
            break;
        }
    }
}

} // namespace

StorePreview previewRestore(const SetupTable& present, const SetupTable& restored,
                            RecordLayout layout)
{
    std::vector<Setup> now = setupsOf(present, layout);
    std::vector<Setup> then = setupsOf(restored, layout);
    pairUp(now, then, true);
    pairUp(now, then, false);

    StorePreview preview;
    std::vector<int> nowOrder; // the paired setups of the present store, by their restored place
    for (const Setup& setup : now) {
        if (setup.pair < 0)
            preview.remove << decodeWindows1252(setup.name);
        else
            nowOrder.push_back(setup.pair);
    }
    std::vector<int> thenOrder;
    for (std::size_t t = 0; t < then.size(); ++t) {
        const Setup& setup = then[t];
        if (setup.pair < 0) {
            preview.bringBack << decodeWindows1252(setup.name);
            continue;
        }
        thenOrder.push_back(int(t));
        if (now[std::size_t(setup.pair)].bytes != setup.bytes)
            preview.change << decodeWindows1252(setup.name);
    }
    preview.reorder = nowOrder != thenOrder;
    return preview;
}

} // namespace tarvelin
