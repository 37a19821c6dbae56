// The file list of a folder of setup files, against the plain directory listing.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "RatioTable.h"
#include "core/files/SetupFileList.h"

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
        bench::measure(name, listFolder, count);
        bench::measure(name + bench::kFloorSuffix, listFolderFloor, count);
    }
    // The file list must grow with the count and no faster: its cost per file at 100,000 files
    // is held against its cost at 10,000.
    bench::setScaling("list setup files 10000", {10000, {}, 0});
    bench::setScaling("list setup files 100000", {100000, "list setup files 10000", 1.5});
    return true;
}();

} // namespace
