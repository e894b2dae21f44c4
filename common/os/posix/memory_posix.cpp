// Memory figures on Linux: MemTotal and MemAvailable of /proc/meminfo, narrowed
// to the memory cgroup limit of this process where one is set. /proc/meminfo
// knows nothing of cgroups, and inside a limited group (a container) the room a
// program really has is the group's, not the machine's.
#include "common/os/memory.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace quenby::os {
namespace {

std::optional<std::uint64_t> meminfoField(const std::string& text, const std::string& name)
{
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, name.size(), name) == 0 && line.size() > name.size() &&
            line[name.size()] == ':') {
            std::istringstream fields(line.substr(name.size() + 1));
            std::uint64_t kib = 0;
            if (fields >> kib)
                return kib * 1024;
        }
    }
    return std::nullopt;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::optional<std::uint64_t> readNumberFile(const std::string& path)
{
    std::ifstream in(path);
    std::string word;
    if (!(in >> word) || word == "max")
        return std::nullopt;
    try {
        return std::stoull(word);
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<std::uint64_t> statField(const std::string& path, const std::string& name)
{
    std::ifstream in(path);
    std::string key;
    std::uint64_t value = 0;
    while (in >> key >> value) {
        if (key == name)
            return value;
    }
    return std::nullopt;
}

// Limits above this are the kernel's way of saying "no limit".
constexpr std::uint64_t kNoLimit = std::uint64_t{1} << 60;

struct GroupRoom {
    std::uint64_t limit = 0;
    std::uint64_t used = 0; // usage less the page cache the kernel can drop at once
};

// The tightest memory limit on the way from this process's group up to the root.
std::optional<GroupRoom> cgroupRoom()
{
    std::ifstream in("/proc/self/cgroup");
    std::string line;
    std::optional<GroupRoom> best;
    while (std::getline(in, line)) {
        const auto first = line.find(':');
        const auto second = line.find(':', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            continue;
        const std::string controllers = line.substr(first + 1, second - first - 1);
        std::string path = line.substr(second + 1);
        std::string base, limitFile, usageFile, statFile, inactiveName;
        if (controllers == "") {
            base = "/sys/fs/cgroup";
            limitFile = "memory.max";
            usageFile = "memory.current";
            inactiveName = "inactive_file";
        } else if (("," + controllers + ",").find(",memory,") != std::string::npos) {
            base = "/sys/fs/cgroup/memory";
            limitFile = "memory.limit_in_bytes";
            usageFile = "memory.usage_in_bytes";
            inactiveName = "total_inactive_file";
        } else {
            continue;
        }
        while (true) {
            const std::string dir = base + (path == "/" ? "" : path);
            if (const auto limit = readNumberFile(dir + "/" + limitFile);
                limit && *limit < kNoLimit) {
                const auto usage = readNumberFile(dir + "/" + usageFile).value_or(0);
                const auto inactive = statField(dir + "/memory.stat", inactiveName).value_or(0);
                GroupRoom room{*limit, usage > inactive ? usage - inactive : 0};
                if (!best || room.limit - std::min(room.used, room.limit) <
                                 best->limit - std::min(best->used, best->limit))
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

} // namespace

bool queryMemoryStatus(MemoryStatus& status)
{
    status = {};
    const std::string meminfo = readFile("/proc/meminfo");
    const auto total = meminfoField(meminfo, "MemTotal");
    const auto avail = meminfoField(meminfo, "MemAvailable");
    if (!total || !avail || *total == 0)
        return false;
    std::uint64_t totalBytes = *total;
    std::uint64_t availBytes = std::min(*avail, *total);
    if (const auto room = cgroupRoom()) {
        totalBytes = std::min(totalBytes, room->limit);
        availBytes = std::min(availBytes, room->limit - std::min(room->used, room->limit));
    }
    status.totalPhys = totalBytes;
    status.availPhys = availBytes;
    status.memoryLoad =
        static_cast<std::uint32_t>((totalBytes - availBytes) * 100 / totalBytes);
    return true;
}

} // namespace quenby::os
