// System times on Linux: the idle and iowait time of all processors from
// /proc/stat (what Windows counts as the idle process's time) and the real-time
// clock, both in 100 ns units so that the CPU formula applies unchanged.
#include "common/os/systimes.h"

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace quenby::os {

// The processors that are online, the ones whose times /proc/stat adds up.
int processorCount()
{
    return static_cast<int>(::sysconf(_SC_NPROCESSORS_ONLN));
}

bool querySystemTimes(SystemTimes& times)
{
    std::ifstream in("/proc/stat");
    std::string line;
    if (!std::getline(in, line) || line.compare(0, 4, "cpu ") != 0)
        return false;
    std::istringstream fields(line.substr(4));
    long long user = 0, nice = 0, system = 0, idle = 0, iowait = 0;
    if (!(fields >> user >> nice >> system >> idle))
        return false;
    fields >> iowait; // absent on very old kernels
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    if (ticksPerSecond <= 0)
        return false;
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0)
        return false;
    times.idleTime = (idle + iowait) * (10'000'000LL / ticksPerSecond);
    times.currentTime = static_cast<std::int64_t>(now.tv_sec) * 10'000'000LL + now.tv_nsec / 100;
    return true;
}

void sleepMilliseconds(unsigned milliseconds)
{
    timespec wait{static_cast<time_t>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000) * 1'000'000L};
    while (nanosleep(&wait, &wait) != 0) {
    }
}

} // namespace quenby::os
