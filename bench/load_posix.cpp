// A program that starts and loads its data, as a game or a large program does:
// it commits MB megabytes in blocks of 1 MiB (malloc, one write per 4096-byte
// page, each block kept), then prints how long it took to have all of it and
// exits. When free memory is short, the kernel pushes other programs' pages
// out while this one waits: that wait is what the benchmark measures.
//
//   quenby_bench_load MB
//
// Prints "loaded MB SECONDS". Like the busy program, it offers itself first to
// the out-of-memory killer, so that a benchmark gone wrong ends this program
// and nothing else of the machine's.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "bench/bench_stats.h"
#include "bench/recovery_run.h"

int main(int argc, char** argv)
{
    const std::size_t megabytes = argc == 2 ? std::strtoull(argv[1], nullptr, 10) : 0;
    if (megabytes == 0) {
        std::fprintf(stderr, "usage: %s MB\n", argv[0]);
        return 2;
    }
    std::ofstream("/proc/self/oom_score_adj") << 1000;
    std::vector<void*> blocks;
    blocks.reserve(megabytes);
    const auto start = quenby::bench::Clock::now();
    for (std::size_t i = 0; i < megabytes; ++i) {
        void* block = quenby::bench::touchObtain(nullptr);
        if (!block) {
            std::fprintf(stderr, "quenby_bench_load: no memory after %zu MB\n", i);
            return 1;
        }
        blocks.push_back(block);
    }
    const double seconds = quenby::bench::secondsSince(start);
    std::printf("loaded %zu %.2f\n", megabytes, seconds);
    for (void* block : blocks)
        quenby::bench::touchRelease(nullptr, block);
    return 0;
}
