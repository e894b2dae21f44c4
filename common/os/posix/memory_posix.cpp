// Memory figures on Linux: MemTotal and MemAvailable of /proc/meminfo, narrowed
// to the memory cgroup limit of this process where one is set. /proc/meminfo
// knows nothing of cgroups, and inside a limited group (a container) the room a
// program really has is the group's, not the machine's. A recovery's room adds
// SwapTotal and SwapFree where the machine's figures hold.
#include "common/os/memory.h"
#include "common/os/posix/memory_files.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace quenby::os {
namespace {

std::string fileText(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The number after `name` on a line of the text ("MemTotal: 123 kB",
// "inactive_file 123"), or the first number when no name is given (a limit
// file, which says "max" for no limit).
std::optional<std::uint64_t> numberIn(const std::string& text, const std::string& name = {})
{
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string key;
        if (!name.empty() && (!(fields >> key) || (key != name && key != name + ":")))
            continue;
        std::uint64_t value = 0;
        return fields >> value ? std::optional(value) : std::nullopt;
    }
    return std::nullopt;
}

// Limits above this are the kernel's way of saying "no limit".
constexpr std::uint64_t kNoLimit = std::uint64_t{1} << 60;

struct GroupRoom {
    std::uint64_t limit = 0;
    std::uint64_t used = 0; // usage less the page cache the kernel can drop at once
    std::uint64_t free() const { return limit - std::min(used, limit); }
};

// Where each cgroup version keeps a group's figures.
struct Layout {
    const char* base;
    const char* limit;
    const char* usage;
    const char* inactive; // the droppable page cache, in memory.stat
};
constexpr Layout kVersion2{"/sys/fs/cgroup", "memory.max", "memory.current", "inactive_file"};
constexpr Layout kVersion1{"/sys/fs/cgroup/memory", "memory.limit_in_bytes", "memory.usage_in_bytes",
                           "total_inactive_file"};

// The tightest memory limit on the way from this process's group up to the root.
std::optional<GroupRoom> cgroupRoom(const std::string& root)
{
    std::ifstream in(root + "/proc/self/cgroup");
    std::optional<GroupRoom> best;
    for (std::string line; std::getline(in, line);) {
        const auto first = line.find(':');
        const auto second = line.find(':', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            continue;
        const std::string controllers = "," + line.substr(first + 1, second - first - 1) + ",";
        const Layout* layout = controllers == ",," ? &kVersion2
                               : controllers.find(",memory,") != std::string::npos ? &kVersion1
                                                                                   : nullptr;
        for (std::string path = line.substr(second + 1); layout != nullptr;) {
            const std::string dir = root + layout->base + (path == "/" ? "" : path) + "/";
            if (const auto limit = numberIn(fileText(dir + layout->limit)); limit && *limit < kNoLimit) {
                const auto usage = numberIn(fileText(dir + layout->usage)).value_or(0);
                const auto inactive = numberIn(fileText(dir + "memory.stat"), layout->inactive).value_or(0);
                const GroupRoom room{*limit, usage > inactive ? usage - inactive : 0};
                if (!best || room.free() < best->free())
                    best = room;
            }
            if (path.empty() || path == "/")
                break;
            const auto slash = path.rfind('/');
            path = slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
        }
    }
    return best;
}

// The physical figures, and whether a memory cgroup narrowed them.
bool readPhysical(const std::string& root, const std::string& meminfo, MemoryStatus& status, bool& narrowed)
{
    status = {};
    narrowed = false;
    const auto total = numberIn(meminfo, "MemTotal");
    const auto avail = numberIn(meminfo, "MemAvailable");
    if (!total || !avail || *total == 0)
        return false;
    std::uint64_t totalBytes = *total * 1024; // kB, which is KiB
    std::uint64_t availBytes = std::min(*avail, *total) * 1024;
    if (const auto room = cgroupRoom(root)) {
        narrowed = room->limit < totalBytes || room->free() < availBytes;
        totalBytes = std::min(totalBytes, room->limit);
        availBytes = std::min(availBytes, room->free());
    }
    status.totalPhys = totalBytes;
    status.availPhys = availBytes;
    status.memoryLoad =
        static_cast<std::uint32_t>((totalBytes - availBytes) * 100 / totalBytes);
    return true;
}

} // namespace

bool queryMemoryStatus(MemoryStatus& status)
{
    bool narrowed = false;
    return readPhysical("", fileText("/proc/meminfo"), status, narrowed);
}

bool queryRecoveryRoom(MemoryRoom& room)
{
    return posix::recoveryRoomUnder("", room);
}

namespace posix {

bool recoveryRoomUnder(const std::string& root, MemoryRoom& room)
{
    const std::string meminfo = fileText(root + "/proc/meminfo");
    MemoryStatus status;
    bool narrowed = false;
    const bool ok = readPhysical(root, meminfo, status, narrowed);
    room = {status.totalPhys, status.availPhys};
    // Inside a memory-limited group the group's own limit is what runs out
    // first, and how much swap the group may use is not in these figures: there
    // the physical room alone is kept, as it always was.
    if (ok && !narrowed)
        room = roomWithSwap(room, numberIn(meminfo, "SwapTotal").value_or(0) * 1024,
                            numberIn(meminfo, "SwapFree").value_or(0) * 1024);
    return ok;
}

} // namespace posix
} // namespace quenby::os
