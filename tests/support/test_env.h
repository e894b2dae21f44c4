// Helpers every suite shares: temporary folders, environment variables, and
// child roles so that a suite can start copies of itself as the "other process"
// of a cross-process test; on Linux, programs started with pipes that never
// outlive their test.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <sys/types.h>
#include "common/os/posix/unique_fd.h"
#endif

namespace quenby::test {

// Polls the condition until it holds (true) or the time is up (false).
template <typename Condition>
bool eventually(Condition condition, int timeoutMs = 20000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// A fresh folder under the system's temporary folder, removed with its content
// when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Sets (or, with a null value, removes) an environment variable of this process
// and restores the previous value when the object goes.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::string old_;
    bool hadOld_ = false;
};

// A child role: started as `<suite> --quenby-child=<name> [args...]`, the suite
// program runs `main` with the arguments after the role and exits with its result
// instead of running the tests. Declare one at namespace scope:
//   static quenby::test::ChildRole role("echo", [](int argc, char** argv) { ... });
class ChildRole {
public:
    using Main = int (*)(int argc, char** argv);
    ChildRole(const char* name, Main main);
};

// The full path of the running suite program, for starting it as a child.
std::string selfPath();

// Runs the child role named in argv, if any; returns true and sets exitCode when
// it did. Called by the suites' main before GoogleTest starts.
bool runChildRole(int argc, char** argv, int& exitCode);

#ifndef _WIN32
// A wait status as an exit code: the process's own, or 128 + the signal.
int exitCodeOf(int status);

// A file descriptor, closed when the object goes.
using Fd = os::UniqueFd;

// A program started by the test, with its standard output and error on pipes.
// Whatever happens in the test, it is killed and reaped when the object goes.
class Process {
public:
    // Starts argv[0] with the given arguments and this process's environment;
    // it is killed as well if the suite dies. With `cgroupProcs`, the child
    // joins that cgroup (writes its pid into the file) before exec, so that
    // everything it ever uses is charged there. With `addressSpaceMB`, its
    // address space is capped, which bounds what it could ever allocate.
    explicit Process(std::vector<std::string> argv, const std::string& cgroupProcs = {},
                     std::uint64_t addressSpaceMB = 0);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool started() const { return pid_ > 0 || exited_; }
    pid_t pid() const { return pid_; }

    // Whether it has not ended yet (an ended child is reaped here).
    bool running();

    // Waits until the standard error (or output) holds `text` beyond what earlier
    // waits matched; the same text can thus be awaited again later.
    bool waitForError(std::string_view text, int timeoutMs = 20000);
    bool waitForOutput(std::string_view text, int timeoutMs = 20000);

    // The next whole line of the standard output after what earlier waits
    // matched, without its line end; empty when none came within the time.
    std::string nextLine(int timeoutMs = 10000);

    // The exit code once it ended (128 + signal when killed), or -1 when it is
    // still running after the time.
    int waitExit(int timeoutMs = 20000);

    bool signal(int number);
    void kill();

    const std::string& output() const { return out_.text; }
    const std::string& error() const { return err_.text; }

private:
    struct Stream {
        Fd fd;
        std::string text;
        std::size_t matched = 0; // where the next wait starts looking
    };
    // Reads what the pipes hold, waiting up to the time for something; true when
    // anything was read or a pipe reached its end.
    bool pump(int timeoutMs);
    bool waitFor(Stream& stream, std::string_view text, int timeoutMs);
    void reapIfEnded(bool block);

    pid_t pid_ = -1;
    bool exited_ = false;
    int exitCode_ = -1;
    Stream out_;
    Stream err_;
};
#endif

} // namespace quenby::test
