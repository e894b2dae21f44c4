// A recovery's room on Linux from prepared figures, not the machine's: free
// swap counts only where no memory cgroup narrows the physical figures.
#include "common/os/posix/memory_files.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

void write(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

TEST(RecoveryRoom, SwapCountsOnlyWhereNoGroupNarrowsTheMemory)
{
    constexpr std::uint64_t kMiB = 1024 * 1024;
    // 8 GiB of RAM with 6 available, 4 GiB of swap with 3 free.
    const std::string meminfo = "MemTotal: 8388608 kB\nMemAvailable: 6291456 kB\nSwapTotal: 4194304 kB\n"
                                "SwapFree: 3145728 kB\n";
    const struct {
        const char* what;
        const char* cgroup;       // /proc/self/cgroup
        const char* groupLimit;   // the group's memory.max; null: no such file
        std::uint64_t limitMiB, availableMiB;
    } cases[] = {
        {"no group: RAM and swap", "0::/\n", nullptr, 12288, 9216},
        {"a group without a limit", "0::/user.slice\n", "max\n", 12288, 9216},
        {"a group of 2 GiB: its room alone", "0::/user.slice\n", "2147483648\n", 2048, 1536},
    };
    for (const auto& c : cases) {
        const quenby::test::TempDir root;
        write(root.path() / "proc/meminfo", meminfo);
        write(root.path() / "proc/self/cgroup", c.cgroup);
        if (c.groupLimit) {
            const fs::path group = root.path() / "sys/fs/cgroup/user.slice";
            write(group / "memory.max", c.groupLimit);
            write(group / "memory.current", "629145600\n"); // 600 MiB, 88 of them droppable cache
            write(group / "memory.stat", "anon 1\ninactive_file 92274688\n");
        }
        quenby::os::MemoryRoom room;
        ASSERT_TRUE(quenby::os::posix::recoveryRoomUnder(root.path().string(), room)) << c.what;
        EXPECT_EQ(room.limit / kMiB, c.limitMiB) << c.what;
        EXPECT_EQ(room.available / kMiB, c.availableMiB) << c.what;
    }
}

} // namespace
