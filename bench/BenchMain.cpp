// Runs every benchmark, then prints one table of figures, floors and ratios.
#include "RatioTable.h"

#include <QApplication>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const int missed = bench::printRatioTable(reporter.microseconds());
    std::printf("\n%d target(s) missed\n", missed);
    return 0;
}
