// What reading and writing the Linux registry file costs: heap bytes and time for
// one read of a value, one whole settings read and one write of a value, for
// files of several shapes at 64 KiB and at the largest size the store accepts.
// Not a test: it prints figures, and the two lines the store is held to: a read
// of a value from a 64 KiB file in under 10 ms, and no read of a file of the
// largest size taking more than 32 MiB of heap at its peak.
//
//   quenby_bench_store [SIZE...]     sizes in bytes (default: 65536 and the cap)
#include "common/os/posix/regfile.h"
#include "common/os/registry.h"
#include "common/settings.h"
#include "tests/posix/heap_meter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using quenby::os::RegAccess;
using quenby::os::RegRestrict;
using quenby::os::RegStatus;
using quenby::os::RegType;

constexpr std::u16string_view kKey = u"Software\\Quenby";

struct Shape {
    const char* name;
    std::string line; // repeated until the file has its size
};

// The settings a file would hold, then the shape's line over and over.
std::string fileOf(const Shape& shape, std::size_t size)
{
    std::string text = "REGEDIT4\n\n[Software\\Quenby]\n\"TargetFreeRAM\"=dword:00001000\n"
                       "\"Music\"=\"/home/user/alarm.wav\"\n";
    text.reserve(size);
    while (text.size() + shape.line.size() <= size)
        text += shape.line;
    text.append(size - text.size(), '\n');
    return text;
}

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

struct Figure {
    std::size_t peak = 0;
    double milliseconds = 0;
};

// The median time of `runs` calls and the highest heap peak of any of them.
template <typename Call>
Figure measure(int runs, Call call, const std::string* restore = nullptr, const fs::path* file = nullptr)
{
    std::vector<double> times;
    Figure figure;
    for (int i = 0; i < runs; ++i) {
        if (restore != nullptr)
            writeFile(*file, *restore); // what a write changed is undone outside the measurement
        const quenby::test::HeapMeter meter;
        const auto start = Clock::now();
        call();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        figure.peak = std::max(figure.peak, meter.peakAbove());
    }
    std::sort(times.begin(), times.end());
    figure.milliseconds = times[times.size() / 2];
    return figure;
}

void printRow(const char* shape, const char* what, std::size_t size, const Figure& f)
{
    std::printf("%-16s %-14s %9zu B  %11zu B heap  %6.2fx  %9.3f ms\n", shape, what, size, f.peak,
                static_cast<double>(f.peak) / static_cast<double>(size), f.milliseconds);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::size_t> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::strtoull(argv[i], nullptr, 10));
    if (sizes.empty())
        sizes = {std::size_t{64} << 10, quenby::os::posix::kMaxRegistryFileSize};

    char folderName[] = "/tmp/quenby-bench-XXXXXX";
    if (::mkdtemp(folderName) == nullptr)
        return 1;
    const fs::path folder = folderName;
    ::setenv("XDG_CONFIG_HOME", folderName, 1);
    fs::create_directories(folder / "quenby");
    fs::permissions(folder / "quenby", fs::perms::owner_all);
    const fs::path file = folder / "quenby" / "registry.reg";

    const std::vector<Shape> shapes = {
        {"comment lines", ";\n"},
        {"junk lines", "x\n"},
        {"blank and comment", ";\n\n"},
        {"section lines", "[a]\n"},
        {"short values", "@=\"\"\n"},
        {"unreadable named", "@=\n"},
        {"continued hex", "\"B\"=hex:01,\\\n  02\n"},
        {"dword values", "\"TargetFreeRAM\"=dword:00000400\n"},
        {"hex lines", "\"B\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15\n"},
    };

    auto& registry = quenby::os::currentUserRegistry();
    double slowest64KiB = 0;
    std::size_t largestPeak = 0;
    std::printf("%-16s %-14s %11s  %16s  %6s  %12s\n", "file of", "operation", "size", "peak", "ratio",
                "median time");
    for (const std::size_t size : sizes) {
        for (const Shape& shape : shapes) {
            const std::string text = fileOf(shape, size);
            writeFile(file, text);
            const int runs = size <= (std::size_t{256} << 10) ? 21 : 5;

            const Figure read = measure(runs, [&] {
                std::uint32_t number = 0;
                std::uint32_t length = sizeof number;
                (void)registry.getValue(kKey, u"TargetFreeRAM", RegRestrict::dword, &number, &length);
            });
            printRow(shape.name, "read a value", size, read);
            if (size == (std::size_t{64} << 10))
                slowest64KiB = std::max(slowest64KiB, read.milliseconds);
            if (size == quenby::os::posix::kMaxRegistryFileSize)
                largestPeak = std::max(largestPeak, read.peak);

            const Figure settings = measure(runs, [&] {
                quenby::Settings values;
                quenby::readSettings(registry, values, 16384, quenby::Deliverable::engine);
            });
            printRow(shape.name, "readSettings", size, settings);

            const Figure write = measure(runs, [&] {
                auto key = registry.openKey(kKey, RegAccess::write);
                const std::uint32_t state = 1;
                if (key)
                    (void)key->setValue(u"Quenby_Stat", RegType::dword, &state, sizeof state);
            }, &text, &file);
            printRow(shape.name, "write a value", size, write);
        }
    }
    fs::remove_all(folder);
    if (slowest64KiB > 0)
        std::printf("slowest read of a value from a 64 KiB file: %.3f ms (goal: under 10 ms)\n", slowest64KiB);
    if (largestPeak > 0)
        std::printf("highest heap peak reading a %zu KiB file: %.1f MiB (goal: under 32 MiB)\n",
                    quenby::os::posix::kMaxRegistryFileSize >> 10, static_cast<double>(largestPeak) / (1 << 20));
    return 0;
}
