// Each command run end to end as a process, against the same executable's --version: the floor
// of starting the process and its libraries. Files a command changes are put back between runs,
// outside the timing.
#include "BenchFixtures.h"
#include "FloorCalls.h"
#include "RatioTable.h"
#include "store/StoreLayout.h"
#include "store/StorePaths.h"

#include <QDir>
#include <QProcess>
#include <functional>

namespace
{

using Prepare = std::function<void()>;

const QString kFloorName = QStringLiteral("command line: --version");
constexpr int kFull = tarvelin::layout::kSlotCount;

// The commands never read the player's own registry file.
QProcessEnvironment commandEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TARVELIN_REGISTRY"),
                       bench::scratchFolder() + QStringLiteral("/command-line.reg"));
    return environment;
}

void runProcess(benchmark::State& state, const QStringList& arguments, const Prepare& prepare)
{
    const QProcessEnvironment environment = commandEnvironment();
    for (auto _ : state) {
        if (prepare) {
            state.PauseTiming();
            prepare();
            state.ResumeTiming();
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TARVELIN_EXECUTABLE), arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError(("the command failed: " +
                                 QString::fromLocal8Bit(process.readAllStandardError()).trimmed())
                                    .toStdString()
                                    .c_str());
            break;
        }
    }
}

void registerCommand(const QString& command, const QStringList& arguments, Prepare prepare = {})
{
    const std::string name = ("command line: " + command).toStdString();
    bench::measure(name, runProcess, QStringList{command} + arguments, std::move(prepare));
    bench::setTarget(name, {1.5, 0, kFloorName.toStdString()});
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
    bench::measure(kFloorName.toStdString(), runProcess, QStringList{QStringLiteral("--version")},
                   Prepare{});
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
                        QStringList{QStringLiteral("--to"), copies});

    const QString copy =
        emptiedFolder(QStringLiteral("cli-copy")) + QStringLiteral("/Dtr setups.sav");
    bench::floor::writePlain(copy.toStdString(), full.toStdString());
    const QString importedGame = bench::gameDirectoryWith(QStringLiteral("cli-store-import"), full);
    registerCommand(QStringLiteral("store-import"), onGame(importedGame) + QStringList{copy});
    return true;
}();

} // namespace
