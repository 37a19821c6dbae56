// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-store export and import in process on a full store, against the plain calls that
// move the same bytes: one read of the source and one atomic write of the target.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "RatioTable.h"
#include "core/game/GameProfile.h"
#include "core/store/StoreLayout.h"
#include "core/store/StorePaths.h"
#include "core/transfer/StoreCopy.h"

#include <QDir>

namespace
{

using namespace tarvelin;

const GameProfile& kProfile = DirtTrackRacingProfile;

QString copiesFolder()
{
    static const QString folder = [] {
        const QString path = bench::scratchFolder() + QStringLiteral("/copies");
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

// The copy the import reads: a whole store of the game, written once.
QString copyToImport()
{
    static const QString path = [] {
        const QString file = copiesFolder() + QLatin1Char('/') + kProfile.StoreCopyFileName;
        bench::floor::writePlain(file.toStdString(),
                                 bench::storeBytes(layout::kSlotCount).toStdString());
        return file;
    }();
    return path;
}

void storeExport(benchmark::State& state)
{
    const QString game = bench::fullStoreGameDirectory();
    const QString folder = copiesFolder() + QStringLiteral("/exported");
    QDir().mkpath(folder);
    // Every iteration after the first replaces the copy the one before wrote.
    for (auto _ : state) {
        if (!exportStoreCopy(game, folder, kProfile, true).done)
            state.SkipWithError("the store copy was not written");
    }
}

void storeExportFloor(benchmark::State& state)
{
    const std::string store = bench::fullStorePath().toStdString();
    const std::string copy = (copiesFolder() + QStringLiteral("/floor.sav")).toStdString();
    for (auto _ : state)
        bench::floor::writeAtomically(copy, bench::floor::readWhole(store));
}

void storeImport(benchmark::State& state)
{
    const QString game = bench::gameDirectoryWith(QStringLiteral("store-import"),
                                                  bench::storeBytes(layout::kSlotCount));
    const QString copy = copyToImport();
    for (auto _ : state) {
        if (!importStoreCopy(game, copiesFolder(), kProfile.StoreCopyFileName, kProfile).done)
            state.SkipWithError("the store was not replaced");
    }
}

void storeImportFloor(benchmark::State& state)
{
    const QString game = bench::gameDirectoryWith(QStringLiteral("store-import-floor"),
                                                  bench::storeBytes(layout::kSlotCount));
    const std::string store = StorePaths::forGameDirectory(game).store.toStdString();
    const std::string copy = copyToImport().toStdString();
    for (auto _ : state)
        bench::floor::writeAtomically(store, bench::floor::readWhole(copy));
}

void registerTransfer(const std::string& name, void (*transfer)(benchmark::State&),
                      void (*floor)(benchmark::State&))
{
    bench::measure(name, transfer);
    bench::measure(name + bench::kFloorSuffix, floor);
    bench::setTarget(name, {1.5, 16000, {}});
}

const bool registered = [] {
    registerTransfer("command: store-export (300 setups)", storeExport, storeExportFloor);
    registerTransfer("command: store-import (300 setups)", storeImport, storeImportFloor);
    return true;
}();

} // namespace
