#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "report.h"

namespace morvane::bench {

// A line a program printed: when it came, in real time and in the program's processor time
// since it was started. On a machine shared with other work the processor time is the steadier
// measure; both are reported.
struct TimedLine {
    double wall_ms = 0;
    double cpu_ms = 0;
    std::string text;
};

// The processor time (user and system) process `pid` used so far, in ms.
inline double ProcessCpuMs(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), {});
    const auto close = stat.rfind(')');
    if (close == std::string::npos) {
        return 0;
    }
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    double utime = 0;
    double stime = 0;
    // After the name: state is field 3; utime and stime are fields 14 and 15.
    for (int n = 3; n <= 15 && fields >> field; ++n) {
        if (n == 14) {
            utime = std::stod(field);
        } else if (n == 15) {
            stime = std::stod(field);
        }
    }
    return (utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Runs `command` through the shell (which it replaces) and times every line it prints. The
// last element is the program's end, with an empty text.
inline std::vector<TimedLine> RunTimed(const std::string& command) {
    std::vector<TimedLine> lines;
    int out[2];
    if (pipe(out) != 0) {
        return lines;
    }
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    FILE* in = fdopen(out[0], "r");
    char buffer[4096];
    while (in != nullptr && std::fgets(buffer, sizeof buffer, in) != nullptr) {
        lines.push_back({MsSince(start), ProcessCpuMs(pid), buffer});
    }
    // The processor time of the whole run, read before the process is reaped.
    siginfo_t info{};
    waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT);
    lines.push_back({MsSince(start), ProcessCpuMs(pid), {}});
    waitpid(pid, nullptr, 0);
    if (in != nullptr) {
        std::fclose(in);
    }
    return lines;
}

}  // namespace morvane::bench
