// SPDX-License-Identifier: GPL-3.0-or-later
// The file list of a folder of setup files, against the plain directory listing.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "RatioTable.h"
#include "core/files/SetupFileList.h"

#include <QElapsedTimer>
#include <vector>

namespace
{

double elapsedUs(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1000;
}

// Each iteration lists the folder and then reads it with plain readdir, so that both meet the
// same load; the table takes the medians of both.
void listFolder(benchmark::State& state, int count)
{
    const QString folder = bench::setupFolder(count);
    const std::string plainFolder = folder.toStdString();
    std::vector<double> listed;
    std::vector<double> plain;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const QStringList names = tarvelin::listSetupFiles(folder, QStringLiteral("*.set*"));
        listed.push_back(elapsedUs(timer));
        if (names.size() != count)
            state.SkipWithError("the file list missed files");
        timer.restart();
        benchmark::DoNotOptimize(bench::floor::listNames(plainFolder));
        plain.push_back(elapsedUs(timer));
        state.SetIterationTime(listed.back() / 1e6);
    }
    state.counters[bench::kMedianCounter] = bench::median(listed);
    state.counters[bench::kFloorMedianCounter] = bench::median(plain);
}

const bool registered = [] {
    for (const int count : {10000, 100000}) {
        const std::string name = "list setup files " + std::to_string(count);
        benchmark::RegisterBenchmark(name.c_str(), listFolder, count)
            ->UseManualTime()
            ->MinTime(1.0)
            ->Unit(benchmark::kMicrosecond);
        bench::setTarget(name, {2.0, 0, {}});
    }
    // The file list grows with the count and no faster: its cost per file at 100,000 files is
    // held against its cost at 10,000.
    bench::setScaling("list setup files 10000", {10000, {}, 0});
    bench::setScaling("list setup files 100000", {100000, "list setup files 10000", 1.2});
    return true;
}();

} // namespace
