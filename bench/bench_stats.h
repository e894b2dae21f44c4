// Small helpers the benchmarks share: a clock, and a summary of repeated runs
// (median, smallest, largest, 99th percentile) printed in one line.
#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <vector>

namespace quenby::bench {

using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
    double p99 = 0;
};

// Nearest-rank percentiles over a copy of the samples; all zero when there are none.
inline Summary summarize(std::vector<double> samples)
{
    Summary s;
    if (samples.empty())
        return s;
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    s.min = samples.front();
    s.max = samples.back();
    s.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(n)));
    s.p99 = samples[std::clamp<std::size_t>(rank, 1, n) - 1];
    return s;
}

// The spread of the runs as a share of their median, in percent.
inline double spreadPercent(const Summary& s)
{
    return s.median > 0 ? (s.max - s.min) / s.median * 100 : 0;
}

} // namespace quenby::bench
