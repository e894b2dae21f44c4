#include "tests/system/system_support.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "common/os/process.h"
#include "common/os/registry.h"
#include "common/os/windowlink.h"
#include "common/sampling.h"
#include "common/text.h"

extern char** environ;

namespace quenby::systest {
namespace {

// `--quenby-child=hold MB`: holds MB megabytes of touched memory until killed.
int holdChild(int argc, char** argv)
{
    if (argc < 1)
        return 2;
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const std::size_t bytes = static_cast<std::size_t>(std::stoull(argv[0])) << 20;
    void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (block == MAP_FAILED) {
        std::printf("failed\n");
        return 3;
    }
    for (std::size_t offset = 0; offset < bytes; offset += 4096)
        static_cast<volatile char*>(block)[offset] = 1;
    std::printf("holding\n");
    std::fflush(stdout);
    for (;;)
        ::pause();
}
test::ChildRole holdRole("hold", holdChild);

} // namespace
namespace fs = std::filesystem;

namespace {

std::string readWhole(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool writeWhole(const std::string& path, const std::string& text, std::string* error = nullptr)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    Fd guard(fd);
    if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        if (error)
            *error = "cannot write '" + text + "' to " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool hasWord(const std::string& list, const std::string& word)
{
    std::istringstream in(list);
    std::string item;
    while (in >> item) {
        if (item == word)
            return true;
    }
    return false;
}

} // namespace

// ---------------------------------------------------------------------------
// Adopted

Adopted::~Adopted()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
}

int Adopted::waitExit(int timeoutMs)
{
    int code = -1;
    const bool ended = eventually(
        [&] {
            int status = 0;
            if (pid_ <= 0 || ::waitpid(pid_, &status, WNOHANG) != pid_)
                return false;
            code = test::exitCodeOf(status);
            pid_ = -1; // reaped: the number may be reused, so never signal it again
            return true;
        },
        timeoutMs);
    return ended ? code : -1;
}

// ---------------------------------------------------------------------------
// Helpers

Outcome runCtl(const std::vector<std::string>& args, const std::string& cgroupProcs, int timeoutMs)
{
    std::vector<std::string> argv = {ctlPath()};
    argv.insert(argv.end(), args.begin(), args.end());
    Process ctl(argv, cgroupProcs);
    Outcome run;
    run.exitCode = ctl.waitExit(timeoutMs);
    run.out = ctl.output();
    run.err = ctl.error();
    return run;
}

std::string programPath(std::string_view name)
{
    // Every program of the build lands in one folder, this suite included.
    return toUtf8(os::executableDirectory()) + "/" + std::string(name);
}

std::string enginePath()
{
    return programPath(toUtf8(os::engineFileName()));
}

std::string ctlPath()
{
    return programPath("quenbyctl");
}

double peakResidentMB(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0; // given in kB
    }
    return -1;
}

pid_t pidOfWindow(const std::string& address)
{
    const std::string name = fs::path(address).filename().string();
    const auto end = name.rfind(".sock"); // <hash>.<stamp>.<pid>.sock
    const auto dot = end == std::string::npos || end == 0 ? std::string::npos : name.rfind('.', end - 1);
    if (dot == std::string::npos || end == std::string::npos || end <= dot + 1)
        return -1;
    try {
        return static_cast<pid_t>(std::stol(name.substr(dot + 1, end - dot - 1)));
    } catch (...) {
        return -1;
    }
}

std::uint32_t messageNumber(Message which)
{
    return os::registerMessage(messageName(which));
}

// ---------------------------------------------------------------------------
// MemoryGroup

