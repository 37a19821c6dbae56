// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every benchmark, then prints one table of figures, floors and ratios.
#include "PeakMemory.h"
#include "RatioTable.h"
#include "StartWindowBench.h"

#include <QApplication>
#include <cstdio>

namespace
{

// The table is the run's only output: Qt's notes about the offscreen platform and the
// utility's own log stay out of it; only failures get through.
void keepFailures(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(keepFailures);
    // Offscreen, but for a child the start-window benchmark puts on a display of its own.
    const QByteArray childPlatform = qgetenv("TARVELIN_BENCH_CHILD_PLATFORM");
    qputenv("QT_QPA_PLATFORM", childPlatform.isEmpty() ? QByteArray("offscreen") : childPlatform);
    QApplication app(argc, argv);
    if (const std::optional<int> child = bench::runPeakMemoryChild(argc, argv))
        return *child;
    if (const std::optional<int> child = bench::runStartWindowChild(argc, argv))
        return *child;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    // The peak memory belongs to a whole run, not to a filtered one.
    const std::string filter = benchmark::GetBenchmarkFilter();
    if (filter.empty() || filter == "." || filter == "all")
        bench::recordPeakMemory(argv[0]);
    const int missed = bench::printRatioTable(reporter.microseconds());
    std::printf("\n%d target(s) missed\n", missed);
    return 0;
}
