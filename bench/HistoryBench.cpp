// Each command that replaces a store, in process on a full store, with its backup history and
// without it (the keep step switched off): the history's own cost beside each writing command.
// Every iteration starts from a store that differs from the newest generation, so each one keeps
// a new generation; once a hundred are kept, each also prunes the oldest.
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
#include <QTemporaryDir>
#include <array>
#include <cstdlib>

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

struct Run {
    QString game;
    std::array<std::string, 2> stores;
    qint64 iteration = 0;

    Run(const QString& name, bool history, int count)
        : game(bench::gameDirectoryWith(
              name + (history ? QStringLiteral("-history") : QStringLiteral("-plain")),
              bench::storeBytes(count))),
          stores(twoStores(count))
    {
        setStoreHistoryEnabled(history);
    }
    ~Run() { setStoreHistoryEnabled(true); }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    StorePaths paths() const { return StorePaths::forGameDirectory(game); }
    // The store the next command replaces, put in place outside the timing.
    void reset(benchmark::State& state)
    {
        state.PauseTiming();
        bench::floor::writeAtomically(paths().store.toStdString(), stores[iteration++ % 2]);
        state.ResumeTiming();
    }
};

void check(benchmark::State& state, bool ok)
{
    if (!ok)
        state.SkipWithError("the command did not do its work");
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

void importCommand(benchmark::State& state, bool history)
{
    Run run(QStringLiteral("history-import"), history, kFull - 1);
    importFile();
    for (auto _ : state) {
        run.reset(state);
        check(state, importSetup({.gameDirectory = run.game,
                                  .profile = &kProfile,
                                  .folder = bench::scratchFolder(),
                                  .chosenFile = QStringLiteral("HistoryImport.set")})
                         .storeWritten);
    }
}

void deleteCommand(benchmark::State& state, bool history)
{
    Run run(QStringLiteral("history-delete"), history, kFull);
    for (auto _ : state) {
        run.reset(state);
        check(state, deleteSetup({.gameDirectory = run.game,
                                  .layout = kLayout,
                                  .setupChosen = true,
                                  .selectedSlot = 150})
                         .storeWritten);
    }
}

void sortCommand(benchmark::State& state, bool history)
{
    Run run(QStringLiteral("history-sort"), history, kFull);
    for (auto _ : state) {
        run.reset(state);
        check(state, sortStore(run.game, kLayout).storeWritten);
    }
}

void restoreCommand(benchmark::State& state, bool history)
{
    Run run(QStringLiteral("history-restore"), history, kFull);
    bench::floor::writeAtomically(run.paths().backup.toStdString(),
                                  bench::storeBytes(kFull).toStdString());
    for (auto _ : state) {
        run.reset(state);
        check(state, restoreStore(run.game, kLayout).storeWritten);
    }
}

void storeImportCommand(benchmark::State& state, bool history)
{
    Run run(QStringLiteral("history-store-import"), history, kFull);
    const QString copies = bench::scratchFolder() + QStringLiteral("/history-copies");
    QDir().mkpath(copies);
    bench::floor::writeAtomically((copies + u'/' + kProfile.StoreCopyFileName).toStdString(),
                                  bench::storeBytes(kFull).toStdString());
    for (auto _ : state) {
        run.reset(state);
        check(state, importStoreCopy(run.game, copies, kProfile.StoreCopyFileName, kProfile).done);
    }
}

void historyRestoreCommand(benchmark::State& state, bool history)
{
    Run run(QStringLiteral("history-history-restore"), history, kFull);
    // The generation every iteration restores: kept once, pinned so that pruning spares it.
    setStoreHistoryEnabled(true);
    const StoreHistory kept(run.paths(), kLayout);
    kept.keep(bench::storeBytes(kFull - 1), QStringLiteral("bench"));
    // Google Benchmark runs this more than once: a later run finds the generation kept already.
    qint64 id = 0;
    for (const Generation& generation : kept.list().generations) {
        if (generation.command == QStringLiteral("bench"))
            id = generation.id;
    }
    if (id == 0 || !kept.setPinned(id, true))
        state.SkipWithError("no generation to restore");
    setStoreHistoryEnabled(history);
    for (auto _ : state) {
        run.reset(state);
        check(state, restoreGeneration(run.game, kLayout, id).storeWritten);
    }
}

void registerPair(const std::string& figure, void (*command)(benchmark::State&, bool))
{
    bench::measure(figure, command, true);
    bench::measure(figure + bench::kFloorSuffix, command, false);
    bench::setTarget(figure, {1.3, 0, {}});
}

const bool registered = [] {
    registerPair("history: import, kept vs not (300 setups)", importCommand);
    registerPair("history: delete, kept vs not (300 setups)", deleteCommand);
    registerPair("history: sort, kept vs not (300 setups)", sortCommand);
    registerPair("history: restore, kept vs not (300 setups)", restoreCommand);
    registerPair("history: store-import, kept vs not (300 setups)", storeImportCommand);
    registerPair("history: history restore, kept vs not (300 setups)", historyRestoreCommand);
    return true;
}();

} // namespace
