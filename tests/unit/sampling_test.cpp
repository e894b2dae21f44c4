// The CPU formula on recorded samples, and the memory figures' relations.
#include <gtest/gtest.h>

#include "common/sampling.h"

using namespace quenby;

namespace {

// Idle time and wall time in 100 ns units over one second on `processors` CPUs,
// with the given average idle share in percent.
double usageForIdleShare(double idlePercent, int processors = 4)
{
    const std::int64_t second = 10'000'000;
    os::SystemTimes first{1'000'000'000, 133'000'000'000'000'000};
    os::SystemTimes next = first;
    next.currentTime += second;
    next.idleTime += static_cast<std::int64_t>(idlePercent / 100.0 * second * processors);
    return cpuUsageFromSamples(first, next, processors);
}

TEST(CpuFormula, RoundsByTruncationAndStaysOnTheScaleAtBothEnds)
{
    const struct {
        double idlePercent;
        int processors, usage;
    } cases[] = {
        {87.6, 4, 12}, {87.4, 4, 13}, {50.0, 1, 50}, {87.6, 2, 12},
        // Fully busy: 100.5 before truncation, never more; the clocks are read a
        // moment apart, so a little negative idle time happens.
        {0.0, 4, 100}, {-2.0, 4, 100},
        // Fully idle, and a little more than fully idle: 0, never -1 (no sample).
        {100.0, 4, 0}, {103.0, 4, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(static_cast<int>(usageForIdleShare(c.idlePercent, c.processors)), c.usage) << c.idlePercent;
    EXPECT_NEAR(usageForIdleShare(87.6), 12.9, 1e-4);
}

TEST(CpuFormula, UsesTheElapsedTimeTheSystemReports)
{
    // 1.25 s passed (the sleep overslept): 50 % idle over 1.25 s on one CPU.
    os::SystemTimes first{0, 0};
    os::SystemTimes next{6'250'000, 12'500'000};
    EXPECT_EQ(static_cast<int>(cpuUsageFromSamples(first, next, 1)), 50);
}

TEST(CpuFormula, ImpossibleSamplesGiveNoSample)
{
    os::SystemTimes first{0, 100};
    EXPECT_EQ(cpuUsageFromSamples(first, first, 4), kNoCpuSample);
    EXPECT_EQ(cpuUsageFromSamples(first, os::SystemTimes{0, 50}, 4), kNoCpuSample);
    EXPECT_EQ(cpuUsageFromSamples(first, os::SystemTimes{10, 200}, 0), kNoCpuSample);
}

TEST(MemoryFigures, FreePercentIsOneHundredMinusTheLoadOverTheWholeScale)
{
    for (std::uint32_t load = 0; load <= 100; ++load)
        EXPECT_EQ(freePercentFromLoad(load), 100 - load) << "load " << load;
    // A load beyond the scale is all memory in use, not a wrapped-around figure.
    EXPECT_EQ(freePercentFromLoad(101), 0u);
    EXPECT_EQ(freePercentFromLoad(0xFFFFFFFF), 0u);
}

TEST(MemoryFigures, AreConsistentOnThisMachine)
{
    const std::uint32_t total = totalPhysicalMB();
    const std::uint32_t available = availablePhysicalMB();
    const std::uint32_t freePercent = freeMemoryPercent();
    ASSERT_GT(total, 0u);
    EXPECT_LE(available, total);
    EXPECT_LE(freePercent, 100u);
    // The free share and the available amount describe the same memory; they are
    // read a moment apart, so allow some slack.
    const double share = 100.0 * available / total;
    EXPECT_NEAR(share, freePercent, 10.0);
}

} // namespace
