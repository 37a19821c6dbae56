#pragma once

#include <QString>
#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

namespace bench
{

// Every measured figure has a floor: the same bytes moved or listed by plain calls, or the
// bare process or window. Benchmarks are named "<figure>" and "<figure> [floor]"; the table
// pairs them and prints the ratio beside the target it must meet.
inline const char* const kFloorSuffix = " [floor]";

struct Target {
    double maxRatio = 0;        // 0: no ratio target
    double maxMicroseconds = 0; // 0: no absolute target
    std::string floor;          // empty: "<figure> [floor]"
};

void setTarget(const std::string& figure, Target target);

// Collects each run's mean real time (microseconds) while the console reporter prints as usual.
class CollectingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    const std::map<std::string, double>& microseconds() const { return microseconds_; }

private:
    std::map<std::string, double> microseconds_;
};

// The table of figures and ratios; returns the number of targets missed.
int printRatioTable(const std::map<std::string, double>& microseconds);

} // namespace bench
