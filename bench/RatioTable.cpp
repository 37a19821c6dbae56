// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatioTable.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace bench
{

namespace
{

std::map<std::string, Target>& targets()
{
    static std::map<std::string, Target> all;
    return all;
}

std::map<std::string, Scaling>& scalings()
{
    static std::map<std::string, Scaling> all;
    return all;
}

struct Size {
    double megabytes = 0;
    double floorMegabytes = 0;
    double maxMegabytes = 0;
};

std::map<std::string, Size>& sizes()
{
    static std::map<std::string, Size> all;
    return all;
}

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string formatTime(double microseconds)
{
    char text[32];
    if (microseconds >= 10000)
        std::snprintf(text, sizeof text, "%.1f ms", microseconds / 1000);
    else if (microseconds >= 1000)
        std::snprintf(text, sizeof text, "%.2f ms", microseconds / 1000);
    else
        std::snprintf(text, sizeof text, "%.1f us", microseconds);
    return text;
}

std::string formatNumber(const char* format, double value)
{
    char text[96];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Appends "<= limit" or "MISSED > limit" to the verdict and counts a miss.
void judge(std::string& verdict, int& missed, bool met, const std::string& limit)
{
    missed += met ? 0 : 1;
    verdict += (verdict.empty() ? "" : ", ") + std::string(met ? "<= " : "MISSED > ") + limit;
}

void printRow(const std::string& name, const std::string& value, const std::string& floor,
              const std::string& ratio, const std::string& verdict)
{
    std::printf("| %-44s | %10s | %10s | %7s | %s\n", name.c_str(), value.c_str(), floor.c_str(),
                ratio.c_str(), verdict.c_str());
}

} // namespace

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

void setTarget(const std::string& figure, Target target)
{
    targets()[figure] = std::move(target);
}

void setScaling(const std::string& figure, Scaling scaling)
{
    scalings()[figure] = std::move(scaling);
}

void recordMegabytes(const std::string& figure, double megabytes, double floorMegabytes,
                     double maxMegabytes)
{
    sizes()[figure] = {megabytes, floorMegabytes, maxMegabytes};
}

void CollectingReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.error_occurred) {
            std::fprintf(stderr, "\n%s: %s\n", run.benchmark_name().c_str(),
                         run.error_message.c_str());
            continue;
        }
        if (run.run_type != Run::RT_Iteration)
            continue;
        const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
        // The figure's own name, without the "/min_time:...", "/real_time" parts it may carry.
        std::string name = run.run_name.function_name;
        microseconds_[name] = seconds * 1e6;
        const auto median = run.counters.find(kMedianCounter);
        const auto floorMedian = run.counters.find(kFloorMedianCounter);
        if (median != run.counters.end() && floorMedian != run.counters.end()) {
            microseconds_[name] = median->second.value;
            microseconds_[name + kFloorSuffix] = floorMedian->second.value;
        }
        for (const auto& [counter, value] : run.counters) {
            if (counter.rfind(kRowCounterPrefix, 0) == 0)
                microseconds_[counter.substr(std::strlen(kRowCounterPrefix))] = value.value;
        }
        if (isatty(STDERR_FILENO))
            std::fprintf(stderr, "\r\033[Kmeasured %s", run.benchmark_name().c_str());
    }
}

void CollectingReporter::Finalize()
{
    if (isatty(STDERR_FILENO))
        std::fprintf(stderr, "\r\033[K");
}

int printRatioTable(const std::map<std::string, double>& microseconds)
{
    int missed = 0;
    printRow("figure", "utility", "floor", "ratio", "target");
    std::printf("|%s|%s|%s|%s|%s\n", std::string(46, '-').c_str(), std::string(12, '-').c_str(),
                std::string(12, '-').c_str(), std::string(9, '-').c_str(),
                std::string(40, '-').c_str());
    for (const auto& [name, us] : microseconds) {
        if (endsWith(name, kFloorSuffix))
            continue;
        const Target target = targets().count(name) ? targets().at(name) : Target{};
        const auto floor =
            microseconds.find(target.floor.empty() ? name + kFloorSuffix : target.floor);
        const bool hasFloor = floor != microseconds.end() && floor->second > 0;
        const double ratio = hasFloor ? us / floor->second : 0;
        std::string verdict;
        if (hasFloor && target.maxRatio > 0)
            judge(verdict, missed, ratio <= target.maxRatio,
                  formatNumber("%.1fx", target.maxRatio));
        if (target.maxMicroseconds > 0)
            judge(verdict, missed, us <= target.maxMicroseconds,
                  formatTime(target.maxMicroseconds));
        if (const auto scaling = scalings().find(name); scaling != scalings().end()) {
            const Scaling& s = scaling->second;
            const double perFile = us / s.files;
            verdict += (verdict.empty() ? "" : ", ") + formatNumber("%.2f us/file", perFile);
            const auto smaller = microseconds.find(s.smaller);
            if (smaller != microseconds.end() && scalings().count(s.smaller)) {
                const double growth = perFile / (smaller->second / scalings().at(s.smaller).files);
                verdict += formatNumber(", %.2fx the smaller folder's per file", growth);
                judge(verdict, missed, growth <= s.maxGrowth, formatNumber("%.1fx", s.maxGrowth));
            }
        }
        printRow(name, formatTime(us), hasFloor ? formatTime(floor->second) : "-",
                 hasFloor ? formatNumber(ratio >= 100 ? "%.0f" : "%.2f", ratio) : "-", verdict);
    }
    for (const auto& [name, size] : sizes()) {
        std::string verdict;
        if (size.maxMegabytes > 0)
            judge(verdict, missed, size.megabytes < size.maxMegabytes,
                  formatNumber("%.0f MB", size.maxMegabytes));
        printRow(name, formatNumber("%.1f MB", size.megabytes),
                 formatNumber("%.1f MB", size.floorMegabytes),
                 formatNumber("%.2f", size.megabytes / size.floorMegabytes), verdict);
    }
    return missed;
}

} // namespace bench
