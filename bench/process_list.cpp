// What a protected program costs the engine: one look at the process list,
// as the engine takes it once a second while a recovery is due and programs
// are protected. A name that never runs makes every look a full pass.
//
//   quenby_bench_process_list [LOOKS]
//
// Prints "RESULT processlist looks=N processes=P median_ms=... p99_ms=...
// max_ms=... share=..." where share is the median look's part of one core at
// one look a second, in percent.
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "bench/bench_stats.h"
#include "common/os/process_list.h"
#include "common/protected_programs.h"

int main(int argc, char** argv)
{
    using namespace quenby;
    const int looks = argc > 1 ? std::atoi(argv[1]) : 200;
    if (looks <= 0) {
        std::fprintf(stderr, "usage: quenby_bench_process_list [LOOKS]\n");
        return 2;
    }
    const ProtectedPrograms programs = parseProtectedPrograms(u"quenby-bench-never-runs.exe;game.exe");
    std::vector<double> ms;
    long processes = 0;
    for (int i = 0; i < looks; ++i) {
        long seen = 0;
        const auto start = bench::Clock::now();
        const bool found = os::programRunsInSession([&](std::u16string_view name) {
            ++seen;
            return programs.protects(name) && name.starts_with(u"quenby-bench");
        });
        ms.push_back(bench::secondsSince(start) * 1000);
        processes = seen;
        if (found)
            return 1;
    }
    const bench::Summary s = bench::summarize(ms);
    std::printf("RESULT processlist looks=%d processes=%ld median_ms=%.3f p99_ms=%.3f max_ms=%.3f share=%.3f\n", looks,
                processes, s.median, s.p99, s.max, s.median / 10);
    return 0;
}
