#include "common/sampling.h"

#include <algorithm>

#include "common/os/memory.h"

namespace quenby {

std::uint32_t availablePhysicalMB()
{
    os::MemoryStatus status;
    os::queryMemoryStatus(status);
    return static_cast<std::uint32_t>(status.availPhys >> 20);
}

std::uint32_t totalPhysicalMB()
{
    os::MemoryStatus status;
    os::queryMemoryStatus(status);
    return static_cast<std::uint32_t>(status.totalPhys >> 20);
}

std::uint32_t freeMemoryPercent()
{
    os::MemoryStatus status;
    os::queryMemoryStatus(status);
    return freePercentFromLoad(status.memoryLoad);
}

std::uint32_t freePercentFromLoad(std::uint32_t memoryLoad)
{
    return 100 - std::min<std::uint32_t>(memoryLoad, 100);
}

double cpuUsageFromSamples(const os::SystemTimes& first, const os::SystemTimes& second,
                           int processors)
{
    const double elapsed =
        static_cast<double>(second.currentTime) - static_cast<double>(first.currentTime);
    if (processors <= 0 || elapsed <= 0.0)
        return kNoCpuSample;
    const double idle = static_cast<double>(second.idleTime) - static_cast<double>(first.idleTime);
    const double usage = 100.0 - idle / elapsed * 100.0 / processors + 0.5;
    // The idle and wall clocks are read a moment apart, so a fully busy or fully
    // idle second can come out a little beyond the ends of the scale.
    return std::clamp(usage, 0.0, 100.5);
}

double measureCpuUsage()
{
    const int processors = os::processorCount();
    if (processors <= 0)
        return kNoCpuSample;
    os::SystemTimes first;
    if (!os::querySystemTimes(first))
        return kNoCpuSample;
    os::sleepMilliseconds(1000);
    os::SystemTimes second;
    if (!os::querySystemTimes(second))
        return kNoCpuSample;
    return cpuUsageFromSamples(first, second, processors);
}

} // namespace quenby
