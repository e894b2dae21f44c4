// What the recovery benchmarks of both faces share: the plain page-by-page
// reference loop, one timed run of a block method, and the rounds in which the
// methods take turns in a rotating order (so that a slow moment of the machine
// does not fall on one method only), printed as median, min and max.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/bench_stats.h"
#include "common/os/memory.h"
#include "engine/host.h"
#include "engine/reserve_gate.h"

namespace quenby::bench {

inline constexpr std::size_t kBlock = std::size_t{1} << 20;
inline constexpr std::size_t kPage = 4096;

// A way to obtain and release one committed block of 1 MiB.
struct Method {
    const char* name;
    void* (*obtain)(void* context);
    void (*release)(void* context, void* block);
    void* context;
};

// The reference every face has: malloc, one write per page, free.
inline void* touchObtain(void*)
{
    auto* block = static_cast<char*>(std::malloc(kBlock));
    if (!block)
        return nullptr;
    volatile char* pages = block;
    for (std::size_t offset = 0; offset < kBlock; offset += kPage)
        pages[offset] = 1;
    return block;
}

inline void touchRelease(void*, void* block)
{
    std::free(block);
}

// What the safety reserve adds to each block of a recovery: one look at the
// room (commit on Windows, physical memory on Linux) per kBlocksPerCheck
// blocks, beside the time of one block at `blocksPerSecond`.
inline void printReserveLook(double blocksPerSecond)
{
    constexpr int kLooks = 1000;
    const auto lookStart = Clock::now();
    os::MemoryRoom room;
    for (int i = 0; i < kLooks; ++i)
        os::queryRecoveryRoom(room);
    const double lookMicros = secondsSince(lookStart) * 1e6 / kLooks;
    const double blockMicros = blocksPerSecond > 0 ? 1e6 / blocksPerSecond : 0;
    const unsigned per = engine::ReserveGate::kBlocksPerCheck;
    const double share = blockMicros > 0 ? lookMicros / per / blockMicros * 100 : 0;
    std::printf("  reserve look %.1f us, once per %u blocks: %.1f %% of a block's time\n", lookMicros, per,
                share);
    std::printf("RESULT recovery.reserve micros=%.1f share=%.1f\n", lookMicros, share);
    std::printf("  room now: limit %llu MB, available %llu MB; a pass stops above %llu MB\n",
                static_cast<unsigned long long>(room.limit >> 20), static_cast<unsigned long long>(room.available >> 20),
                static_cast<unsigned long long>((engine::safetyReserve(room.limit) >> 20) + per));
}

// The engine's own block path, through whichever host this face has.
inline Method engineMethod(engine::EngineHost& host)
{
    return {"engine",
            [](void* h) { return static_cast<engine::EngineHost*>(h)->obtainBlock(); },
            [](void* h, void* block) { static_cast<engine::EngineHost*>(h)->releaseBlock(block); },
            &host};
}

// BLOCKS (1..2048, default 512) and RUNS (default 7) from the command line;
// false, after the usage line, when they don't make sense.
inline bool readRunArguments(int argc, char** argv, std::size_t& blockCount, int& runs)
{
    blockCount = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 512;
    runs = argc > 2 ? std::atoi(argv[2]) : 7;
    if (blockCount > 0 && blockCount <= 2048 && runs >= 1)
        return true;
    std::fprintf(stderr, "usage: %s [BLOCKS (1..2048) [RUNS]]\n", argv[0]);
    return false;
}

struct RunResult {
    double mbPerSecond = 0;
    double residentShare = 0; // resident growth over the bytes asked for
    std::size_t obtained = 0;
};

// One run as a recovery pass does it: all blocks taken, then all released.
inline RunResult runOnce(const Method& method, std::vector<void*>& blocks, std::uint64_t (*residentBytes)())
{
    RunResult result;
    const std::uint64_t before = residentBytes();
    const auto start = Clock::now();
    for (auto& block : blocks) {
        block = method.obtain(method.context);
        if (!block)
            break;
        ++result.obtained;
    }
    double seconds = secondsSince(start);
    // Outside the timed part: proof that the pages were really committed anew,
    // not served from memory the process already held.
    const std::uint64_t held = residentBytes();
    const auto releaseStart = Clock::now();
    for (std::size_t i = 0; i < result.obtained; ++i)
        method.release(method.context, blocks[i]);
    seconds += secondsSince(releaseStart);
    const double mb = static_cast<double>(result.obtained);
    result.mbPerSecond = seconds > 0 ? mb / seconds : 0;
    result.residentShare = result.obtained
        ? static_cast<double>(held - std::min(held, before)) / (mb * static_cast<double>(kBlock))
        : 0;
    return result;
}

// An untimed warm-up round, then `runs` rounds; prints a line and a RESULT line
// per method and returns the summaries in the methods' order, or nothing when
// a method could not obtain every block.
inline std::vector<Summary> measureRounds(const std::vector<Method>& methods, std::size_t blockCount,
                                          int runs, std::uint64_t (*residentBytes)())
{
    std::vector<void*> blocks(blockCount);
    // The first touches of a fresh process (heap set-up, page tables) are not
    // what a recovery costs.
    for (const Method& method : methods)
        runOnce(method, blocks, residentBytes);

    std::vector<std::vector<double>> rates(methods.size());
    std::vector<double> leastResident(methods.size(), 1e9);
    for (int round = 0; round < runs; ++round) {
        for (std::size_t k = 0; k < methods.size(); ++k) {
            const std::size_t m = (k + static_cast<std::size_t>(round)) % methods.size();
            const RunResult r = runOnce(methods[m], blocks, residentBytes);
            if (r.obtained != blockCount) {
                std::fprintf(stderr, "recovery bench: %s obtained %zu of %zu blocks\n", methods[m].name,
                             r.obtained, blockCount);
                return {};
            }
            rates[m].push_back(r.mbPerSecond);
            leastResident[m] = std::min(leastResident[m], r.residentShare);
        }
    }
    std::vector<Summary> summaries;
    for (std::size_t m = 0; m < methods.size(); ++m) {
        const Summary s = summarize(rates[m]);
        std::printf("  %-9s median %8.0f MB/s  min %8.0f  max %8.0f  spread %4.1f %%  resident %.2f\n",
                    methods[m].name, s.median, s.min, s.max, spreadPercent(s), leastResident[m]);
        std::printf("RESULT recovery.%s median=%.0f min=%.0f max=%.0f resident=%.2f\n", methods[m].name,
                    s.median, s.min, s.max, leastResident[m]);
        summaries.push_back(s);
    }
    return summaries;
}

// Whether BLOCKS MiB plus 2 GiB are available now: a benchmark never crowds the machine.
template <typename Status>
bool roomFor(std::size_t blockCount, bool (*query)(Status&))
{
    Status status{};
    if (query(status) && status.availPhys >= (std::uint64_t{blockCount} << 20) + (std::uint64_t{2} << 30))
        return true;
    std::fprintf(stderr, "recovery bench: only %llu MiB available, %zu MiB + 2 GiB needed\n",
                 static_cast<unsigned long long>(status.availPhys >> 20), blockCount);
    return false;
}

} // namespace quenby::bench
