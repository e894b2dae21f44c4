// The system-wide times behind the CPU usage figure.
#pragma once

#include <cstdint>

namespace quenby::os {

struct SystemTimes {
    std::int64_t idleTime = 0;    // idle time summed over all processors, 100 ns units
    std::int64_t currentTime = 0; // wall-clock time, 100 ns units
};

// Number of processors the idle time is summed over; 0 when it can't be read.
int processorCount();

// One sample of the idle and wall-clock times; false when it can't be taken.
bool querySystemTimes(SystemTimes& times);

// Blocks the calling thread for `milliseconds`.
void sleepMilliseconds(unsigned milliseconds);

} // namespace quenby::os
