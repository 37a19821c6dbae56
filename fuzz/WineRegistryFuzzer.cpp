// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes given as a Wine system.reg must read without a fault, and what is read for a key must
// not depend on which other keys were asked for: passing over the unwanted ones never drops or
// changes a wanted one.
#include "core/game/GameProfile.h"
#include "core/registry/WineRegistry.h"

#include <cstdint>
#include <cstdlib>

using namespace tarvelin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString dtr = DirtTrackRacingProfile.GameKey;
    const QStringList all{dtr, wow64KeyPath(dtr), SprintCarsProfile.GameKey,
                          wow64KeyPath(SprintCarsProfile.GameKey)};
    const WineRegistry alone = WineRegistry::parse(bytes, {dtr});
    const WineRegistry together = WineRegistry::parse(bytes, all);
    if (alone.isValid() != together.isValid())
        std::abort();
    const WineKey* a = alone.key(dtr);
    const WineKey* b = together.key(dtr);
    if ((a == nullptr) != (b == nullptr) || (a && a->values != b->values))
        std::abort();
    for (const QString& key : all)
        (void)registryText(together.QueryValue(key, QStringLiteral("Directory")));
    return 0;
}
