// The window link on Linux, tested with real sockets and real processes: a child
// copy of this suite opens a window endpoint, the test finds it by class and title
// and posts to it, and the child reports what arrived.
#include "common/identity.h"
#include "common/os/posix/endpoint.h"
#include "common/os/windowlink.h"
#include "common/text.h"
#include "tests/posix/other_user.h"
#include "tests/support/endpoint_wait.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using quenby::os::findWindow;
using quenby::os::postMessage;
using quenby::os::postToWindow;
using quenby::os::registerMessage;
using quenby::os::WindowRef;
using quenby::os::posix::Endpoint;
using quenby::test::waitFor;

// The runtime folder's path when it may be used, else "" and the refusal in `reason`.
std::string runtimeFolder(std::string* reason = nullptr)
{
    const auto folder = quenby::os::posix::openRuntimeFolder();
    if (reason != nullptr)
        *reason = folder.refusal;
    return folder.fd.valid() ? folder.path : std::string();
}

constexpr std::array<std::u16string_view, 6> kNames = {
    u"WM_UPDATEDATAMESSAGE", u"WM_StartDefragRAM", u"WM_QUENBY_START",
    u"WM_QUENBY_EXIT",       u"WM_QUENBY_DISABLE", u"WM_QUENBY_ENABLE",
};

// Class and title with letters outside ASCII, so that the case-insensitive match
// is tested beyond A-Z.
constexpr std::u16string_view kClass = u"TQuenbyLinkTest";
constexpr std::u16string_view kTitle = u"Quenby \u03a9mega \u0422\u0435\u0441\u0442";
constexpr std::u16string_view kClassOtherCase = u"tquenbylinktest";
constexpr std::u16string_view kTitleOtherCase = u"QUENBY \u03c9MEGA \u0442\u0415\u0421\u0422";

// ---------------------------------------------------------------------------
// The child: `--quenby-child=endpoint <class> <title> <count>` opens an endpoint,
// prints "ready <path> <six registered numbers>", then for each of <count>
// messages prints "got <message> <wParam> <lParam>" and ends. With count 0 it just
// stays open for a while (until the test kills it).
int endpointChild(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const int count = std::atoi(argv[2]);
    Endpoint endpoint(quenby::fromUtf8(argv[0]), quenby::fromUtf8(argv[1]));
    if (!endpoint.isOpen()) {
        std::printf("failed\n");
        return 3;
    }
    std::printf("ready %s", endpoint.path().c_str());
    for (const auto name : kNames)
        std::printf(" %u", registerMessage(name));
    std::printf("\n");
    std::fflush(stdout);
    if (count == 0) {
        (void)waitFor(endpoint, 30000);
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        const auto message = waitFor(endpoint, 10000);
        if (!message) {
            std::printf("timeout\n");
            return 4;
        }
        std::printf("got %u %llu %lld\n", message->message,
                    static_cast<unsigned long long>(message->wParam),
                    static_cast<long long>(message->lParam));
        std::fflush(stdout);
    }
    return 0;
}
quenby::test::ChildRole endpointRole("endpoint", endpointChild);

// A running child copy of this suite: an endpoint that takes `count` messages.
using Child = quenby::test::Process;

struct ReadyLine {
    std::string path;
    std::vector<std::uint32_t> numbers;
};

std::optional<ReadyLine> parseReady(const std::string& line)
{
    std::istringstream in(line);
    std::string word;
    ReadyLine ready;
    if (!(in >> word) || word != "ready" || !(in >> ready.path))
        return std::nullopt;
    std::uint32_t number = 0;
    while (in >> number)
        ready.numbers.push_back(number);
    return ready;
}

std::string gotLine(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam)
{
    return "got " + std::to_string(message) + " " + std::to_string(wParam) + " " +
           std::to_string(lParam);
}

// Every test runs with a runtime folder of its own.
class WindowLink : public ::testing::Test {
protected:
    quenby::test::TempDir temp_;
    fs::path runtime_ = temp_.path() / "run";
    quenby::test::ScopedEnv env_ {"XDG_RUNTIME_DIR", runtime_.c_str()};

