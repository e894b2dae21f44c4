// Recovery throughput on the Windows face (run under Wine here): the engine
// host's own block path (obtainBlock / releaseBlock: malloc of 1 MiB and one
// write per page, then free) beside the same plain loop written out here, in
// the same process and conditions. Windows has no populate call for private
// memory, so the plain loop is the one reference.
//
//   quenby_bench_recovery.exe [BLOCKS [RUNS]]      (defaults 512 and 7)
//
// Lines beginning with "RESULT" are for bench/run.sh.
#include <windows.h>
#include <psapi.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/bench_stats.h"
#include "bench/recovery_run.h"
#include "common/os/memory.h"
#include "engine/os/win32/host_win32.h"

using namespace quenby;
using quenby::bench::Clock;

namespace {

std::uint64_t residentBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)
        ? counters.WorkingSetSize
        : 0;
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

    engine::Win32EngineHost host(GetModuleHandleW(nullptr));
    std::printf("recovery throughput (Windows face): %zu blocks of 1 MiB per run, %d runs, MB = 2^20 bytes\n",
                blockCount, runs);
    const std::vector<bench::Summary> s = bench::measureRounds(
        {bench::engineMethod(host),
         {"touch", bench::touchObtain, bench::touchRelease, nullptr}},
        blockCount, runs, residentBytes);
    if (s.empty())
        return 1;
    std::printf("  engine / touch %.2f\n", s[0].median / s[1].median);
    std::printf("RESULT recovery.ratio touch=%.2f\n", s[0].median / s[1].median);
    bench::printReserveLook(s[0].median);
    std::fflush(stdout);
    return 0;
}
