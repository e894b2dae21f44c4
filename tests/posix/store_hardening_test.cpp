// The Linux registry store against a hostile local user and a bad settings file:
// settings that someone else could have written are refused as a whole, read
// as no settings (so that no program is started from their `Path`) and never
// written over; what the store creates is private whatever the umask.
#include "common/os/posix/regfile.h"
#include "common/os/registry.h"
#include "common/settings.h"
#include "common/text.h"
#include "tests/posix/other_user.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace quenby;
using os::RegAccess;
using os::RegStatus;

constexpr std::u16string_view kKey = u"Software\\Quenby";

// probe: everything a program does with the settings that could start another
// program or change the file, one line each on stdout.
test::ChildRole probeRole("store-probe", [](int, char**) -> int {
    os::Registry& registry = os::currentUserRegistry();
    RegStatus status = RegStatus::ok;
    const bool opened = registry.openKey(kKey, RegAccess::read, &status) != nullptr;
    std::printf("openKey %s %u\n", opened ? "opened" : "refused", static_cast<unsigned>(status));
    Settings settings;
    readSettings(registry, settings, 16384, Deliverable::panel);
    std::printf("enginePath %s\n", toUtf8(settings.enginePath).c_str()); // what quenbyctl enable starts
    std::printf("TargetFreeRAM %u\n", static_cast<unsigned>(settings.TargetFreeRAM));
    const auto folder = readEngineInstallPath(registry, 32767); // where the engine starts the panel
    std::printf("engine Path %s\n", folder ? toUtf8(*folder).c_str() : "(none)");
    writeState(registry, 0);
    registry.createKey(kKey, &status);
    std::printf("createKey %u\n", static_cast<unsigned>(status));
    return 0;
});

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeText(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

struct ProbeResult {
    int exit = -1;
    std::string out;
    std::string err;
};

// Runs the probe as a child of this suite; one that hangs is killed after ten
// seconds and reported as such.
ProbeResult probe(const fs::path& scratch)
{
    const fs::path outFile = scratch / "probe.out";
    const fs::path errFile = scratch / "probe.err";
    std::string self = test::selfPath();
    std::string role = "--quenby-child=store-probe";
    char* argv[] = {self.data(), role.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ProbeResult result;
    if (error != 0)
        return result;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            result.err = "(killed: the probe hung)";
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.exit = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = fileText(outFile);
    result.err = fileText(errFile);
    return result;
}

// What is at a path, to tell whether anything was written over it: its kind,
// where a link leads, and the bytes of what it leads to.
std::string snapshot(const fs::path& path)
{
    std::error_code error;
    const auto status = fs::symlink_status(path, error);
    std::string what = std::to_string(static_cast<int>(status.type()));
    if (fs::is_symlink(status))
        what += " -> " + fs::read_symlink(path, error).string();
    if (fs::is_regular_file(fs::status(path, error)))
        what += " " + fileText(path);
    return what;
}

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.insert(entry.path().filename().string());
    names.erase("registry.lock"); // the writers' lock may appear in a folder that passed
    return names;
}

class StoreHardening : public ::testing::Test {
public: // the cases below arrange the files through a reference to the fixture
    test::TempDir dir;
    fs::path config = dir.path() / "config";
    fs::path folder = config / "quenby";
    fs::path file = folder / "registry.reg";
    fs::path theirs = dir.path() / "theirs"; // another user's folder, with their own programs in it
    test::ScopedEnv xdg{"XDG_CONFIG_HOME", config.c_str()};

    std::string hostileSettings() const
    {
        return "REGEDIT4\n\n[Software\\Quenby]\n\"Path\"=\"" + theirs.string() +
               "\"\n\"TargetFreeRAM\"=dword:00000123\n\"Quenby_Stat\"=dword:00000001\n";
    }

    void SetUp() override
    {
        fs::create_directories(folder);
        fs::permissions(config, fs::perms::owner_all);
        fs::permissions(folder, fs::perms::owner_all);
        fs::create_directories(theirs);
        writeText(file, hostileSettings());
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    }

    std::string expectedRefusal(unsigned createStatus) const
    {
        return "openKey refused 2\nenginePath " + toUtf8(enginePathFor(u"")) +
               "\nTargetFreeRAM 4096\nengine Path (none)\ncreateKey " + std::to_string(createStatus) + "\n";
    }
};

TEST_F(StoreHardening, SettingsSomeoneElseCouldHaveWrittenAreRefusedWhole)
{
    struct Case {
        const char* what;
        bool needsRoot;
        std::function<void(StoreHardening&)> make;
        const char* reason; // empty: the store is sound and is used
        unsigned createStatus;
    };
    const auto chownTo = [](const fs::path& path) {
        ASSERT_EQ(::lchown(path.c_str(), test::kOtherUid, test::kOtherUid), 0) << path;
    };
    const std::vector<Case> cases = {
        {"a private folder and file of ours (the control)", false, [](StoreHardening&) {}, "", 0},
        {"another user wrote the file into our folder that everyone can write", true,
         [](StoreHardening& t) {
             fs::remove(t.file);
             fs::permissions(t.config, static_cast<fs::perms>(0755)); // as ~/.config usually is
             fs::permissions(t.folder, fs::perms::all);
             const std::string text = t.hostileSettings();
             const std::string path = t.file.string();
             ASSERT_EQ(test::runAsOtherUser([&] {
                           const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
                           const bool done = fd >= 0 && ::write(fd, text.data(), text.size()) ==
                                                            static_cast<ssize_t>(text.size());
                           return done && ::close(fd) == 0 ? 0 : 1;
                       }),
                       0);
         },
         "is writable by group or others (mode 0777)", 5},
        {"our folder writable by its group", false,
         [](StoreHardening& t) { fs::permissions(t.folder, static_cast<fs::perms>(0770)); },
         "quenby is writable by group or others (mode 0770)", 5},
        {"the config folder writable by all and not sticky", false,
         [](StoreHardening& t) { fs::permissions(t.config, static_cast<fs::perms>(0757)); },
         "config is writable by others and not sticky", 5},
        {"the config folder writable by a private group (the control for umask 002)", false,
         [](StoreHardening& t) { fs::permissions(t.config, static_cast<fs::perms>(0775)); }, "", 0},
        {"our folder owned by another user", true, [&](StoreHardening& t) { chownTo(t.folder); },
         "is owned by another user (uid 64123)", 5},
        {"the file owned by another user", true, [&](StoreHardening& t) { chownTo(t.file); },
         "is owned by another user (uid 64123)", 5},
        {"the file writable by others", false,
         [](StoreHardening& t) { fs::permissions(t.file, static_cast<fs::perms>(0602)); },
         "is writable by group or others (mode 0602)", 5},
        {"the file a symbolic link to another file of ours", false,
         [](StoreHardening& t) {
             fs::rename(t.file, t.dir.path() / "notes.txt");
             fs::create_symlink(t.dir.path() / "notes.txt", t.file);
         },
         "is a symbolic link", 5},
        {"our folder a symbolic link to a private folder of ours", false,
         [](StoreHardening& t) {
             fs::rename(t.folder, t.dir.path() / "elsewhere");
             fs::create_directory_symlink(t.dir.path() / "elsewhere", t.folder);
         },
         "quenby is a symbolic link", 5},
        {"a FIFO in place of the file", false,
         [](StoreHardening& t) {
             fs::remove(t.file);
             ASSERT_EQ(::mkfifo(t.file.c_str(), 0600), 0);
         },
         "is not a regular file", 5},
        {"a folder in place of the file", false,
         [](StoreHardening& t) {
             fs::remove(t.file);
             fs::create_directory(t.file);
         },
         "is not a regular file", 5},
        {"a file larger than any settings", false,
         [](StoreHardening& t) { fs::resize_file(t.file, os::posix::kMaxRegistryFileSize + 1); },
         "is larger than 1024 KiB", 13},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        fs::remove_all(dir.path() / "config");
        fs::remove_all(dir.path() / "notes.txt");
        fs::remove_all(dir.path() / "elsewhere");
        SetUp();
        if (c.needsRoot && !test::canActAsOtherUser()) {
            std::printf("[   NOTE   ] not root: '%s' is not run\n", c.what);
            continue;
        }
        c.make(*this);
        if (::testing::Test::HasFatalFailure())
            return;
        const std::string before = snapshot(file);
        const std::set<std::string> namesBefore = namesIn(folder);

        const ProbeResult result = probe(dir.path());
        EXPECT_EQ(result.exit, 0) << result.err;
        if (*c.reason == '\0') {
            EXPECT_EQ(result.out, "openKey opened 0\nenginePath " + theirs.string() + "/Quenbytray" +
                                      "\nTargetFreeRAM 291\nengine Path " + theirs.string() + "\ncreateKey 0\n");
            EXPECT_EQ(result.err, "");
            continue;
        }
        EXPECT_EQ(result.out, expectedRefusal(c.createStatus));
        // One line that says what is wrong, however often the store was asked.
        EXPECT_TRUE(result.err.starts_with("quenby: ")) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        // Nothing was written over what is there, nor beside it.
        EXPECT_EQ(snapshot(file), before);
        EXPECT_EQ(namesIn(folder), namesBefore);
        if (fs::exists(dir.path() / "notes.txt")) {
            EXPECT_EQ(fileText(dir.path() / "notes.txt"), hostileSettings());
        }
    }
}

TEST_F(StoreHardening, WhatTheStoreCreatesIsPrivateWhateverTheUmask)
{
    for (const mode_t umask : {mode_t{0}, mode_t{0777}}) {
        SCOPED_TRACE("umask " + std::to_string(umask));
        fs::remove_all(config);
        const mode_t old = ::umask(umask);
        RegStatus status = RegStatus::notFound;
        auto key = os::currentUserRegistry().createKey(kKey, &status);
        const std::uint32_t one = 1;
        const RegStatus written = key ? key->setValue(u"Quenby_Stat", os::RegType::dword, &one, 4) : status;
        ::umask(old);
        ASSERT_EQ(status, RegStatus::ok);
        EXPECT_EQ(written, RegStatus::ok);
        const auto mode = [](const fs::path& path) {
            struct stat info {};
            return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0xFFFFu;
        };
        EXPECT_EQ(mode(config), 0700u);
        EXPECT_EQ(mode(folder), 0700u);
        EXPECT_EQ(mode(file), 0600u);
        EXPECT_EQ(mode(folder / "registry.lock"), 0600u);
    }
}

} // namespace