    // Waits for a child endpoint's ready line.
    std::optional<ReadyLine> startEndpoint(Child& child)
    {
        if (!child.started())
            return std::nullopt;
        return parseReady(child.nextLine());
    }
};

std::vector<std::string> childArgs(int count)
{
    return {quenby::test::selfPath(), "--quenby-child=endpoint", quenby::toUtf8(kClass), quenby::toUtf8(kTitle),
            std::to_string(count)};
}

// A socket of the test's own, bound to a path, to see the bytes that travel and
// to send datagrams that postMessage never would.
class RawSocket {
public:
    RawSocket() : fd_(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {}
    ~RawSocket()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!bound_.empty())
            ::unlink(bound_.c_str());
    }
    RawSocket(const RawSocket&) = delete;
    RawSocket& operator=(const RawSocket&) = delete;

    bool bind(const std::string& path)
    {
        const sockaddr_un address = addressOf(path);
        if (::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            return false;
        bound_ = path;
        return true;
    }
    // Closes without removing the file, as a killed process would.
    void keepFile() { bound_.clear(); }
    bool sendTo(const std::string& path, const std::vector<unsigned char>& bytes)
    {
        const sockaddr_un address = addressOf(path);
        return ::sendto(fd_, bytes.data(), bytes.size(), MSG_DONTWAIT,
                        reinterpret_cast<const sockaddr*>(&address),
                        sizeof address) == static_cast<ssize_t>(bytes.size());
    }
    // One datagram, as long as it really was (up to 4 KiB).
    std::vector<unsigned char> receive(int timeoutMs)
    {
        pollfd watch {fd_, POLLIN, 0};
        if (::poll(&watch, 1, timeoutMs) <= 0)
            return {};
        std::vector<unsigned char> bytes(4096);
        const ssize_t got = ::recv(fd_, bytes.data(), bytes.size(), MSG_DONTWAIT);
        bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        return bytes;
    }

private:
    static sockaddr_un addressOf(const std::string& path)
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        return address;
    }
    int fd_;
    std::string bound_;
};

std::uintptr_t inodeOf(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return 0;
    return static_cast<std::uintptr_t>(info.st_ino);
}

unsigned modeOf(const fs::path& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return 0xFFFF;
    return info.st_mode & 07777;
}

// ---------------------------------------------------------------------------

// (Their range, stability, distinctness and ASCII letter case: the unit suite's
// Identity cases, on both faces.)
TEST_F(WindowLink, RegisteredNumbersFoldLettersBeyondAsciiAndAgreeWithAnotherProcess)
{
    EXPECT_EQ(registerMessage(u"\u0422\u0435\u0441\u0442"), registerMessage(u"\u0442\u0415\u0421\u0422"));
    Child child(childArgs(0));
    const auto ready = startEndpoint(child);
    ASSERT_TRUE(ready) << "the child did not open its endpoint";
    std::vector<std::uint32_t> ours;
    for (const auto name : kNames)
        ours.push_back(registerMessage(name));
    EXPECT_EQ(ready->numbers, ours);
}

