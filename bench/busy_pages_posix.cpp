// A program that really uses its memory, the kind a recovery trims: it maps MB
// megabytes, writes into every page, then writes one byte into each page in
// turn, round and round, and counts the pages it got through in each second.
//
//   quenby_bench_busy MB OUT
//   quenby_bench_busy --idle MB OUT
//
// Prints "ready" once every page has been written twice (on a virtual machine
// the first write of a page can cost far more than any later one), then
// appends one line a second to OUT: the second (since the epoch) and the pages
// touched in it. A second in which a page fault held it up counts what it
// managed, often nothing. Runs until SIGTERM or SIGINT. It offers itself first
// to the out-of-memory killer, so that a benchmark gone wrong ends this program
// and nothing else of the machine's.
//
// With --idle it is a program left open in the background instead: it writes
// every page once, prints "ready" and sleeps. Each SIGUSR1 makes it write into
// every page once more, as when the user comes back to it, and append to OUT
// how long that took in seconds: the time it pays for whatever was pushed out
// of its memory meanwhile.
#include <sys/mman.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string_view>

namespace {

constexpr std::size_t kPage = 4096;
volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t touchRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

void requestTouch(int)
{
    touchRequested = 1;
}

std::int64_t epochSecond()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec;
}

double monotonicSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Sleeps until a signal asks for something: a touch of every page, or the end.
int idleUntilStopped(unsigned char* memory, std::size_t pages, std::FILE* out)
{
    sigset_t wanted, old;
    sigemptyset(&wanted);
    sigaddset(&wanted, SIGUSR1);
    sigaddset(&wanted, SIGTERM);
    sigaddset(&wanted, SIGINT);
    // Blocked outside sigsuspend, so that no signal slips in between the test
    // of the flags and the sleep.
    sigprocmask(SIG_BLOCK, &wanted, &old);
    while (!stopRequested) {
        if (!touchRequested) {
            sigsuspend(&old);
            continue;
        }
        touchRequested = 0;
        const double start = monotonicSeconds();
        for (std::size_t page = 0; page < pages && !stopRequested; ++page)
            ++memory[page * kPage];
        std::fprintf(out, "touched %.2f\n", monotonicSeconds() - start);
        std::fflush(out);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const bool idle = argc == 4 && std::string_view(argv[1]) == "--idle";
    if (idle) {
        --argc;
        ++argv;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s [--idle] MB OUT\n", argv[0]);
        return 2;
    }
    const std::size_t megabytes = std::strtoull(argv[1], nullptr, 10);
    if (megabytes == 0) {
        std::fprintf(stderr, "quenby_bench_busy: MB must be positive\n");
        return 2;
    }
    std::ofstream("/proc/self/oom_score_adj") << 1000;
    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    std::signal(SIGUSR1, requestTouch);
    std::FILE* out = std::fopen(argv[2], "w");
    if (!out) {
        std::perror("quenby_bench_busy: OUT");
        return 1;
    }

    const std::size_t bytes = megabytes << 20;
    auto* memory = static_cast<unsigned char*>(
        mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    if (memory == MAP_FAILED) {
        std::perror("quenby_bench_busy: mmap");
        return 1;
    }
    const std::size_t pages = bytes / kPage;
    // A stop asked for while the pages are first written (a benchmark stopped
    // by Ctrl+C) ends it at once, not after gigabytes more.
    for (int pass = 0; pass < (idle ? 1 : 2) && !stopRequested; ++pass)
        for (std::size_t page = 0; page < pages && !stopRequested; ++page)
            ++memory[page * kPage];
    if (stopRequested) {
        munmap(memory, bytes);
        return std::fclose(out) == 0 ? 0 : 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    if (idle) {
        const int status = idleUntilStopped(memory, pages, out);
        munmap(memory, bytes);
        return std::fclose(out) == 0 ? status : 1;
    }

    std::int64_t second = epochSecond();
    std::uint64_t inSecond = 0;
    std::size_t page = 0;
    while (!stopRequested) {
        // One write a page, as a program walking its data does; the clock is
        // read every 1024 pages, a small share of the time of a touch.
        for (int i = 0; i < 1024; ++i) {
            ++memory[page * kPage];
            if (++page == pages)
                page = 0;
        }
        inSecond += 1024;
        const std::int64_t now = epochSecond();
        if (now != second) {
            // Seconds spent waiting inside one page fault touched nothing.
            std::fprintf(out, "%lld %llu\n", static_cast<long long>(second),
                         static_cast<unsigned long long>(inSecond));
            for (std::int64_t s = second + 1; s < now; ++s)
                std::fprintf(out, "%lld 0\n", static_cast<long long>(s));
            std::fflush(out);
            second = now;
            inSecond = 0;
        }
    }
    munmap(memory, bytes);
    return std::fclose(out) == 0 ? 0 : 1;
}
