// SPDX-License-Identifier: GPL-3.0-or-later
// Each command run end to end as a process, against the same executable's --version: the floor
// of starting the process and its libraries. Files a command changes are put back between runs,
// outside the timing.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "RatioTable.h"
#include "core/store/StoreLayout.h"
#include "core/store/StorePaths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <functional>
#include <vector>

namespace
{

using Prepare = std::function<void()>;

constexpr int kFull = tarvelin::layout::kSlotCount;

// The commands never read the player's own registry file.
QProcessEnvironment commandEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TARVELIN_REGISTRY"),
                       bench::scratchFolder() + QStringLiteral("/command-line.reg"));
    return environment;
}

// One run of the executable, in microseconds; negative when it failed.
double runOnce(const QStringList& arguments, const QProcessEnvironment& environment,
               QString& failure)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TARVELIN_EXECUTABLE), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        failure = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return -1;
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1000;
}

// Each iteration runs --version and then the command, so that both meet the same load on this
// shared machine; the table takes the medians of both.
void runProcess(benchmark::State& state, const QStringList& arguments, const Prepare& prepare)
{
    const QProcessEnvironment environment = commandEnvironment();
    const QStringList version{QStringLiteral("--version")};
    std::vector<double> command;
    std::vector<double> floor;
    for (auto _ : state) {
        if (prepare)
            prepare();
        QString failure;
        const double floorUs = runOnce(version, environment, failure);
        const double us = floorUs < 0 ? -1 : runOnce(arguments, environment, failure);
        if (us < 0) {
            state.SkipWithError(("the command failed: " + failure).toStdString().c_str());
            return;
        }
        state.SetIterationTime(us / 1e6);
        command.push_back(us);
        floor.push_back(floorUs);
    }
    state.counters[bench::kMedianCounter] = bench::median(command);
    state.counters[bench::kFloorMedianCounter] = bench::median(floor);
}

void registerCommand(const QString& command, const QStringList& arguments, Prepare prepare = {})
{
    const std::string name = ("command line: " + command).toStdString();
    benchmark::RegisterBenchmark(name.c_str(), runProcess, QStringList{command} + arguments,
                                 std::move(prepare))
        ->UseManualTime()
        ->MinTime(1.0) // enough runs for steady medians
        ->Unit(benchmark::kMicrosecond);
    bench::setTarget(name, {1.5, 0, {}});
}

QString storeOf(const QString& game)
{
    return tarvelin::StorePaths::forGameDirectory(game).store;
}

// A game directory of its own for one command, and the arguments that name it.
QStringList onGame(const QString& game)
{
    return {QStringLiteral("--game"), QStringLiteral("dtr"), QStringLiteral("--game-dir"), game};
}

Prepare storeReset(const QString& game, const QByteArray& bytes)
{
    return [path = storeOf(game).toStdString(), bytes = bytes.toStdString()] {
        bench::floor::writePlain(path, bytes);
    };
}

QString emptiedFolder(const QString& name)
{
    const QString folder = bench::scratchFolder() + QLatin1Char('/') + name;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

const bool registered = [] {
    const QByteArray full = bench::storeBytes(kFull);
    const QByteArray almostFull = bench::storeBytes(kFull - 1);

    registerCommand(QStringLiteral("list"), onGame(bench::fullStoreGameDirectory()));

    const QString exported = emptiedFolder(QStringLiteral("cli-export"));
    // An exported setup file is never written over: each run starts with an empty folder.
    registerCommand(QStringLiteral("export"),
                    onGame(bench::fullStoreGameDirectory()) +
                        QStringList{QStringLiteral("--slot"), QStringLiteral("150"),
                                    QStringLiteral("Exported"), exported},
                    [] { emptiedFolder(QStringLiteral("cli-export")); });

    const QString setupFile = bench::scratchFolder() + QStringLiteral("/Cli import.set");
    bench::floor::writePlain(setupFile.toStdString(), bench::setupFileBytes().toStdString());
    const QString importGame = bench::gameDirectoryWith(QStringLiteral("cli-import"), almostFull);
    registerCommand(QStringLiteral("import"), onGame(importGame) + QStringList{setupFile},
                    storeReset(importGame, almostFull));

    const QString deleteGame = bench::gameDirectoryWith(QStringLiteral("cli-delete"), full);
    registerCommand(QStringLiteral("delete"),
                    onGame(deleteGame) +
                        QStringList{QStringLiteral("--slot"), QStringLiteral("150")},
                    storeReset(deleteGame, full));

    const QString sortGame = bench::gameDirectoryWith(QStringLiteral("cli-sort"), full);
    registerCommand(QStringLiteral("sort"), onGame(sortGame), storeReset(sortGame, full));

    const QString backupGame = bench::gameDirectoryWith(QStringLiteral("cli-backup"), full);
    registerCommand(QStringLiteral("backup"), onGame(backupGame));

    const QString restoreGame = bench::gameDirectoryWith(QStringLiteral("cli-restore"), full);
    bench::floor::writePlain(
        tarvelin::StorePaths::forGameDirectory(restoreGame).backup.toStdString(),
        full.toStdString());
    registerCommand(QStringLiteral("restore"), onGame(restoreGame));

    const QString copies = emptiedFolder(QStringLiteral("cli-copies"));
    registerCommand(QStringLiteral("store-export"),
                    onGame(bench::fullStoreGameDirectory()) +
                        QStringList{QStringLiteral("--to"), copies, QStringLiteral("--replace")});

    const QString copy =
        emptiedFolder(QStringLiteral("cli-copy")) + QStringLiteral("/Dtr setups.sav");
    bench::floor::writePlain(copy.toStdString(), full.toStdString());
    const QString importedGame = bench::gameDirectoryWith(QStringLiteral("cli-store-import"), full);
    registerCommand(QStringLiteral("store-import"), onGame(importedGame) + QStringList{copy});
    return true;
}();

} // namespace