TEST_F(WindowLink, ChildIsFoundInAnyCaseAndReceivesExactNumbers)
{
    Child child(childArgs(3));
    const auto ready = startEndpoint(child);
    ASSERT_TRUE(ready);
    // <hash>.<stamp>.<pid>.sock, the hash and the stamp of 16 hex digits each
    const std::string name = fs::path(ready->path).filename().string();
    EXPECT_EQ(name.find('.'), 16u);
    EXPECT_EQ(name.find('.', 17), 33u);
    EXPECT_EQ(name.substr(34), std::to_string(child.pid()) + ".sock");
    EXPECT_EQ(fs::path(ready->path).parent_path(), runtime_ / "quenby");

    const WindowRef found = findWindow(kClassOtherCase, kTitleOtherCase);
    ASSERT_TRUE(found) << "not found by class and title in other letter case";
    EXPECT_EQ(found.address, ready->path);
    EXPECT_EQ(found.id, inodeOf(ready->path));
    EXPECT_EQ(findWindow(kClass, kTitle).address, ready->path);
    // Neither part alone, nor the parts run together differently, finds it.
    EXPECT_FALSE(findWindow(kClass, u"Quenby"));
    EXPECT_FALSE(findWindow(u"TQuenbyLinkTestQuenby", u""));
    EXPECT_FALSE(findWindow(u"", kTitle));

    const auto defrag = registerMessage(u"WM_StartDefragRAM");
    ASSERT_TRUE(postMessage(found, defrag, 0x1'0000'012CULL, -5));
    EXPECT_EQ(child.nextLine(), gotLine(defrag, 0x1'0000'012CULL, -5));

    // The extremes of both parameters survive the trip.
    ASSERT_TRUE(postMessage(found, 16, UINT64_MAX, INT64_MIN));
    EXPECT_EQ(child.nextLine(), gotLine(16, UINT64_MAX, INT64_MIN));

    // postToWindow finds and posts in one go.
    const auto exitNumber = registerMessage(u"WM_QUENBY_EXIT");
    ASSERT_TRUE(postToWindow(kClassOtherCase, kTitle, exitNumber, 0, INT64_MAX));
    EXPECT_EQ(child.nextLine(), gotLine(exitNumber, 0, INT64_MAX));

    // A child that ends normally removes its socket; then it is not found, and a
    // reference to it no longer posts.
    EXPECT_EQ(child.waitExit(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(ready->path)));
    EXPECT_FALSE(findWindow(kClass, kTitle));
    EXPECT_FALSE(postMessage(found, defrag, 1, 1));
    EXPECT_FALSE(postToWindow(kClass, kTitle, defrag, 1, 1));
}

// (The newest of one identity is found, then the older again once it is gone:
// EndpointsInOneProcessAreDistinctAndRemoveTheirFiles.)
TEST_F(WindowLink, AKilledNewerEndpointPostsNothingAndIsClearedForAnOlderLiveOne)
{
    // Killed, a process leaves its socket file behind.
    Child live(childArgs(1));
    ASSERT_TRUE(startEndpoint(live));
    Child killed(childArgs(0));
    const auto killedReady = startEndpoint(killed);
    ASSERT_TRUE(killedReady);
    const WindowRef killedRef = findWindow(kClass, kTitle);
    EXPECT_EQ(killedRef.address, killedReady->path);
    killed.kill();
    ASSERT_TRUE(fs::is_socket(fs::symlink_status(killedReady->path)));
    EXPECT_FALSE(postMessage(killedRef, 1, 2, 3)) << "posted to a process that is gone";
    const WindowRef third = findWindow(kClassOtherCase, kTitleOtherCase);
    ASSERT_TRUE(third);
    EXPECT_NE(third.address, killedReady->path);
    EXPECT_FALSE(fs::exists(fs::symlink_status(killedReady->path))) << "the stale file was kept";
    ASSERT_TRUE(postMessage(third, 0xC125, 1, 1));
    EXPECT_EQ(live.nextLine(), gotLine(0xC125, 1, 1));
}

TEST_F(WindowLink, EndpointsInOneProcessAreDistinctAndRemoveTheirFiles)
{
    std::string firstPath;
    {
        Endpoint first(kClass, kTitle);
        ASSERT_TRUE(first.isOpen());
        firstPath = first.path();
        EXPECT_EQ(fs::path(firstPath).filename().string().find('.'), 16u);
        EXPECT_EQ(findWindow(kClass, kTitle).address, firstPath);
        {
            Endpoint second(kClassOtherCase, kTitleOtherCase); // the same identity
            ASSERT_TRUE(second.isOpen());
            EXPECT_NE(second.path(), firstPath);
            EXPECT_TRUE(fs::is_socket(fs::symlink_status(firstPath)));
            const WindowRef found = findWindow(kClass, kTitle);
            EXPECT_EQ(found.address, second.path());
            ASSERT_TRUE(postMessage(found, 0xC001, 1, 2));
            const auto message = waitFor(second, 5000);
            ASSERT_TRUE(message);
            EXPECT_EQ(message->message, 0xC001u);
            EXPECT_FALSE(first.receive()) << "the message went to both endpoints";
        }
        EXPECT_EQ(findWindow(kClass, kTitle).address, firstPath);
        // Another identity is another file.
        Endpoint other(u"TQuenbyOther", kTitle);
        ASSERT_TRUE(other.isOpen());
        EXPECT_NE(fs::path(other.path()).filename().string().substr(0, 16),
                  fs::path(firstPath).filename().string().substr(0, 16));
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(firstPath)));
    EXPECT_FALSE(findWindow(kClass, kTitle));

    // Opened back to back, within one tick of a coarse clock: the one opened
    // last is still the one found.
    for (int round = 0; round < 20; ++round) {
        Endpoint older(kClass, kTitle);
        Endpoint newer(kClass, kTitle);
        ASSERT_TRUE(older.isOpen() && newer.isOpen());
        ASSERT_EQ(findWindow(kClass, kTitle).address, newer.path()) << "round " << round;
    }
}

