// Each command run end to end as a process, against the same executable's --version: the floor
// of starting the process and its libraries.
#include "BenchFixtures.h"
#include "RatioTable.h"

#include <QProcess>

namespace
{

const QString kFloorName = QStringLiteral("command line: --version");

void runProcess(benchmark::State& state, QStringList arguments)
{
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(TARVELIN_EXECUTABLE), arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("the command failed");
            break;
        }
    }
}

void registerCommand(const QString& label, const QStringList& arguments)
{
    const std::string name = ("command line: " + label).toStdString();
    benchmark::RegisterBenchmark(name.c_str(), runProcess, arguments)
        ->Unit(benchmark::kMillisecond);
    bench::setTarget(name, {1.5, 0, kFloorName.toStdString()});
}

const bool registered = [] {
    benchmark::RegisterBenchmark(kFloorName.toStdString().c_str(), runProcess,
                                 QStringList{QStringLiteral("--version")})
        ->Unit(benchmark::kMillisecond);
    const QString game = bench::fullStoreGameDirectory();
    const QStringList onGame = {QStringLiteral("--game"), QStringLiteral("dtr"),
                                QStringLiteral("--game-dir"), game};
    registerCommand(QStringLiteral("list"), QStringList{QStringLiteral("list")} + onGame);
    registerCommand(QStringLiteral("backup"), QStringList{QStringLiteral("backup")} + onGame);
    return true;
}();

} // namespace
