// The receiving side of the window link on Linux, and the pieces of the wire
// format that the sending side (windowlink_posix.cpp) shares with it.
//
// A window is a Unix datagram socket in the per-user runtime folder, named
// "<identity hash>.<pid>.sock". The folder is private to the user (0700, owned by
// them, nothing for group or others) and the socket is 0600 whatever the umask,
// so only the user's own processes can find or post to a window, the same reach
// a window has within one Windows session. Each datagram also carries its
// sender's credentials, and one from another user is dropped: a socket that
// another user got hold of some other way (inherited, passed over, connected
// before it changed its user) still cannot post.
#include "common/os/posix/endpoint.h"
#include "common/os/posix/private_folder.h"
#include "common/os/posix/unique_fd.h"
#include "common/os/posix/wire.h"

#include "common/text.h"

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace quenby::os::posix {


namespace {

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

void putLittleEndian(unsigned char* out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint64_t getLittleEndian(const unsigned char* in, int bytes)
{
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | in[i];
    return value;
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

void encode(const PostedMessage& message, unsigned char (&record)[kRecordSize])
{
    putLittleEndian(record, kMagic, 4);
    putLittleEndian(record + 4, message.message, 4);
    putLittleEndian(record + 8, message.wParam, 8);
    putLittleEndian(record + 16, static_cast<std::uint64_t>(message.lParam), 8);
}

std::uint64_t fnv1a64(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

// Gives the socket file a modification time with full clock resolution: findWindow
// picks the newest endpoint of an identity, and the file system's own time stamps
// are only as fine as the kernel's tick, too coarse for two endpoints opened in
// quick succession.
void stampNow(const std::string& path)
{
    timespec now {};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0)
        return;
    const timespec times[2] = {now, now};
    (void)::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

} // namespace

namespace detail {

std::string windowFilePrefix(std::u16string_view windowClass, std::u16string_view title)
{
    // U+0001 cannot occur in either part, so that ("ab", "c") and ("a", "bc") differ.
    std::u16string identity = foldCase(windowClass);
    identity += u'\x0001';
    identity += foldCase(title);
    char hex[20];
    std::snprintf(hex, sizeof hex, "%016llx.",
                  static_cast<unsigned long long>(fnv1a64(toUtf8(identity))));
    return hex;
}

Probe probeEndpoint(const std::string& path)
{
    sockaddr_un address {};
    socklen_t length = 0;
    if (!makeAddress(path, address, length))
        return Probe::Unreachable;
    UniqueFd probe(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (probe.get() < 0)
        return Probe::Unreachable;
    if (::connect(probe.get(), reinterpret_cast<const sockaddr*>(&address), length) == 0)
        return Probe::Live;
    switch (errno) {
    case ECONNREFUSED: return Probe::Stale; // the file is there, nobody is bound to it
    case ENOENT: return Probe::Gone;
    default: return Probe::Unreachable;
    }
}

bool sendMessage(const std::string& path, const PostedMessage& message)
{
    sockaddr_un address {};
    socklen_t length = 0;
    if (!makeAddress(path, address, length))
        return false;
    UniqueFd sender(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (sender.get() < 0)
        return false;
    unsigned char record[kRecordSize];
    encode(message, record);
    // Never block (a full queue means the receiver is stuck: report it) and never
    // die of SIGPIPE.
    const ssize_t sent = ::sendto(sender.get(), record, sizeof record, MSG_DONTWAIT | MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr*>(&address), length);
    return sent == static_cast<ssize_t>(sizeof record);
}

} // namespace detail

std::string runtimeFolder(std::string* reason)
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
    PrivateFolder folder = openPrivateFolder(path, {.rootMayOwn = false, .closedToOthers = true, .create = true});
    if (reason != nullptr)
        *reason = folder.refusal.empty() && !folder.fd.valid() ? "folder " + path + " cannot be created" : folder.refusal;
    return folder.fd.valid() ? path : std::string();
}

Endpoint::Endpoint(std::u16string_view windowClass, std::u16string_view title)
{
    const std::string folder = runtimeFolder();
    if (folder.empty())
        return;
    UniqueFd socket(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0)
        return;
    // Before anything can be queued: every datagram then comes with its sender's
    // credentials, which receive() checks.
    const int on = 1;
    if (::setsockopt(socket.get(), SOL_SOCKET, SO_PASSCRED, &on, sizeof on) != 0)
        return;

    const std::string stem = folder + "/" + detail::windowFilePrefix(windowClass, title) +
                             std::to_string(::getpid());
    // The first endpoint of an identity in this process is "<hash>.<pid>.sock";
    // should the process open a second one, it gets "<hash>.<pid>-2.sock" and so on.
    bool staleRemoved = false;
    int serial = 1;
    for (int attempt = 0; attempt < 128 && serial <= 64; ++attempt) {
        const std::string path =
            stem + (serial == 1 ? std::string() : "-" + std::to_string(serial)) + ".sock";
        sockaddr_un address {};
        socklen_t length = 0;
        if (!makeAddress(path, address, length))
            return;
        if (::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), length) == 0) {
            // bind() gave the file the umask's mode; until this chmod only the
            // private folder guards it.
            if (::chmod(path.c_str(), 0600) != 0) {
                ::unlink(path.c_str());
                return;
            }
            stampNow(path);
            path_ = path;
            fd_ = socket.release();
            return;
        }
        if (errno != EADDRINUSE)
            return;
        // The name is taken: either left over by an ended process that had our
        // pid, which we clear away, or another endpoint of this very process.
        const auto probe = detail::probeEndpoint(path);
        if (probe == detail::Probe::Stale && !staleRemoved) {
            ::unlink(path.c_str());
            staleRemoved = true;
            continue;
        }
        if (probe == detail::Probe::Gone)
            continue;
        staleRemoved = false;
        ++serial;
    }
}

Endpoint::~Endpoint()
{
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(path_.c_str());
    }
}

std::optional<PostedMessage> Endpoint::receive()
{
    if (fd_ < 0)
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
        const ssize_t got = ::recvmsg(fd_, &header, MSG_DONTWAIT | MSG_TRUNC | MSG_CMSG_CLOEXEC);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt; // EAGAIN: nothing waits
        }
        if (!fromThisUser(header) || got != static_cast<ssize_t>(kRecordSize) ||
            getLittleEndian(buffer, 4) != kMagic) {
            ++dropped;
            continue;
        }
        PostedMessage message;
        message.message = static_cast<std::uint32_t>(getLittleEndian(buffer + 4, 4));
        message.wParam = getLittleEndian(buffer + 8, 8);
        message.lParam = static_cast<std::int64_t>(getLittleEndian(buffer + 16, 8));
        return message;
    }
    return std::nullopt;
}

std::optional<PostedMessage> Endpoint::wait(int timeoutMs)
{
    if (fd_ < 0)
        return std::nullopt;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        if (auto message = receive())
            return message;
        int remaining = -1;
        if (timeoutMs >= 0) {
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                return std::nullopt;
            remaining = static_cast<int>(left);
        }
        pollfd watch {fd_, POLLIN, 0};
        if (::poll(&watch, 1, remaining) < 0 && errno != EINTR)
            return std::nullopt;
    }
}

} // namespace quenby::os::posix
