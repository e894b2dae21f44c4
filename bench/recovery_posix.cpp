// Recovery throughput on Linux: the engine host's own block path (obtainBlock /
// releaseBlock) beside two plain loops, in the same process and conditions:
//   touch     malloc of 1 MiB and one write per 4096-byte page, then free
//   populate  mmap of 1 MiB with MAP_POPULATE, then munmap
// Each run takes BLOCKS blocks the way a recovery pass does, then releases them
// all. The methods take turns within every round, in a rotating order, so a
// slow moment of the machine does not fall on one method only.
//
//   quenby_bench_recovery [BLOCKS [RUNS]]      (defaults 512 and 7)
//
// Lines beginning with "RESULT" are for bench/run.sh.
#include <sys/mman.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

#include "bench/bench_stats.h"
#include "bench/recovery_run.h"
#include "common/os/memory.h"
#include "engine/os/posix/host_posix.h"

using namespace quenby;
using quenby::bench::Clock;
using quenby::bench::kBlock;

namespace {

// Resident bytes of this process, from /proc/self/statm.
std::uint64_t residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::uint64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

void* populateObtain(void*)
{
    void* block = mmap(nullptr, kBlock, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    return block == MAP_FAILED ? nullptr : block;
}

void populateRelease(void*, void* block)
{
    munmap(block, kBlock);
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t blockCount = 0;
    int runs = 0;
    if (!bench::readRunArguments(argc, argv, blockCount, runs))
        return 2;
    if (!bench::roomFor(blockCount, os::queryMemoryStatus))
        return 3;

    engine::PosixEngineHost host;
    std::printf("recovery throughput: %zu blocks of 1 MiB per run, %d runs, MB = 2^20 bytes\n",
                blockCount, runs);
    const std::vector<bench::Summary> s = bench::measureRounds(
        {bench::engineMethod(host),
         {"touch", bench::touchObtain, bench::touchRelease, nullptr},
         {"populate", populateObtain, populateRelease, nullptr}},
        blockCount, runs, residentBytes);
    if (s.empty())
        return 1;
    const double better = std::max(s[1].median, s[2].median);
    const double ratio = s[0].median / better;
    std::printf("  engine / touch %.2f, engine / populate %.2f, engine / better reference %.2f (%s 0.95)\n",
                s[0].median / s[1].median, s[0].median / s[2].median, ratio,
                ratio >= 0.95 ? "meets" : "BELOW");
    std::printf("RESULT recovery.ratio touch=%.2f populate=%.2f better=%.2f\n",
                s[0].median / s[1].median, s[0].median / s[2].median, ratio);

    // What a recovery adds to the kernel's populate: the reserve's looks.
    bench::printReserveLook(s[2].median);
    return 0;
}
