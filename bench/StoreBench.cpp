// SPDX-License-Identifier: GPL-3.0-or-later
// The store file read and written whole, against the same bytes moved by plain calls.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "RatioTable.h"
#include "core/game/GameProfile.h"
#include "core/store/StoreFile.h"
#include "core/store/StoreFormat.h"
#include "core/store/StoreLayout.h"

namespace
{

using namespace tarvelin;

const RecordLayout kLayout = DirtTrackRacingProfile.recordLayout();

QString scratchStore()
{
    return bench::scratchFolder() + QStringLiteral("/setups.sav");
}

void storeRead(benchmark::State& state)
{
    const QString path = bench::fullStorePath();
    for (auto _ : state) {
        StoreRead read = ReadSlots(path, kLayout);
        benchmark::DoNotOptimize(read);
    }
}

void storeReadFloor(benchmark::State& state)
{
    const std::string path = bench::fullStorePath().toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::floor::readWhole(path));
}

// The parse alone, on bytes already in memory: what the read adds to the plain read.
void storeParse(benchmark::State& state)
{
    const QByteArray bytes = bench::storeBytes(layout::kSlotCount);
    for (auto _ : state)
        benchmark::DoNotOptimize(parseStore(bytes, kLayout));
}

void storeReadWrite(benchmark::State& state)
{
    const QString path = bench::fullStorePath();
    const QString target = scratchStore();
    for (auto _ : state) {
        const StoreRead read = ReadSlots(path, kLayout);
        if (!read.ok || !WriteSlots(target, read.image.table, kLayout, read.image.excess))
            state.SkipWithError("store read or write failed");
    }
}

void storeReadWriteFloor(benchmark::State& state)
{
    const std::string path = bench::fullStorePath().toStdString();
    const std::string target = scratchStore().toStdString();
    for (auto _ : state)
        bench::floor::writeAtomically(target, bench::floor::readWhole(path));
}

const bool registered = [] {
    bench::measure("store read (300 setups)", storeRead);
    bench::measure("store read (300 setups) [floor]", storeReadFloor);
    bench::measure("store read: parse only (300 setups)", storeParse);
    bench::measure("store read+write (300 setups)", storeReadWrite);
    bench::measure("store read+write (300 setups) [floor]", storeReadWriteFloor);
    bench::setTarget("store read+write (300 setups)", {1.5, 0, {}});
    return true;
}();

} // namespace
