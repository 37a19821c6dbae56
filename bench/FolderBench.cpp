// The file list of a folder of setup files, against the plain directory listing.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "RatioTable.h"
#include "folder/SetupFileList.h"

namespace
{

void listFolder(benchmark::State& state, int count)
{
    const QString folder = bench::setupFolder(count);
    for (auto _ : state) {
        const QStringList names = tarvelin::listSetupFiles(folder, QStringLiteral("*.set*"));
        if (names.size() != count)
            state.SkipWithError("the file list missed files");
    }
}

void listFolderFloor(benchmark::State& state, int count)
{
    const std::string folder = bench::setupFolder(count).toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::floor::listNames(folder));
}

const bool registered = [] {
    for (const int count : {10000, 100000}) {
        const std::string name = "list setup files " + std::to_string(count);
        benchmark::RegisterBenchmark(name.c_str(), listFolder, count)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + bench::kFloorSuffix).c_str(), listFolderFloor, count)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
