#include "panel/getinfothread.h"

#include "common/sampling.h"

void GetInfoThread::run()
{
    // The memory figures are taken before the CPU second starts, so they are
    // about a second old when all three arrive together.
    using namespace quenby;
    const int total = static_cast<int>(totalPhysicalMB());
    const int available = static_cast<int>(availablePhysicalMB());
    const int freePercent = static_cast<int>(freeMemoryPercent());
    // The measurement carries +0.5 already: truncation gives the nearest whole number.
    const int cpu = static_cast<int>(measureCpuUsage());
    emit totalRAMInfoSignal(total);
    emit availRAMInfoSignal(available, freePercent);
    emit cpuUsagesInfoSignal(cpu);
}
