// Starting a program on Linux: what the started program gets from its caller
// (its arguments and folder as asked; no streams, no other descriptors, no
// signal state, a session of its own),
// that it never becomes the caller's child to collect, and how a failed start
// is told.
#include "common/os/process.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using quenby::os::StartFailure;
using quenby::os::startProgram;
using quenby::test::eventually;

void writeFile(const fs::path& path, const std::string& text, fs::perms perms)
{
    std::ofstream(path, std::ios::binary) << text;
    fs::permissions(path, perms, fs::perm_options::replace);
}

// A field of /proc/<pid>/status, such as "SigBlk".
std::string statusField(pid_t pid, const std::string& name)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(name + ":\t"))
            return line.substr(name.size() + 2);
    }
    return "(none)";
}

TEST(StartProgram, TheProgramTakesNothingOfItsCallersAndIsNotItsChild)
{
    const quenby::test::TempDir temp;
    const fs::path pidFile = temp.path() / "pid";
    const fs::path program = temp.path() / "program";
    const fs::path folder = temp.path() / "a folder";
    fs::create_directory(folder);
    writeFile(program,
              "#!/bin/sh\nprintf '%s|' \"$@\" \"$PWD\" > '" + pidFile.string() + ".args'\necho $$ > '" +
                  pidFile.string() + ".new'\nmv '" + pidFile.string() + ".new' '" + pidFile.string() +
                  "'\nexec sleep 120\n",
              fs::perms::owner_all);

    // A caller that ignores SIGPIPE, blocks SIGTERM and holds an inheritable pipe.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction oldPipe {};
    ASSERT_EQ(::sigaction(SIGPIPE, &ignore, &oldPipe), 0);
    sigset_t term;
    sigset_t oldMask;
    sigemptyset(&term);
    sigaddset(&term, SIGTERM);
    ASSERT_EQ(::pthread_sigmask(SIG_BLOCK, &term, &oldMask), 0);
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const quenby::os::UniqueFd pipeRead(ends[0]);
    const quenby::os::UniqueFd pipeWrite(ends[1]);
    const auto outcome = startProgram(
        {.program = program.u16string(), .arguments = {u"RAM", u"two words", u""}, .folder = folder.u16string()});
    ::sigaction(SIGPIPE, &oldPipe, nullptr);
    ::pthread_sigmask(SIG_SETMASK, &oldMask, nullptr);
    ASSERT_TRUE(outcome.started()) << outcome.detail;

    ASSERT_TRUE(eventually([&] { return fs::exists(pidFile); })) << "the program never ran";
    pid_t pid = 0;
    std::ifstream(pidFile) >> pid;
    ASSERT_GT(pid, 0);
    std::string arguments;
    std::getline(std::ifstream(pidFile.string() + ".args"), arguments);
    EXPECT_EQ(arguments, "RAM|two words||" + folder.string() + "|");
    struct Killer {
        pid_t pid;
        ~Killer() { ::kill(pid, SIGKILL); }
    } killer{pid};
    const fs::path proc = "/proc/" + std::to_string(pid);
    ASSERT_TRUE(eventually([&] {
        std::error_code error;
        return fs::read_symlink(proc / "exe", error).filename() == "sleep";
    })) << "the program never became sleep";

    EXPECT_EQ(statusField(pid, "SigBlk"), "0000000000000000");
    EXPECT_EQ(statusField(pid, "SigIgn"), "0000000000000000");
    std::set<std::string> descriptors;
    for (const auto& entry : fs::directory_iterator(proc / "fd")) {
        descriptors.insert(entry.path().filename().string());
        EXPECT_EQ(fs::read_symlink(entry.path()), "/dev/null") << entry.path();
    }
    EXPECT_EQ(descriptors, (std::set<std::string>{"0", "1", "2"}));
    EXPECT_NE(::getsid(pid), ::getsid(0));
    // Not our child, and no child of ours is left waiting to be collected, so
    // that a caller that runs for days never gathers zombies.
    EXPECT_NE(statusField(pid, "PPid"), std::to_string(::getpid()));
    int status = 0;
    EXPECT_LE(::waitpid(-1, &status, WNOHANG), 0);

    // SIGTERM, blocked and ignored as it was in the caller, ends it.
    ASSERT_EQ(::kill(pid, SIGTERM), 0);
    EXPECT_TRUE(eventually([&] { return !fs::exists(proc) || statusField(pid, "State").starts_with("Z"); }))
        << "state " << statusField(pid, "State");
}

TEST(StartProgram, AFailedStartIsToldByKind)
{
    const quenby::test::TempDir temp;
    writeFile(temp.path() / "text", "no program at all\n", fs::perms::owner_all);
    writeFile(temp.path() / "private", "#!/bin/sh\n", fs::perms::owner_read | fs::perms::owner_write);
    const struct {
        const char* what;
        fs::path path;
        StartFailure failure;
    } cases[] = {
        {"no name", "", StartFailure::notFound},
        {"missing", temp.path() / "missing", StartFailure::notFound},
        {"under a file", temp.path() / "text" / "program", StartFailure::notFound},
        {"not executable", temp.path() / "private", StartFailure::accessDenied},
        {"a folder", temp.path(), StartFailure::accessDenied},
        {"not a program", temp.path() / "text", StartFailure::notAProgram},
        {"a folder that is not there", "/bin/true", StartFailure::notFound},
    };
    for (const auto& c : cases) {
        const bool noFolder = c.path == "/bin/true";
        const auto outcome = startProgram(
            {.program = c.path.u16string(), .folder = noFolder ? (temp.path() / "gone").u16string() : u""});
        EXPECT_EQ(outcome.failure, c.failure) << c.what << ": " << outcome.detail;
        EXPECT_FALSE(outcome.detail.empty()) << c.what;
        EXPECT_NE(outcome.code, 0) << c.what;
    }
}

} // namespace
