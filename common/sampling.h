// The three figures the whole system revolves around: available physical memory
// in MB, free memory in percent, and CPU usage in percent. One implementation
// serves both programs.
#pragma once

#include <cstdint>

#include "common/os/systimes.h"

namespace quenby {

// The value of a CPU usage figure that could not be measured.
inline constexpr double kNoCpuSample = -1.0;

// Available physical memory in MB (bytes shifted right by 20).
std::uint32_t availablePhysicalMB();

// Total physical memory in MB (bytes shifted right by 20, truncated to 32 bits).
std::uint32_t totalPhysicalMB();

// 100 minus the memory load in percent.
std::uint32_t freeMemoryPercent();

// The free percentage for a memory load in percent: 100 minus the load, and 0
// for a load beyond 100.
std::uint32_t freePercentFromLoad(std::uint32_t memoryLoad);

// The CPU usage between two samples of the system times, as a percentage with
// 0.5 added so that truncation gives the nearest whole number:
//   100 - (idle2 - idle1) / (now2 - now1) x 100 / processors + 0.5
// kept within 0 .. 100.5, so the whole number is never above 100 nor mistaken
// for the missing-sample value. kNoCpuSample when no time passed or there are
// no processors.
double cpuUsageFromSamples(const os::SystemTimes& first, const os::SystemTimes& second,
                           int processors);

// Measures the CPU usage over the next second; blocks the caller for about
// 1000 ms. kNoCpuSample when the system times can't be read.
double measureCpuUsage();

} // namespace quenby