std::unique_ptr<MemoryGroup> MemoryGroup::create(std::uint64_t limitMB, std::string& whyNot)
{
    // This process's own groups: "id:controllers:path" per hierarchy; v2 is "0::path".
    std::string v1Own, v2Own;
    bool inV1 = false, inV2 = false;
    {
        std::ifstream in("/proc/self/cgroup");
        std::string line;
        while (std::getline(in, line)) {
            const auto first = line.find(':');
            const auto second = line.find(':', first + 1);
            if (first == std::string::npos || second == std::string::npos)
                continue;
            const std::string controllers = line.substr(first + 1, second - first - 1);
            const std::string path = line.substr(second + 1);
            if (("," + controllers + ",").find(",memory,") != std::string::npos) {
                inV1 = true;
                v1Own = path;
            } else if (line.compare(0, first, "0") == 0 && controllers.empty()) {
                inV2 = true;
                v2Own = path;
            }
        }
    }
    const auto under = [](const std::string& root, const std::string& path) {
        return root + (path == "/" ? "" : path);
    };
    static std::atomic<unsigned> serial{0};
    const std::string name =
        "quenby-system-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
    const std::string limit = std::to_string(limitMB << 20);

    std::vector<std::string> reasons;
    const auto make = [&](const std::string& base, const std::string& own, const char* limitFile,
                          bool v2) -> std::unique_ptr<MemoryGroup> {
        const std::string dir = base + "/" + name;
        if (::mkdir(dir.c_str(), 0755) != 0) {
            reasons.push_back("cannot create " + dir + ": " + std::strerror(errno));
            return nullptr;
        }
        std::unique_ptr<MemoryGroup> group(new MemoryGroup);
        group->path_ = dir;
        group->procs_ = dir + "/cgroup.procs";
        group->parentProcs_ = own + "/cgroup.procs";
        group->v2_ = v2;
        std::string error;
        if (!writeWhole(dir + "/" + limitFile, limit, &error)) {
            reasons.push_back(error);
            return nullptr; // the destructor removes the folder
        }
        return group;
    };

    if (inV1 && fs::exists("/sys/fs/cgroup/memory/cgroup.procs")) {
        const std::string own = under("/sys/fs/cgroup/memory", v1Own);
        if (auto group = make(own, own, "memory.limit_in_bytes", false))
            return group;
    }
    // The engine looks for a v2 hierarchy at /sys/fs/cgroup only.
    if (inV2 && fs::exists("/sys/fs/cgroup/cgroup.controllers")) {
        const std::string own = under("/sys/fs/cgroup", v2Own);
        // A v2 group that holds processes can't hand controllers to children, so
        // the group goes beside ours, unless ours is the root.
        const std::string base = v2Own == "/" ? own : fs::path(own).parent_path().string();
        std::string error;
        if (!hasWord(readWhole(base + "/cgroup.controllers"), "memory")) {
            reasons.push_back("the v2 memory controller is not available in " + base);
        } else if (!hasWord(readWhole(base + "/cgroup.subtree_control"), "memory") &&
                   !writeWhole(base + "/cgroup.subtree_control", "+memory", &error)) {
            reasons.push_back("cannot enable the v2 memory controller: " + error);
        } else if (auto group = make(base, own, "memory.max", true)) {
            return group;
        }
    }
    if (reasons.empty())
        reasons.push_back("no memory cgroup: neither v1 at /sys/fs/cgroup/memory nor a v2 "
                          "memory controller at /sys/fs/cgroup");
    whyNot.clear();
    for (const auto& reason : reasons)
        whyNot += (whyNot.empty() ? "" : "; ") + reason;
    return nullptr;
}

MemoryGroup::~MemoryGroup()
{
    // Normally empty by now (every process in it was ours and has been ended);
    // anything left is moved back to our own group, or the folder can't go.
    // Processes that just ended may linger a moment.
    eventually(
        [&] {
            std::istringstream pids(readWhole(procs_));
            std::string pid;
            while (pids >> pid)
                writeWhole(parentProcs_, pid);
            return ::rmdir(path_.c_str()) == 0 || errno == ENOENT;
        },
        10000);
}

