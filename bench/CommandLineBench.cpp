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
#include <QFile>
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
void runProcessIn(benchmark::State& state, const QStringList& arguments, const Prepare& prepare,
                  const QProcessEnvironment& environment)
{
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

void runProcess(benchmark::State& state, const QStringList& arguments, const Prepare& prepare)
{
    runProcessIn(state, arguments, prepare, commandEnvironment());
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

// A system.reg as wineboot leaves it, about 1.5 MB of keys that name no game.
QByteArray freshSystemReg()
{
    QByteArray reg =
        "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n";
    for (int i = 0; i < 12000; ++i)
        reg += "[Software\\\\Classes\\\\CLSID\\\\{" + QByteArray::number(0x10000000 + i, 16) +
               "-0000-0000-C000-000000000046}\\\\InProcServer32] 1700000000\n"
               "#time=1da0c2e5f1a2b3c\n@=\"C:\\\\windows\\\\system32\\\\ole32.dll\"\n"
               "\"ThreadingModel\"=\"Both\"\n\n";
    return reg;
}

// A home with twenty Wine prefixes, in every place a player keeps them, none holding the game;
// with `game`, a twenty-first in Steam's place, the last searched, holds it on drive D:.
QString homeWithTwentyPrefixes(const QString& name, const QString& game)
{
    const QString home = bench::scratchFolder() + u'/' + name;
    QDir(home).removeRecursively();
    const QStringList places = {
        QStringLiteral("/Games/%1"), QStringLiteral("/.local/share/bottles/bottles/%1"),
        QStringLiteral("/.PlayOnLinux/wineprefix/%1"), QStringLiteral("/Games/Heroic/Prefixes/%1")};
    QStringList prefixes{home + QStringLiteral("/.wine")};
    for (int i = 0; prefixes.size() < 20; ++i)
        prefixes << home + places[i % places.size()].arg(i);
    const std::string reg = freshSystemReg().toStdString();
    for (const QString& prefix : prefixes) {
        QDir().mkpath(prefix + QStringLiteral("/drive_c"));
        bench::floor::writePlain((prefix + QStringLiteral("/system.reg")).toStdString(), reg);
    }
    if (game.isEmpty())
        return home;
    const QString steam = home + QStringLiteral("/.steam/steam/steamapps/compatdata/1/pfx");
    QDir().mkpath(steam + QStringLiteral("/dosdevices"));
    QFile::link(game, steam + QStringLiteral("/dosdevices/d:"));
    bench::floor::writePlain((steam + QStringLiteral("/system.reg")).toStdString(),
                             reg + "[Software\\\\Ratbag\\\\Dirt Track Racing\\\\1.00] 1700000000\n"
                                   "\"Directory\"=\"D:\\\\\"\n");
    return home;
}

void registerListAmongPrefixes(const QString& name, const QString& home, const QString& registry,
                               Prepare prepare)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("TARVELIN_REGISTRY"), registry);
    environment.remove(QStringLiteral("WINEPREFIX"));
    benchmark::RegisterBenchmark(
        name.toStdString().c_str(), runProcessIn,
        QStringList{QStringLiteral("list"), QStringLiteral("--game"), QStringLiteral("dtr")},
        std::move(prepare), environment)
        ->UseManualTime()
        ->MinTime(1.0)
        ->Unit(benchmark::kMicrosecond);
}

// The prefixes cost nothing while the registry file knows the game; the search itself, through
// twenty prefixes that do not hold the game to the one that does, is shown beside it.
void registerPrefixSearch()
{
    const QString game = bench::fullStoreGameDirectory();
    const QString known = bench::scratchFolder() + QStringLiteral("/wine-known.reg");
    bench::floor::writePlain(known.toStdString(),
                             ("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Ratbag\\Dirt Track "
                              "Racing\\1.00]\n\"Directory\"=\"" +
                              game.toUtf8() + "\"\n\n")
                                 .toStdString());
    const QString withKnownGame = QStringLiteral("command line: list, 20 Wine prefixes");
    registerListAmongPrefixes(withKnownGame,
                              homeWithTwentyPrefixes(QStringLiteral("wine-none"), {}), known, {});
    bench::setTarget(withKnownGame.toStdString(), {1.3, 0, "command line: list"});

    const QString searched = bench::scratchFolder() + QStringLiteral("/wine-search.reg");
    // The prefix found is remembered, and found first the next time: each run starts without.
    registerListAmongPrefixes(QStringLiteral("command line: list, game in a 21st prefix"),
                              homeWithTwentyPrefixes(QStringLiteral("wine-home"), game), searched,
                              [searched] { QFile::remove(searched); });
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
    registerPrefixSearch();

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
