// SPDX-License-Identifier: GPL-3.0-or-later
// Each store command in process on a full store, against the plain calls that move the same
// bytes (read the files it reads, write atomically the files it writes). Files a command changes
// are put back between iterations, outside the timing.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "RatioTable.h"
#include "core/game/GameProfile.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreFile.h"
#include "core/store/StoreFormat.h"
#include "core/store/StoreList.h"
#include "core/store/StorePaths.h"
#include "core/transfer/SetupExport.h"
#include "core/transfer/SetupImport.h"

#include <QFile>

namespace
{

using namespace tarvelin;

const GameProfile& kProfile = DirtTrackRacingProfile;
constexpr int kFull = layout::kSlotCount;

std::string storeOf(const QString& game)
{
    return StorePaths::forGameDirectory(game).store.toStdString();
}

// Puts `bytes` back as the store of `game`, outside the timing.
void resetStore(benchmark::State& state, const QString& game, const std::string& bytes)
{
    state.PauseTiming();
    bench::floor::writeAtomically(storeOf(game), bytes);
    state.ResumeTiming();
}

// The single-setup file that the import reads, written once.
QString importFile()
{
    static const QString path = [] {
        const QString file = bench::scratchFolder() + QStringLiteral("/Import.set");
        bench::floor::writeAtomically(file.toStdString(), bench::setupFileBytes().toStdString());
        return file;
    }();
    return path;
}

void check(benchmark::State& state, bool ok)
{
    if (!ok)
        state.SkipWithError("the command did not do its work");
}

void listCommand(benchmark::State& state)
{
    const QString store = bench::fullStorePath();
    for (auto _ : state) {
        const StoreRead read = ReadSlots(store, kProfile.recordLayout());
        const auto lines = listStore(read.image.table);
        check(state, lines.size() == kFull);
    }
}

void listFloor(benchmark::State& state)
{
    const std::string store = bench::fullStorePath().toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::floor::readWhole(store));
}

void exportCommand(benchmark::State& state)
{
    const QString folder = bench::scratchFolder();
    const QString written = folder + QStringLiteral("/Exported.set");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(written);
        state.ResumeTiming();
        check(state, exportSetup({.gameDirectory = bench::fullStoreGameDirectory(),
                                  .profile = &kProfile,
                                  .selectedSlot = 150,
                                  .exportName = QStringLiteral("Exported"),
                                  .folder = folder})
                         .done);
    }
}

void exportFloor(benchmark::State& state)
{
    const std::string store = bench::fullStorePath().toStdString();
    const std::string target =
        (bench::scratchFolder() + QStringLiteral("/floor.set")).toStdString();
    for (auto _ : state) {
        const std::string bytes = bench::floor::readWhole(store);
        bench::floor::writeAtomically(target, bytes.substr(4, 1240));
    }
}

void importCommand(benchmark::State& state)
{
    const QByteArray almostFull = bench::storeBytes(kFull - 1);
    const QString game = bench::gameDirectoryWith(QStringLiteral("import"), almostFull);
    const QString folder = bench::scratchFolder();
    importFile();
    for (auto _ : state) {
        resetStore(state, game, almostFull.toStdString());
        check(state, importSetup({.gameDirectory = game,
                                  .profile = &kProfile,
                                  .folder = folder,
                                  .chosenFile = QStringLiteral("Import.set")})
                             .importedSlot == kFull);
    }
}

void importFloor(benchmark::State& state)
{
    const QString game =
        bench::gameDirectoryWith(QStringLiteral("import-floor"), bench::storeBytes(kFull - 1));
    const std::string setupFile = importFile().toStdString();
    for (auto _ : state) {
        const std::string setup = bench::floor::readWhole(setupFile);
        std::string store = bench::floor::readWhole(storeOf(game));
        bench::floor::writeAtomically(storeOf(game), store.append(setup));
    }
}

// Delete, sort and restore read the store and write it whole (delete and sort through
// setups.tmp): the floor is one read and one atomic write of the store.
void rewriteFloor(benchmark::State& state)
{
    const QString game =
        bench::gameDirectoryWith(QStringLiteral("rewrite-floor"), bench::storeBytes(kFull));
    for (auto _ : state)
        bench::floor::writeAtomically(storeOf(game), bench::floor::readWhole(storeOf(game)));
}

void deleteCommand(benchmark::State& state)
{
    const QByteArray full = bench::storeBytes(kFull);
    const QString game = bench::gameDirectoryWith(QStringLiteral("delete"), full);
    for (auto _ : state) {
        resetStore(state, game, full.toStdString());
        check(state, deleteSetup({.gameDirectory = game,
                                  .layout = kProfile.recordLayout(),
                                  .setupChosen = true,
                                  .selectedSlot = 150})
                         .storeWritten);
    }
}

void sortCommand(benchmark::State& state)
{
    const QByteArray full = bench::storeBytes(kFull);
    const QString game = bench::gameDirectoryWith(QStringLiteral("sort"), full);
    for (auto _ : state) {
        resetStore(state, game, full.toStdString());
        check(state, sortStore(game, kProfile.recordLayout()).storeWritten);
    }
}

// The sort in memory alone: what the sort adds to the store rewrite.
void sortTableOnly(benchmark::State& state)
{
    const SetupTable table = parseStore(bench::storeBytes(kFull), kProfile.recordLayout()).table;
    for (auto _ : state) {
        SetupTable sorted = table;
        sorted.SortTable();
        benchmark::DoNotOptimize(sorted);
    }
}

void restoreCommand(benchmark::State& state)
{
    const QByteArray full = bench::storeBytes(kFull);
    const QString game = bench::gameDirectoryWith(QStringLiteral("restore"), full);
    bench::floor::writeAtomically(StorePaths::forGameDirectory(game).backup.toStdString(),
                                  full.toStdString());
    for (auto _ : state)
        check(state, restoreStore(game, kProfile.recordLayout()).storeWritten);
}

void registerCommand(const char* name, void (*command)(benchmark::State&), const char* floorName)
{
    bench::measure(name, command);
    bench::setTarget(name, {2.0, 16000, floorName});
}

const bool registered = [] {
    bench::measure("command: list [floor]", listFloor);
    bench::measure("command: export [floor]", exportFloor);
    bench::measure("command: import [floor]", importFloor);
    bench::measure("command: store rewrite [floor]", rewriteFloor);
    registerCommand("command: list", listCommand, "command: list [floor]");
    registerCommand("command: export", exportCommand, "command: export [floor]");
    registerCommand("command: import", importCommand, "command: import [floor]");
    registerCommand("command: delete", deleteCommand, "command: store rewrite [floor]");
    registerCommand("command: sort", sortCommand, "command: store rewrite [floor]");
    bench::measure("command: sort, in memory only", sortTableOnly);
    registerCommand("command: restore", restoreCommand, "command: store rewrite [floor]");
    return true;
}();

} // namespace
