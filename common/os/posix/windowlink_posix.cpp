// The window link on Linux. A window is a Unix datagram socket in the per-user
// runtime folder, named "<identity hash>.<stamp>.<pid>.sock"; findWindow() looks
// for the newest live one of a class and title, postMessage() sends it one record.
//
// The stamp is the time the endpoint opened, in nanoseconds and 16 hex digits,
// so the newest endpoint of an identity is the one whose name sorts last, and no
// name is ever used twice: a file left by a killed process never stands in the
// way of a new endpoint, and findWindow clears it when it comes across it.
//
// The folder is private to the user (0700, owned by them, nothing for group or
// others) and the socket is 0600 whatever the umask, so only the user's own
// processes can find or post to a window, the same reach a window has within one
// Windows session. Each datagram also carries its sender's credentials, and one
// from another user is dropped: a socket that another user got hold of some other
// way (inherited, passed over, connected before it changed its user) still
// cannot post.
#include "common/os/windowlink.h"

#include "common/os/posix/endpoint.h"
#include "common/os/posix/private_folder.h"
#include "common/os/posix/unique_fd.h"
#include "common/text.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace quenby::os::posix {
namespace {

// What a connect() to a window's socket file tells about it.
enum class Probe {
    Live,  // a process is receiving on it
    Stale, // the file is left over from a process that has ended
    Other, // gone, or something else (no permission, bad path): leave it alone
};

// "QNBY" in the first four bytes, so that a stray datagram is recognised as one.
constexpr std::uint32_t kMagic = 0x59424E51;
constexpr std::size_t kRecordSize = 24;
// A call to receive() gives up after this many malformed datagrams in a row, so
// that a flood of junk cannot hold the caller's event loop; the rest wait for the
// next call.
constexpr int kMaxDroppedPerCall = 64;

bool makeAddress(const std::string& path, sockaddr_un& address, socklen_t& length)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    // The path must fit with its terminating null; a longer one would be cut short
    // and name a different file.
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
    return true;
}

// Whether the datagram's credentials name this user. One without credentials
// (which the kernel attaches to every datagram once SO_PASSCRED is on) or with
// any other control data is not trusted.
bool fromThisUser(msghdr& header)
{
    if ((header.msg_flags & MSG_CTRUNC) != 0)
        return false;
    bool ours = false;
    for (cmsghdr* item = CMSG_FIRSTHDR(&header); item != nullptr; item = CMSG_NXTHDR(&header, item)) {
        if (item->cmsg_level == SOL_SOCKET && item->cmsg_type == SCM_CREDENTIALS &&
            item->cmsg_len == CMSG_LEN(sizeof(ucred))) {
            ucred sender {};
            std::memcpy(&sender, CMSG_DATA(item), sizeof sender);
            ours = sender.uid == ::geteuid();
        } else {
            return false;
        }
    }
    return ours;
}

// One message as it travels. Both ends are processes of this machine, so the
// fields go in its own byte order.
struct Record {
    std::uint32_t magic = kMagic;
    std::uint32_t message = 0;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
};
static_assert(sizeof(Record) == kRecordSize);

std::uint64_t fnv1a64(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

// Nanoseconds since the epoch, and later than any stamp this process gave
// before, so that two endpoints opened back to back still differ and sort in
// the order they were opened.
std::uint64_t newStamp()
{
    static std::atomic<std::uint64_t> last{0};
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const auto time = static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u + static_cast<std::uint64_t>(now.tv_nsec);
    std::uint64_t previous = last.load();
    std::uint64_t stamp = 0;
    do
        stamp = std::max(time, previous + 1);
    while (!last.compare_exchange_weak(previous, stamp));
    return stamp;
}

// 16 hex digits and a dot: one field of a socket file name.
std::string field(std::uint64_t n)
{
    char hex[20];
    std::snprintf(hex, sizeof hex, "%016llx.", static_cast<unsigned long long>(n));
    return hex;
}

// The start of every socket file name of one window identity (class and title,
// compared without regard to case).
std::string windowFilePrefix(std::u16string_view windowClass, std::u16string_view title)
{
    // U+0001 cannot occur in either part, so that ("ab", "c") and ("a", "bc") differ.
    return field(fnv1a64(toUtf8(foldCase(windowClass) + u'\x0001' + foldCase(title))));
}

Probe probeEndpoint(const std::string& path)
{
    sockaddr_un address {};
    socklen_t length = 0;
    if (!makeAddress(path, address, length))
        return Probe::Other;
    UniqueFd probe(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (probe.get() < 0)
        return Probe::Other;
    if (::connect(probe.get(), reinterpret_cast<const sockaddr*>(&address), length) == 0)
        return Probe::Live;
    return errno == ECONNREFUSED ? Probe::Stale : Probe::Other; // refused: nobody is bound to it
}

// Sends one message record without blocking; false when it could not be queued.
bool sendMessage(const std::string& path, const PostedMessage& message)
{
    sockaddr_un address {};
    socklen_t length = 0;
    if (!makeAddress(path, address, length))
        return false;
    UniqueFd sender(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (sender.get() < 0)
        return false;
    const Record record{kMagic, message.message, message.wParam, message.lParam};
    // Never block (a full queue means the receiver is stuck: report it) and never
    // die of SIGPIPE.
    const ssize_t sent = ::sendto(sender.get(), &record, sizeof record, MSG_DONTWAIT | MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr*>(&address), length);
    return sent == static_cast<ssize_t>(sizeof record);
}

std::string runtimeFolderPath()
{
    // A relative XDG_RUNTIME_DIR is invalid and ignored, as the base directory
    // convention says.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string path = "/tmp/quenby-" + std::to_string(::geteuid());
    if (runtime != nullptr && runtime[0] == '/') {
        path = runtime;
        while (!path.empty() && path.back() == '/')
            path.pop_back();
        path += "/quenby";
    }
    return path;
}

} // namespace

PrivateFolder openRuntimeFolder()
{
    return openPrivateFolder(runtimeFolderPath(), {.rootMayOwn = false, .closedToOthers = true, .create = true});
}

Endpoint::Endpoint(std::u16string_view windowClass, std::u16string_view title)
{
    const PrivateFolder folder = openRuntimeFolder();
    if (!folder.fd.valid())
        return;
    UniqueFd socket(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0)
        return;
    // Before anything can be queued: every datagram then comes with its sender's
    // credentials, which receive() checks.
    const int on = 1;
    if (::setsockopt(socket.get(), SOL_SOCKET, SO_PASSCRED, &on, sizeof on) != 0)
        return;

    const std::string path =
        folder.path + "/" + windowFilePrefix(windowClass, title) + field(newStamp()) + std::to_string(::getpid()) + ".sock";
    sockaddr_un address {};
    socklen_t length = 0;
    if (!makeAddress(path, address, length) ||
        ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), length) != 0)
        return;
    // bind() gave the file the umask's mode; until this chmod only the private
    // folder guards it.
    if (::chmod(path.c_str(), 0600) != 0) {
        ::unlink(path.c_str());
        return;
    }
    path_ = path;
    fd_ = std::move(socket);
}

