// SPDX-License-Identifier: GPL-3.0-or-later
// A hundred setup files imported as one batch, set beside one file's import plus the reading of
// the hundred files by plain calls: the batch reads and writes the store once and keeps one
// generation, so beyond the files themselves it costs what one import costs. Every iteration
// starts from a store of about 200 setups that differs from the newest generation, so that both
// keep one.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "RatioTable.h"
#include "core/game/GameProfile.h"
#include "core/platform/PathInfo.h"
#include "core/store/StoreHistory.h"
#include "core/store/StorePaths.h"
#include "core/transfer/SetupBatchImport.h"
#include "core/transfer/SetupImport.h"

#include <QDir>
#include <QElapsedTimer>
#include <array>
#include <vector>

namespace
{

using namespace tarvelin;

const GameProfile& kProfile = DirtTrackRacingProfile;
constexpr int kFiles = 100;
constexpr int kStored = 200;
const char* const kFigure = "import: 100 files as one batch vs one file + reading 100 (200 setups)";

QStringList batchFiles()
{
    static const QStringList files = [] {
        const QString folder = bench::scratchFolder() + QStringLiteral("/batch-import-files");
        QDir().mkpath(folder);
        QStringList paths;
        for (int i = 0; i < kFiles; ++i) {
            paths << folder + QStringLiteral("/Setup %1.set").arg(i, 3, 10, QLatin1Char('0'));
            bench::floor::writePlain(paths.back().toStdString(),
                                     bench::setupFileBytes().toStdString());
        }
        return paths;
    }();
    return files;
}

// Two stores of 200 and 199 setups, put in place in turn outside the timing: each differs from
// the generation the last import kept, so every import keeps one.
struct Game {
    QString directory;
    std::array<std::string, 2> stores;
    qint64 iteration = 0;

    // A game of its own for each run of the benchmark, whose history starts empty.
    explicit Game(const QString& name)
        : directory(
              bench::gameDirectoryWith(name + QString::number(++runs), bench::storeBytes(kStored))),
          stores{bench::storeBytes(kStored).toStdString(),
                 bench::storeBytes(kStored - 1).toStdString()}
    {
    }
    static inline int runs = 0;
    StorePaths paths() const { return StorePaths::forGameDirectory(directory); }
    void reset()
    {
        bench::floor::writeAtomically(paths().store.toStdString(), stores[iteration++ % 2]);
    }
    // The generations kept after generation `since`: the history prunes beyond a hundred, so they
    // are counted by id.
    int generationsAfter(qint64 since) const
    {
        int count = 0;
        for (const Generation& generation :
             StoreHistory(paths(), kProfile.recordLayout()).list().generations)
            count += generation.id > since ? 1 : 0;
        return count;
    }
    qint64 newestGeneration() const
    {
        const std::vector<Generation> generations =
            StoreHistory(paths(), kProfile.recordLayout()).list().generations;
        return generations.empty() ? 0 : generations.front().id;
    }
};

double elapsedUs(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1000;
}

void measureBatch(benchmark::State& state)
{
    const QStringList files = batchFiles();
    Game batch(QStringLiteral("batch-import"));
    Game single(QStringLiteral("batch-import-single"));
    std::vector<double> batchSamples;
    std::vector<double> floorSamples;
    for (auto _ : state) {
        batch.reset();
        single.reset();
        const qint64 newest = batch.newestGeneration();

        QElapsedTimer timer;
        timer.start();
        const BatchImportOutcome outcome =
            importSetups({.gameDirectory = batch.directory, .profile = &kProfile, .files = files});
        batchSamples.push_back(elapsedUs(timer));
        if (!outcome.done || outcome.importedSlots.size() != kFiles ||
            batch.generationsAfter(newest) != 1)
            state.SkipWithError("the batch was not one write and one generation");

        timer.restart();
        const bool imported = importSetup({.gameDirectory = single.directory,
                                           .profile = &kProfile,
                                           .folder = folderOf(files.front()),
                                           .chosenFile = fileNameOf(files.front())})
                                  .storeWritten;
        for (const QString& file : files)
            bench::floor::readWhole(file.toStdString());
        floorSamples.push_back(elapsedUs(timer));
        if (!imported)
            state.SkipWithError("the single import did not write the store");
        state.SetIterationTime(batchSamples.back() / 1e6);
    }
    state.counters[bench::kMedianCounter] = bench::median(batchSamples);
    state.counters[bench::kFloorMedianCounter] = bench::median(floorSamples);
}

const bool registered = [] {
    benchmark::RegisterBenchmark(kFigure, measureBatch)
        ->UseManualTime()
        ->MinTime(1.0)
        ->Unit(benchmark::kMicrosecond);
    bench::setTarget(kFigure, {1.3, 0, {}});
    return true;
}();

} // namespace