TEST_F(WindowLink, MalformedDatagramsAreDroppedAndGoodOnesStillArrive)
{
    Endpoint endpoint(kClass, kTitle);
    ASSERT_TRUE(endpoint.isOpen());

    // Capture the bytes a real post sends, to make near misses of them.
    RawSocket tap;
    const std::string tapPath = (runtime_ / "quenby" / "tap").string();
    ASSERT_TRUE(tap.bind(tapPath));
    ASSERT_TRUE(postMessage(WindowRef {inodeOf(tapPath), tapPath}, 0xC0DE, 0x1122334455667788ULL,
                            -2));
    const auto good = tap.receive(5000);
    // Little-endian fields after the four-byte marker.
    ASSERT_EQ(good, (std::vector<unsigned char>{'Q',  'N',  'B',  'Y',  0xDE, 0xC0, 0,    0,
                                                0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11,
                                                0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));

    auto wrongMagic = good;
    wrongMagic[0] ^= 0x01;
    auto longer = good;
    longer.push_back(0);
    std::vector<unsigned char> huge(64 * 1024, 0);
    std::copy(good.begin(), good.end(), huge.begin()); // a valid record at its head
    const std::vector<std::vector<unsigned char>> hostile = {
        {}, {good.begin(), good.end() - 1}, longer, wrongMagic, huge, {0x51}, std::vector<unsigned char>(24, 0),
    };

    RawSocket sender;
    for (const auto& datagram : hostile)
        ASSERT_TRUE(sender.sendTo(endpoint.path(), datagram)) << datagram.size() << " bytes";
    EXPECT_FALSE(endpoint.receive()) << "a malformed datagram was taken for a message";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(waitFor(endpoint, 150));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(140));

    for (const auto& datagram : hostile)
        ASSERT_TRUE(sender.sendTo(endpoint.path(), datagram));
    ASSERT_TRUE(sender.sendTo(endpoint.path(), good));
    const auto message = waitFor(endpoint, 5000);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->message, 0xC0DEu);
    EXPECT_EQ(message->wParam, 0x1122334455667788ULL);
    EXPECT_EQ(message->lParam, -2);
    EXPECT_FALSE(endpoint.receive());
}

TEST_F(WindowLink, PostingToAFullQueueFailsAtOnceInsteadOfBlocking)
{
    Endpoint endpoint(kClass, kTitle);
    ASSERT_TRUE(endpoint.isOpen());
    const WindowRef found = findWindow(kClass, kTitle);
    ASSERT_TRUE(found);
    int accepted = 0;
    bool refused = false;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 2000 && !refused; ++i) {
        if (postMessage(found, 0xC000, static_cast<std::uint64_t>(i), 0))
            ++accepted;
        else
            refused = true;
    }
    EXPECT_TRUE(refused) << "a queue that nobody reads never filled";
    EXPECT_GT(accepted, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // What was queued arrives in order.
    for (int i = 0; i < accepted; ++i) {
        const auto message = endpoint.receive();
        ASSERT_TRUE(message);
        EXPECT_EQ(message->wParam, static_cast<std::uint64_t>(i));
    }
    EXPECT_FALSE(endpoint.receive());
    EXPECT_TRUE(postMessage(found, 0xC000, 1, 1)) << "room again after reading";
    // A reference that names nothing posts nothing.
    EXPECT_FALSE(postMessage(WindowRef {}, 0xC000, 1, 1));
    EXPECT_FALSE(postMessage(WindowRef {found.id + 1, found.address}, 0xC000, 1, 1));
    EXPECT_FALSE(postMessage(WindowRef {found.id, found.address + ".x"}, 0xC000, 1, 1));
}

