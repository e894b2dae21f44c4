// The sending side of the window link on Linux: registered message numbers,
// finding a window by class and title, and posting to it. The receiving side and
// the wire format are in endpoint.cpp.
#include "common/os/windowlink.h"

#include "common/os/posix/endpoint.h"
#include "common/os/posix/wire.h"
#include "common/text.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quenby::os {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

struct Candidate {
    std::string path;
    timespec modified {};
    ino_t inode = 0;
};

bool newerFirst(const Candidate& a, const Candidate& b)
{
    if (a.modified.tv_sec != b.modified.tv_sec)
        return a.modified.tv_sec > b.modified.tv_sec;
    if (a.modified.tv_nsec != b.modified.tv_nsec)
        return a.modified.tv_nsec > b.modified.tv_nsec;
    return a.path > b.path; // any fixed order, so that every caller picks the same one
}

bool hasEnding(const std::string& text, std::string_view ending)
{
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// Removes a stale socket file, unless it has been replaced meanwhile by a new
// endpoint of the same name.
void removeStale(const Candidate& candidate)
{
    struct stat info {};
    if (::lstat(candidate.path.c_str(), &info) == 0 && info.st_ino == candidate.inode)
        ::unlink(candidate.path.c_str());
}

} // namespace

std::uint32_t registerMessage(std::u16string_view name)
{
    if (name.empty())
        return 0;
    // FNV-1a of the case-folded name: the same in every process with no shared
    // table, and distinct for the names the two programs exchange (the tests check).
    const std::string bytes = toUtf8(foldCase(name));
    std::uint32_t hash = 0x811c9dc5u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x01000193u;
    }
    return 0xC000u + hash % 0x4000u;
}

WindowRef findWindow(std::u16string_view windowClass, std::u16string_view title)
{
    const std::string folder = posix::runtimeFolder();
    if (folder.empty())
        return {};
    DirHandle dir(::opendir(folder.c_str()));
    if (!dir)
        return {};

    const std::string prefix = posix::detail::windowFilePrefix(windowClass, title);
    const uid_t me = ::geteuid();
    std::vector<Candidate> candidates;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0 || !hasEnding(name, ".sock"))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (!S_ISSOCK(info.st_mode) || info.st_uid != me || info.st_ino == 0)
            continue;
        candidates.push_back({folder + "/" + name, info.st_mtim, info.st_ino});
    }
    std::sort(candidates.begin(), candidates.end(), newerFirst);

    for (const auto& candidate : candidates) {
        switch (posix::detail::probeEndpoint(candidate.path)) {
        case posix::detail::Probe::Live:
            return WindowRef {static_cast<std::uintptr_t>(candidate.inode), candidate.path};
        case posix::detail::Probe::Stale:
            // Its process ended without removing it (killed, or crashed).
            removeStale(candidate);
            break;
        case posix::detail::Probe::Gone:
        case posix::detail::Probe::Unreachable:
            break;
        }
    }
    return {};
}

bool postMessage(const WindowRef& window, std::uint32_t message, std::uint64_t wParam,
                 std::int64_t lParam)
{
    if (!window || window.address.empty())
        return false;
    // Like a window handle, a WindowRef names one window: once that endpoint has
    // closed, a new one that happens to get the same file name is someone else.
    struct stat info {};
    if (::lstat(window.address.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode) ||
        static_cast<std::uintptr_t>(info.st_ino) != window.id)
        return false;
    return posix::detail::sendMessage(window.address, {message, wParam, lParam});
}

bool postToWindow(std::u16string_view windowClass, std::u16string_view title,
                  std::uint32_t message, std::uint64_t wParam, std::int64_t lParam)
{
    const WindowRef window = findWindow(windowClass, title);
    return window && postMessage(window, message, wParam, lParam);
}

} // namespace quenby::os
