// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <utility>
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

// A figure over a count of files shows its cost per file; with `smaller`, its cost per file may
// be at most `maxGrowth` times that smaller figure's, so that the work grows linearly.
struct Scaling {
    int files = 0;
    std::string smaller; // empty: no growth check
    double maxGrowth = 0;
};

void setScaling(const std::string& figure, Scaling scaling);

// A benchmark that measures its floor in the same iterations reports the medians of both in
// these counters (microseconds); the table then takes them in place of the mean.
inline const char* const kMedianCounter = "median_us";
inline const char* const kFloorMedianCounter = "floor_median_us";

// A counter named "<kRowCounterPrefix><figure>" puts its value (microseconds) into the table as
// a row of its own: the parts a figure or its floor is made of.
inline const char* const kRowCounterPrefix = "row:";

// The middle of the samples: the shared machine's pauses fall outside it.
double median(std::vector<double> samples);

// A figure that is a size, not a time (peak memory in megabytes), with its floor and limit.
void recordMegabytes(const std::string& figure, double megabytes, double floorMegabytes,
                     double maxMegabytes);

// Registers a benchmark timed on the wall clock: the figures wait on the disk and on child
// processes, which CPU time would leave out.
template <class Fn, class... Args>
benchmark::internal::Benchmark* measure(const std::string& name, Fn&& fn, Args&&... args)
{
    return benchmark::RegisterBenchmark(name.c_str(), std::forward<Fn>(fn),
                                        std::forward<Args>(args)...)
        ->UseRealTime()
        ->Unit(benchmark::kMicrosecond);
}

// Collects each run's mean wall time (microseconds) and prints nothing, so that the ratio
// table is the run's only output; a progress line goes to a terminal's standard error.
class CollectingReporter : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;
    const std::map<std::string, double>& microseconds() const { return microseconds_; }

private:
    std::map<std::string, double> microseconds_;
};

// The table of figures and ratios; returns the number of targets missed.
int printRatioTable(const std::map<std::string, double>& microseconds);

} // namespace bench
