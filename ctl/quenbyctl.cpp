// quenbyctl: the command-line client of Quenby.
//
//   quenbyctl watch [SECONDS]   print total and available RAM, the free share and
//                               the CPU usage once a second (for ever, or SECONDS times)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/sampling.h"

namespace {

int usage()
{
    std::fprintf(stderr, "usage: quenbyctl watch [SECONDS]\n");
    return 2;
}

bool parseCount(const char* text, long& count)
{
    char* end = nullptr;
    count = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && count > 0;
}

// Each line takes one second: the CPU figure is the usage over that second.
int watch(long count)
{
    for (long i = 0; count <= 0 || i < count; ++i) {
        const unsigned total = quenby::totalPhysicalMB();
        const unsigned available = quenby::availablePhysicalMB();
        const unsigned freePercent = quenby::freeMemoryPercent();
        const int cpu = static_cast<int>(quenby::measureCpuUsage());
        std::printf("Total RAM: %uMB  Available RAM: %uMB (%u%%)  CPU Usages: %d%%\n", total,
                    available, freePercent, cpu);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    if (command == "watch") {
        long count = 0;
        if (argc > 3 || (argc == 3 && !parseCount(argv[2], count)))
            return usage();
        return watch(count);
    }
    return usage();
}
