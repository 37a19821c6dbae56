// SPDX-License-Identifier: GPL-3.0-or-later
// Each command that replaces a store, in process on a full store, with its backup history and
// without it (the keep step switched off): the history's own cost beside each writing command.
// The command with its history is also set beside its floor: the store and a generation of it
// written by plain calls, flushed together and renamed, which no command that keeps one can skip.
// Every iteration starts from a store that differs from the newest generation, so each one keeps
// a new generation; once a hundred are kept, each also prunes the oldest. The history restore
// reads the pinned generation's list in both runs, which is the command's own work.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "RatioTable.h"
#include "core/game/GameProfile.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreHistory.h"
#include "core/store/StoreHistoryCommands.h"
#include "core/store/StorePaths.h"
#include "core/transfer/SetupImport.h"
#include "core/transfer/StoreCopy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>
#include <functional>
#include <vector>

namespace
{

using namespace tarvelin;

const GameProfile& kProfile = DirtTrackRacingProfile;
const RecordLayout kLayout = kProfile.recordLayout();
constexpr int kFull = layout::kSlotCount;

// The bench's generations go to a folder of its own, never into the home's state folder. Set
// before main, so that every other benchmark's commands keep theirs there as well.
const bool kStateIsolated = [] {
    static QTemporaryDir state;
    if (!state.isValid())
        std::abort();
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    return true;
}();

// Two stores of `count` setups that differ in one byte of the last setup.
std::array<std::string, 2> twoStores(int count)
{
    QByteArray bytes = bench::storeBytes(count);
    std::array<std::string, 2> stores{bytes.toStdString(), {}};
    bytes[bytes.size() - 1] = char(bytes.at(bytes.size() - 1) ^ 0x01);
    stores[1] = bytes.toStdString();
    return stores;
}

// One store of one game, replaced again and again; with the history switched on or off.
struct Run {
    QString game;
    std::array<std::string, 2> stores;
    bool history;
    qint64 iteration = 0;
    qint64 pinned = 0; // the generation a history restore puts back

    Run(const QString& name, bool withHistory, int count)
        : game(bench::gameDirectoryWith(
              name + (withHistory ? QStringLiteral("-history") : QStringLiteral("-plain")),
              bench::storeBytes(count))),
          stores(twoStores(count)), history(withHistory)
    {
    }

    StorePaths paths() const { return StorePaths::forGameDirectory(game); }
    // What the commands of this run keep: generations, or none.
    HistorySettings settings() const { return {.keepGenerations = history}; }
    // The store the next command replaces, put in place outside the timing.
    void reset()
    {
        bench::floor::writeAtomically(paths().store.toStdString(), stores[iteration++ % 2]);
    }
};

using Command = std::function<bool(const Run&)>;

double elapsedUs(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1000;
}

// The two files a command that keeps a generation puts on the disk, by plain calls: the store
// of a game of its own and a copy of its old bytes in another folder.
class PlainPair
{
public:
    PlainPair(const QString& name, int count)
        : store_(StorePaths::forGameDirectory(
                     bench::gameDirectoryWith(name + QStringLiteral("-plain-pair"),
                                              bench::storeBytes(count)))
                     .store.toStdString()),
          kept_(bench::scratchFolder().toStdString() + '/' + name.toStdString() + ".kept"),
          stores_(twoStores(count))
    {
    }

