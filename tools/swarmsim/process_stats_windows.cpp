// Windows: the creation time from GetProcessTimes, the peak working set
// from GetProcessMemoryInfo.
#include "tools/swarmsim/process_stats.h"

#include <windows.h>
#include <psapi.h>

std::optional<double> SecondsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return std::nullopt;
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) * 1e-7;  // 100 ns units
}

std::optional<double> PeakResidentMiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return std::nullopt;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}
