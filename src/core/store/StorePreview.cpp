#include "core/store/StorePreview.h"

#include "core/store/StoreFormat.h"
#include "core/store/Windows1252.h"

#include <QHash>

namespace tarvelin
{

namespace
{

// The used setups in slot order, each with its occurrence of its name (0 for the first "Oval",
// 1 for the second), so that duplicates pair up in order.
struct Occurrence {
    QByteArray name;
    int nth = 0;
    const SetupRecord* record = nullptr;
};

std::vector<Occurrence> occurrences(const SetupTable& table)
{
    std::vector<Occurrence> list;
    QHash<QByteArray, int> seen;
    for (const int slot : table.usedSlots()) {
        const SetupRecord& record = table.entry(slot);
        list.push_back({record.name, seen[record.name]++, &record});
    }
    return list;
}

QHash<QByteArray, int> countOf(const std::vector<Occurrence>& list)
{
    QHash<QByteArray, int> counts;
    for (const Occurrence& o : list)
        ++counts[o.name];
    return counts;
}

} // namespace

StorePreview previewRestore(const SetupTable& present, const SetupTable& restored,
                            RecordLayout layout)
{
    const std::vector<Occurrence> now = occurrences(present);
    const std::vector<Occurrence> then = occurrences(restored);
    const QHash<QByteArray, int> nowCount = countOf(now);
    const QHash<QByteArray, int> thenCount = countOf(then);

    StorePreview preview;
    QHash<QByteArray, const SetupRecord*> nowByKey;
    std::vector<QByteArray> nowShared;
    for (const Occurrence& o : now) {
        if (o.nth >= thenCount.value(o.name)) {
            preview.remove << decodeWindows1252(o.name);
            continue;
        }
        nowByKey.insert(o.name + '\0' + QByteArray::number(o.nth), o.record);
        nowShared.push_back(o.name);
    }
    std::vector<QByteArray> thenShared;
    for (const Occurrence& o : then) {
        if (o.nth >= nowCount.value(o.name)) {
            preview.bringBack << decodeWindows1252(o.name);
            continue;
        }
        thenShared.push_back(o.name);
        const SetupRecord* mine = nowByKey.value(o.name + '\0' + QByteArray::number(o.nth));
        // Compared as the slots lie in the file, flag included.
        if (serializeSetupFile(*mine, layout) != serializeSetupFile(*o.record, layout))
            preview.change << decodeWindows1252(o.name);
    }
    preview.reorder = nowShared != thenShared;
    return preview;
}

} // namespace tarvelin