    // One write of both files, in microseconds.
    double write()
    {
        const std::string& old = stores_[iteration_ % 2];
        const std::string& next = stores_[++iteration_ % 2];
        QElapsedTimer timer;
        timer.start();
        bench::floor::writeTwoAtomically(kept_, old, store_, next);
        return elapsedUs(timer);
    }

private:
    std::string store_;
    std::string kept_;
    std::array<std::string, 2> stores_;
    qint64 iteration_ = 0;
};

// "history: delete, kept vs not (...)" set beside the plain pair: "history: delete, kept vs
// plain-call pair (...)".
std::string againstPlainPair(const std::string& figure)
{
    const std::string versus = "kept vs not";
    std::string renamed = figure;
    renamed.replace(renamed.find(versus), versus.size(), "kept vs plain-call pair");
    return renamed;
}

// Each iteration writes the plain pair, then runs the command once with its history and once
// without, on games of their own, so that all meet the same load on the shared disk; the table
// takes the medians.
void measurePair(benchmark::State& state, const std::string& figure, const QString& name, int count,
                 const std::function<void(Run&)>& prepare, const Command& command)
{
    std::array<Run, 2> runs{Run(name, true, count), Run(name, false, count)};
    for (Run& run : runs)
        prepare(run);
    PlainPair plainPair(name, count);
    std::vector<double> plainPairSamples;
    std::array<std::vector<double>, 2> samples;
    for (auto _ : state) {
        plainPairSamples.push_back(plainPair.write());

        for (std::size_t i = 0; i < runs.size(); ++i) {
            runs[i].reset();
            QElapsedTimer timer;
            timer.start();
            const bool done = command(runs[i]);
            samples[i].push_back(elapsedUs(timer));
            if (!done)
                state.SkipWithError("the command did not do its work");
        }
        state.SetIterationTime(samples[0].back() / 1e6);
    }
    state.counters[bench::kMedianCounter] = bench::median(samples[0]);
    state.counters[bench::kFloorMedianCounter] = bench::median(samples[1]);
    const std::string row = bench::kRowCounterPrefix + againstPlainPair(figure);
    state.counters[row] = bench::median(samples[0]);
    state.counters[row + bench::kFloorSuffix] = bench::median(plainPairSamples);
}

QString importFile()
{
    static const QString path = [] {
        const QString file = bench::scratchFolder() + QStringLiteral("/HistoryImport.set");
        bench::floor::writeAtomically(file.toStdString(), bench::setupFileBytes().toStdString());
        return file;
    }();
    return path;
}

void nothing(Run&) {}

bool importCommand(const Run& run)
{
    return importSetup({.gameDirectory = run.game,
                        .profile = &kProfile,
                        .folder = bench::scratchFolder(),
                        .chosenFile = QStringLiteral("HistoryImport.set"),
                        .history = run.settings()})
        .storeWritten;
}

bool deleteCommand(const Run& run)
{
    return deleteSetup({.gameDirectory = run.game,
                        .layout = kLayout,
                        .setupChosen = true,
                        .selectedSlot = 150,
                        .history = run.settings()})
        .storeWritten;
}

bool sortCommand(const Run& run)
{
    return sortStore(run.game, kLayout, run.settings()).storeWritten;
}

void writeBackup(Run& run)
{
    bench::floor::writeAtomically(run.paths().backup.toStdString(),
                                  bench::storeBytes(kFull).toStdString());
}

bool restoreCommand(const Run& run)
{
    return restoreStore(run.game, kLayout, run.settings()).storeWritten;
}

QString storeCopies()
{
    static const QString copies = [] {
        const QString folder = bench::scratchFolder() + QStringLiteral("/history-copies");
        QDir().mkpath(folder);
        bench::floor::writeAtomically((folder + u'/' + kProfile.StoreCopyFileName).toStdString(),
                                      bench::storeBytes(kFull).toStdString());
        return folder;
    }();
    return copies;
}

bool storeImportCommand(const Run& run)
{
    return importStoreCopy(run.game, storeCopies(), kProfile.StoreCopyFileName, kProfile,
                           run.settings())
        .done;
}

// The generation every iteration restores: kept once, pinned so that pruning spares it, in
// both games (the one without history still restores from its own).
qint64 pinnedGeneration(const Run& run)
{
    // The standard settings, which keep generations in both runs.
    const StoreHistory kept(run.paths(), kLayout, HistorySettings{});
    for (const Generation& generation : kept.list().generations) {
        if (generation.command == QStringLiteral("bench"))
            return generation.id;
    }
    kept.keep(bench::storeBytes(kFull - 1), QStringLiteral("bench"));
    for (const Generation& generation : kept.list().generations) {
        if (generation.command == QStringLiteral("bench") && kept.setPinned(generation.id, true))
            return generation.id;
    }
    return 0;
}

void pinGeneration(Run& run)
{
    run.pinned = pinnedGeneration(run);
}

bool historyRestoreCommand(const Run& run)
{
    return run.pinned != 0 &&
           restoreGeneration(run.game, kLayout, run.pinned, false, run.settings()).storeWritten;
}

// The same two files by plain calls, as the floor under the history's own ratio: the store's
// rewrite alone, against the store and a generation of it written and flushed together. The
// generation goes to a folder of its own, as the history's does.
void measurePlainPair(benchmark::State& state)
{
    const QString game =
        bench::gameDirectoryWith(QStringLiteral("history-plain-calls"), bench::storeBytes(kFull));
    const std::string store = StorePaths::forGameDirectory(game).store.toStdString();
    const std::string kept = bench::scratchFolder().toStdString() + "/history-plain-calls.kept";
    const std::array<std::string, 2> stores = twoStores(kFull);
    std::array<std::vector<double>, 2> samples;
    qint64 iteration = 0;
    for (auto _ : state) {
        const std::string& next = stores[iteration++ % 2];
        QElapsedTimer timer;
        timer.start();
        bench::floor::writeTwoAtomically(kept, stores[0], store, next);
        samples[0].push_back(elapsedUs(timer));
        timer.restart();
        bench::floor::writeAtomically(store, next);
        samples[1].push_back(elapsedUs(timer));
        state.SetIterationTime(samples[0].back() / 1e6);
    }
    state.counters[bench::kMedianCounter] = bench::median(samples[0]);
    state.counters[bench::kFloorMedianCounter] = bench::median(samples[1]);
}

void registerPair(const std::string& figure, const QString& name, int count,
                  std::function<void(Run&)> prepare, Command command)
{
    benchmark::RegisterBenchmark(
        figure.c_str(),
        [=](benchmark::State& state) { measurePair(state, figure, name, count, prepare, command); })
        ->UseManualTime()
        ->MinTime(1.0)
        ->Unit(benchmark::kMicrosecond);
    bench::setTarget(figure, {1.3, 0, {}});
    bench::setTarget(againstPlainPair(figure), {1.3, 0, {}});
}

const bool registered = [] {
    const auto prepareImport = [](Run&) {
        importFile();
    };
    const auto prepareStoreImport = [](Run&) {
        storeCopies();
    };
    registerPair("history: import, kept vs not (300 setups)", QStringLiteral("history-import"),
                 kFull - 1, prepareImport, importCommand);
    registerPair("history: delete, kept vs not (300 setups)", QStringLiteral("history-delete"),
                 kFull, nothing, deleteCommand);
    registerPair("history: sort, kept vs not (300 setups)", QStringLiteral("history-sort"), kFull,
                 nothing, sortCommand);
    registerPair("history: restore, kept vs not (300 setups)", QStringLiteral("history-restore"),
                 kFull, writeBackup, restoreCommand);
    registerPair("history: store-import, kept vs not (300 setups)",
                 QStringLiteral("history-store-import"), kFull, prepareStoreImport,
                 storeImportCommand);
    benchmark::RegisterBenchmark("history: plain calls, two files vs one (300 setups)",
                                 measurePlainPair)
        ->UseManualTime()
        ->MinTime(1.0)
        ->Unit(benchmark::kMicrosecond);
    bench::setTarget("history: plain calls, two files vs one (300 setups)", {});
    registerPair("history: history restore, kept vs not (300 setups)",
                 QStringLiteral("history-history-restore"), kFull, pinGeneration,
                 historyRestoreCommand);
    return true;
}();

} // namespace