Endpoint::~Endpoint()
{
    if (fd_.valid())
        ::unlink(path_.c_str());
}

std::optional<PostedMessage> Endpoint::receive()
{
    if (!fd_.valid())
        return std::nullopt;
    // One byte more than a record: together with MSG_TRUNC (which makes recv
    // report the datagram's real length) an oversize datagram is told apart from
    // a record.
    unsigned char buffer[kRecordSize + 1];
    for (int dropped = 0; dropped < kMaxDroppedPerCall;) {
        iovec part {buffer, sizeof buffer};
        alignas(cmsghdr) unsigned char control[CMSG_SPACE(sizeof(ucred))];
        msghdr header {};
        header.msg_iov = &part;
        header.msg_iovlen = 1;
        header.msg_control = control;
        header.msg_controllen = sizeof control;
        const ssize_t got = ::recvmsg(fd_.get(), &header, MSG_DONTWAIT | MSG_TRUNC | MSG_CMSG_CLOEXEC);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt; // EAGAIN: nothing waits
        }
        Record record;
        std::memcpy(&record, buffer, sizeof record);
        if (!fromThisUser(header) || got != static_cast<ssize_t>(kRecordSize) || record.magic != kMagic) {
            ++dropped;
            continue;
        }
        return PostedMessage{record.message, record.wParam, record.lParam};
    }
    return std::nullopt;
}

} // namespace quenby::os::posix

namespace quenby::os {
std::uint32_t registerMessage(std::u16string_view name)
{
    if (name.empty())
        return 0;
    // A hash of the case-folded name: the same in every process with no shared
    // table, and distinct for the names the two programs exchange (the tests check).
    return 0xC000u + static_cast<std::uint32_t>(posix::fnv1a64(toUtf8(foldCase(name))) % 0x4000u);
}

WindowRef findWindow(std::u16string_view windowClass, std::u16string_view title)
{
    const posix::PrivateFolder folder = posix::openRuntimeFolder();
    if (!folder.fd.valid())
        return {};
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.path.c_str()), ::closedir);
    if (!dir)
        return {};

    const std::string prefix = posix::windowFilePrefix(windowClass, title);
    const uid_t me = ::geteuid();
    struct Candidate {
        std::string path;
        ino_t inode = 0;
    };
    std::vector<Candidate> candidates;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (!name.starts_with(prefix) || !name.ends_with(".sock"))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (!S_ISSOCK(info.st_mode) || info.st_uid != me || info.st_ino == 0)
            continue;
        candidates.push_back({folder.path + "/" + name, info.st_ino});
    }
    // Newest first: the stamp after the prefix has a fixed width.
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.path > b.path; });

    for (const auto& candidate : candidates) {
        switch (posix::probeEndpoint(candidate.path)) {
        case posix::Probe::Live:
            return WindowRef {static_cast<std::uintptr_t>(candidate.inode), candidate.path};
        case posix::Probe::Stale: {
            // Its process ended without removing it (killed, or crashed); unless
            // a new endpoint of the same name has taken its place meanwhile.
            struct stat info {};
            if (::lstat(candidate.path.c_str(), &info) == 0 && info.st_ino == candidate.inode)
                ::unlink(candidate.path.c_str());
            break;
        }
        case posix::Probe::Other:
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
    return posix::sendMessage(window.address, {message, wParam, lParam});
}

void allowForeground(const WindowRef&)
{
    // The window manager decides what comes to the front; there is no right to pass on.
}

bool postToWindow(std::u16string_view windowClass, std::u16string_view title,
                  std::uint32_t message, std::uint64_t wParam, std::int64_t lParam)
{
    const WindowRef window = findWindow(windowClass, title);
    return window && postMessage(window, message, wParam, lParam);
}

} // namespace quenby::os
