#pragma once

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace morvane::bench {

using Clock = std::chrono::steady_clock;

inline double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time this process used so far, in ms.
inline double CpuNowMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

inline double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One line of the report: a figure, what it is measured against in the same run, and whether
// it meets its target. `at_most`: the figure must not exceed the target, else not fall below.
inline bool Report(const std::string& what, const std::string& figure, double value, double target,
                   bool at_most, const std::string& unit = "") {
    const bool met = at_most ? value <= target : value >= target;
    std::printf("%-44s %-40s %8.2f%s (target %s %.2f%s)  %s\n", what.c_str(), figure.c_str(), value,
                unit.c_str(), at_most ? "<=" : ">=", target, unit.c_str(), met ? "met" : "NOT MET");
    std::fflush(stdout);
    return met;
}

}  // namespace morvane::bench
