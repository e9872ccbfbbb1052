// Linux: the start time from /proc/self/stat (clock ticks since boot,
// compared with CLOCK_BOOTTIME), the peak from getrusage.
#include "tools/swarmsim/process_stats.h"

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

std::optional<double> SecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line)) return std::nullopt;
    // Field 22 (starttime); the command name in field 2 may hold spaces,
    // so count from the parenthesis that closes it.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    for (int number = 3; number < 22 && fields >> field; ++number) {}
    unsigned long long startTicks = 0;
    if (!(fields >> startTicks)) return std::nullopt;
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0) return std::nullopt;
    const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9 - static_cast<double>(startTicks) / ticksPerSecond;
}

std::optional<double> PeakResidentMiB() {
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) return std::nullopt;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}