TEST_F(WindowLink, FreshRuntimeFolderIsCreatedPrivate)
{
    ASSERT_FALSE(fs::exists(runtime_));
    std::string reason = "untouched";
    const std::string folder = runtimeFolder(&reason);
    EXPECT_EQ(folder, (runtime_ / "quenby").string());
    EXPECT_TRUE(reason.empty()) << reason;
    EXPECT_EQ(modeOf(runtime_), 0700u);
    EXPECT_EQ(modeOf(runtime_ / "quenby"), 0700u);
    EXPECT_EQ(runtimeFolder(), folder) << "an existing good folder is accepted";

    // Even under a umask that would lock the owner out; and the socket is
    // private under one that opens everything.
    fs::remove(runtime_ / "quenby");
    const mode_t old = ::umask(0777);
    const std::string again = runtimeFolder();
    ::umask(0);
    Endpoint endpoint(kClass, kTitle);
    ::umask(old);
    EXPECT_EQ(again, folder);
    EXPECT_EQ(modeOf(runtime_ / "quenby"), 0700u);
    ASSERT_TRUE(endpoint.isOpen());
    EXPECT_EQ(modeOf(endpoint.path()), 0600u);

    // A trailing slash in the variable changes nothing.
    const std::string withSlash = runtime_.string() + "/";
    quenby::test::ScopedEnv slash("XDG_RUNTIME_DIR", withSlash.c_str());
    EXPECT_EQ(runtimeFolder(), folder);
}

// Each way of making the runtime folder unsafe; in every case nothing is found,
// nothing opens and nothing crashes.
TEST_F(WindowLink, UnsafeRuntimeFolderIsRefused)
{
    const fs::path quenby = runtime_ / "quenby";
    auto expectRefused = [&](const char* what, const char* reasonWord) {
        SCOPED_TRACE(what);
        std::string reason;
        EXPECT_EQ(runtimeFolder(&reason), "");
        EXPECT_NE(reason.find(reasonWord), std::string::npos) << reason;
        Endpoint endpoint(kClass, kTitle);
        EXPECT_FALSE(endpoint.isOpen());
        EXPECT_FALSE(endpoint.receive());
        EXPECT_FALSE(waitFor(endpoint, 0));
        EXPECT_FALSE(findWindow(kClass, kTitle));
        EXPECT_FALSE(postToWindow(kClass, kTitle, 0xC000, 1, 1));
    };
    auto reset = [&] {
        fs::remove_all(runtime_);
        fs::create_directory(runtime_);
        fs::permissions(runtime_, fs::perms::owner_all);
        fs::create_directory(quenby);
        fs::permissions(quenby, fs::perms::owner_all);
    };

    // Writable by anyone but the owner; or searchable at all by others, which lets
    // anyone who can guess a socket's name post to it.
    const std::tuple<const char*, int, const char*> modes[] = {
        {"world-writable", 0777, "writable"},
        {"group-writable", 0770, "writable"},
        {"writable by others only", 0702, "writable"},
        {"searchable by others", 0711, "open to group or others"},
        {"readable by its group", 0750, "open to group or others"},
    };
    for (const auto& [what, mode, reasonWord] : modes) {
        reset();
        fs::permissions(quenby, static_cast<fs::perms>(mode));
        expectRefused(what, reasonWord);
    }

    reset();
    fs::remove(quenby);
    fs::create_directory(temp_.path() / "elsewhere");
    fs::permissions(temp_.path() / "elsewhere", fs::perms::owner_all);
    fs::create_directory_symlink(temp_.path() / "elsewhere", quenby);
    expectRefused("a symbolic link to a good folder", "symbolic link");

    reset();
    fs::remove(quenby);
    std::ofstream(quenby) << "not a folder";
    expectRefused("a plain file", "not a folder");

    // The folder the variable names must not let others swap our folder.
    reset();
    fs::permissions(runtime_, fs::perms::all);
    expectRefused("XDG_RUNTIME_DIR writable by all, not sticky", "writable");

    {
        quenby::test::ScopedEnv missing("XDG_RUNTIME_DIR", "/proc/no-such-folder/run");
        expectRefused("XDG_RUNTIME_DIR that cannot be made", "cannot be created");
    }

    reset();
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(quenby.c_str(), 65534, 65534), 0) << std::strerror(errno);
        expectRefused("owned by another user", "another user");
    } else {
        std::printf("[   NOTE   ] not root: the other-owner case is not run\n");
    }

    // Once made safe again, it works.
    reset();
    EXPECT_EQ(runtimeFolder(), quenby.string());
    Endpoint endpoint(kClass, kTitle);
    EXPECT_TRUE(endpoint.isOpen());
}

