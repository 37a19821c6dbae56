#include "RatioTable.h"

#include <cstdio>

namespace bench
{

namespace
{

std::map<std::string, Target>& targets()
{
    static std::map<std::string, Target> all;
    return all;
}

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

void setTarget(const std::string& figure, Target target)
{
    targets()[figure] = target;
}

void CollectingReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred || run.run_type != Run::RT_Iteration)
            continue;
        const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
        microseconds_[run.benchmark_name()] = seconds * 1e6;
    }
}

int printRatioTable(const std::map<std::string, double>& microseconds)
{
    int missed = 0;
    std::printf("\n%-52s %12s %12s %8s  %s\n", "figure", "utility us", "floor us", "ratio",
                "target");
    for (const auto& [name, us] : microseconds) {
        if (endsWith(name, kFloorSuffix))
            continue;
        const Target target = targets().count(name) ? targets().at(name) : Target{};
        const auto floor =
            microseconds.find(target.floor.empty() ? name + kFloorSuffix : target.floor);
        std::string verdict;
        double ratio = 0;
        if (floor != microseconds.end() && floor->second > 0) {
            ratio = us / floor->second;
            if (target.maxRatio > 0) {
                const bool met = ratio <= target.maxRatio;
                missed += met ? 0 : 1;
                verdict += (met ? "<= " : "MISSED > ") +
                           std::to_string(target.maxRatio).substr(0, 4) + "x";
            }
        }
        if (target.maxMicroseconds > 0) {
            const bool met = us <= target.maxMicroseconds;
            missed += met ? 0 : 1;
            verdict += (verdict.empty() ? "" : ", ") + std::string(met ? "<= " : "MISSED > ") +
                       std::to_string(static_cast<long>(target.maxMicroseconds)) + " us";
        }
        if (floor != microseconds.end())
            std::printf("%-52s %12.1f %12.1f %8.2f  %s\n", name.c_str(), us, floor->second, ratio,
                        verdict.c_str());
        else
            std::printf("%-52s %12.1f %12s %8s  %s\n", name.c_str(), us, "-", "-", verdict.c_str());
    }
    return missed;
}

} // namespace bench
