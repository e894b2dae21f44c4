// The real CPU measurement against the Linux kernel's own counters over the same
// second, with one core kept busy. Built into the Linux suite and into the Windows
// suite, where Wine answers the system-information queries and the kernel's file
// is reached through drive Z:.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "common/sampling.h"

namespace {

#ifdef _WIN32
constexpr const char* kProcStat = "Z:\\proc\\stat";
#else
constexpr const char* kProcStat = "/proc/stat";
#endif

struct KernelTimes {
    long long idle = 0;
    long long total = 0;
};

bool readKernelTimes(KernelTimes& times)
{
    std::ifstream in(kProcStat);
    std::string line;
    if (!std::getline(in, line) || line.rfind("cpu ", 0) != 0)
        return false;
    std::istringstream fields(line.substr(4));
    long long value = 0;
    int index = 0;
    times = {};
    while (fields >> value) {
        // user nice system idle iowait irq softirq steal (guest time is inside user)
        if (index < 8)
            times.total += value;
        if (index == 3 || index == 4)
            times.idle += value;
        ++index;
    }
    return index >= 5;
}

// Keeps one core busy for as long as it lives.
class BusyCore {
public:
    BusyCore()
        : thread_([this] {
              volatile unsigned long long sink = 0;
              while (!stop_.load(std::memory_order_relaxed))
                  sink = sink + 1;
          })
    {
    }
    ~BusyCore()
    {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST(CpuMeasurement, AgreesWithTheKernelWhileOneCoreIsBusy)
{
    KernelTimes probe;
    ASSERT_TRUE(readKernelTimes(probe)) << "cannot read " << kProcStat;

    BusyCore busy;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    KernelTimes before, after;
    ASSERT_TRUE(readKernelTimes(before));
    const double measured = quenby::measureCpuUsage();
    ASSERT_TRUE(readKernelTimes(after));

    const double totalTicks = static_cast<double>(after.total - before.total);
    ASSERT_GT(totalTicks, 0.0);
    const double kernelUsage = 100.0 - 100.0 * (after.idle - before.idle) / totalTicks;
    const unsigned cores = std::thread::hardware_concurrency();
    std::printf("measured %.1f %%, kernel %.1f %% over %u cores\n", measured, kernelUsage, cores);

    EXPECT_NE(measured, quenby::kNoCpuSample);
    EXPECT_LE(static_cast<int>(measured), 100);
    EXPECT_NEAR(measured - 0.5, kernelUsage, 6.0);
    // The busy core alone accounts for its share of the machine.
    if (cores > 0) {
        EXPECT_GE(measured, 100.0 / cores - 10.0);
    }
}

} // namespace