// The 24-byte record that postMessage sends: "QNBY", the message, wParam, lParam.
std::vector<unsigned char> record(std::uint32_t message, std::uint64_t wParam)
{
    std::vector<unsigned char> bytes = {'Q', 'N', 'B', 'Y'};
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<unsigned char>(message >> (8 * i)));
    for (int i = 0; i < 8; ++i)
        bytes.push_back(static_cast<unsigned char>(wParam >> (8 * i)));
    bytes.resize(24, 0);
    return bytes;
}

TEST_F(WindowLink, MessagesFromAnotherUserAreDroppedAndOursStillArrive)
{
    if (!quenby::test::canActAsOtherUser())
        GTEST_SKIP() << "only root can act as another user";
    Endpoint engine(quenby::kEngineWindowClass, quenby::kEngineWindowTitle);
    ASSERT_TRUE(engine.isOpen());

    // The private folder keeps another user from reaching the socket by its name.
    const std::string path = engine.path();
    const auto close = record(quenby::kCloseMessage, 1);
    EXPECT_EQ(quenby::test::runAsOtherUser([&] {
                  RawSocket sender;
                  return !sender.sendTo(path, close) && errno == EACCES ? 0 : 1;
              }),
              0);

    // A socket that reached it before its owner became another user (inherited,
    // passed over, or connected while the folder was open) still carries that
    // user's credentials with each datagram: WM_CLOSE and the rest are dropped.
    const int connected = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(connected, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::connect(connected, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const int sent = quenby::test::runAsOtherUser([&] {
        const auto defrag = record(registerMessage(u"WM_StartDefragRAM"), 4096);
        const bool both = ::send(connected, close.data(), close.size(), 0) == 24 &&
                          ::send(connected, defrag.data(), defrag.size(), 0) == 24;
        return both ? 0 : 1;
    });
    ::close(connected);
    ASSERT_EQ(sent, 0) << "the other user could not send at all";

    ASSERT_TRUE(postToWindow(quenby::kEngineWindowClass, quenby::kEngineWindowTitle, 0xC0DE, 2, 3));
    const auto message = waitFor(engine, 5000);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->message, 0xC0DEu) << "a message of another user was taken";
    EXPECT_EQ(message->wParam, 2u);
    EXPECT_FALSE(engine.receive());
}

TEST_F(WindowLink, FolderTooDeepForASocketAddressFailsCleanly)
{
    // sun_path holds 108 bytes; a longer path must not be cut short to name some
    // other file.
    const fs::path deep = temp_.path() / std::string(100, 'd') / "run";
    fs::create_directories(deep);
    fs::permissions(deep, fs::perms::owner_all);
    quenby::test::ScopedEnv env("XDG_RUNTIME_DIR", deep.c_str());
    EXPECT_FALSE(runtimeFolder().empty());
    Endpoint endpoint(kClass, kTitle);
    EXPECT_FALSE(endpoint.isOpen());
    EXPECT_FALSE(waitFor(endpoint, 0));
    EXPECT_FALSE(findWindow(kClass, kTitle));
    EXPECT_FALSE(postToWindow(kClass, kTitle, 0xC000));
}

} // namespace