bool MemoryGroup::limitWasHit() const
{
    if (!v2_) {
        std::istringstream in(readWhole(path_ + "/memory.failcnt"));
        std::uint64_t count = 0;
        return (in >> count) && count > 0;
    }
    std::istringstream in(readWhole(path_ + "/memory.events"));
    std::string key;
    std::uint64_t count = 0;
    while (in >> key >> count) {
        if ((key == "max" || key == "oom" || key == "oom_kill") && count > 0)
            return true;
    }
    return false;
}

// ---------------------------------------------------------------------------
// SystemTest

SystemTest::SystemTest()
    : config_(temp_.path() / "config"),
      runtime_(temp_.path() / "run"),
      configEnv_("XDG_CONFIG_HOME", config_.c_str()),
      systemConfigEnv_("XDG_CONFIG_DIRS", (temp_.path() / "system").c_str()),
      runtimeEnv_("XDG_RUNTIME_DIR", runtime_.c_str())
{
    for (const auto& dir : {config_, runtime_}) {
        fs::create_directory(dir);
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace);
    }
}

void SystemTest::SetUp()
{
    // The engine that `quenbyctl enable` starts is orphaned at once; as a
    // subreaper this suite inherits it, so it can see its exit code and end it.
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0) << std::strerror(errno);
    ASSERT_TRUE(fs::exists(enginePath())) << enginePath() << " was not built";
    ASSERT_TRUE(fs::exists(ctlPath())) << ctlPath() << " was not built";
}

void SystemTest::TearDown()
{
    // The guards of the test body have ended their processes by now; whatever is
    // still our child was adopted, or is a stray.
    const std::string parent = std::to_string(::getpid());
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        // "pid (comm) state ppid ...": the name in parentheses may hold spaces.
        const std::string stat = readWhole("/proc/" + name + "/stat");
        const auto close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream fields(stat.substr(close + 1));
        std::string state, ppid;
        if (!(fields >> state >> ppid) || ppid != parent)
            continue;
        const pid_t child = static_cast<pid_t>(std::stol(name));
        // An ended orphan (the half-started program of a failed start) only
        // needs reaping; one that has just reported its failed exec may still be
        // on its way out, so it gets a moment. One that lives on is a fault.
        int status = 0;
        bool ended = state == "Z";
        for (int i = 0; i < 200 && !ended; ++i) {
            ended = ::waitpid(child, &status, WNOHANG) == child;
            if (!ended)
                ::usleep(10000);
        }
        if (ended) {
            ::waitpid(child, &status, WNOHANG);
            continue;
        }
        ADD_FAILURE() << "a child process was left running: " << stat.substr(0, close + 1);
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
}

os::Registry& SystemTest::registry()
{
    return os::currentUserRegistry();
}

Settings SystemTest::panelSettings()
{
    Settings settings;
    readSettings(registry(), settings, totalPhysicalMB(), Deliverable::panel);
    return settings;
}

std::optional<std::uint32_t> SystemTest::storedNumber(std::u16string_view name)
{
    auto key = registry().openKey(kSettingsKey, os::RegAccess::read);
    if (!key)
        return std::nullopt;
    std::uint32_t value = 0;
    std::uint32_t size = sizeof value;
    if (key->queryValue(name, &value, size, nullptr) != os::RegStatus::ok || size != sizeof value)
        return std::nullopt;
    return value;
}

std::unique_ptr<Process> SystemTest::startEngine(const std::string& cgroupProcs,
                                                 std::uint64_t addressSpaceMB)
{
    auto engine = std::make_unique<Process>(std::vector<std::string>{enginePath()}, cgroupProcs,
                                            addressSpaceMB);
    EXPECT_TRUE(engine->started()) << "the engine could not be started";
    EXPECT_TRUE(engine->waitForError("tray icon added"))
        << "the engine did not set itself up; its output:\n"
        << engine->error();
    EXPECT_EQ(pidOfWindow(os::findWindow(kEngineWindowClass, kEngineWindowTitle).address),
              engine->pid())
        << "the engine's window is not found";
    return engine;
}

} // namespace quenby::systest
