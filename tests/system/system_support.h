// What the system tests share: the programs under test run as real processes
// that are always ended, a private settings and runtime folder per test, the
// test itself in the panel's place, and memory cgroups to make memory pressure
// without touching the rest of the machine.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "common/identity.h"
#include "common/os/posix/endpoint.h"
#include "common/settings.h"
#include "tests/support/test_env.h"

namespace quenby::systest {

using test::Fd;
using test::Process;

// A program that was started on our behalf by another one (the engine that
// `quenbyctl enable` starts): the suite is a child subreaper, so the orphan
// becomes our child. Killed and reaped when the object goes.
class Adopted {
public:
    explicit Adopted(pid_t pid) : pid_(pid) {}
    ~Adopted();
    Adopted(const Adopted&) = delete;
    Adopted& operator=(const Adopted&) = delete;

    pid_t pid() const { return pid_; }
    int waitExit(int timeoutMs = 20000);

private:
    pid_t pid_;
};

// The result of a program run to its end.
struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs quenbyctl with these arguments to its end (killed after the time).
Outcome runCtl(const std::vector<std::string>& args, const std::string& cgroupProcs = {},
           int timeoutMs = 30000);

std::string programPath(std::string_view name); // beside the suite program
std::string enginePath();
std::string ctlPath();

// The engine's peak resident memory (VmHWM) in MB, read while it runs; -1 if
// it can't be read.
double peakResidentMB(pid_t pid);

// The pid in an endpoint's socket name (<hash>.<stamp>.<pid>.sock); -1 if none.
pid_t pidOfWindow(const std::string& address);

std::uint32_t messageNumber(Message which);

// A memory cgroup of the test's own, with a hard limit; removed when the object
// goes (after the processes in it have been ended).
class MemoryGroup {
public:
    // Null, and `whyNot` says why, when no memory cgroup can be made here.
    static std::unique_ptr<MemoryGroup> create(std::uint64_t limitMB, std::string& whyNot);
    ~MemoryGroup();
    MemoryGroup(const MemoryGroup&) = delete;
    MemoryGroup& operator=(const MemoryGroup&) = delete;

    const std::string& procsFile() const { return procs_; }
    const std::string& path() const { return path_; }
    bool version2() const { return v2_; }
    // Whether the group's limit was ever hit.
    bool limitWasHit() const;

private:
    MemoryGroup() = default;
    std::string path_;
    std::string parentProcs_;
    std::string procs_;
    bool v2_ = false;
};

// Each test: its own settings and runtime folders, the registry seen through
// them, and helpers to act as the panel does.
class SystemTest : public ::testing::Test {
protected:
    SystemTest();
    void SetUp() override;
    // Ends any child still left (an engine adopted by the subreaper that a
    // failed test never got hold of).
    void TearDown() override;

    os::Registry& registry();
    // The settings as the panel reads them.
    Settings panelSettings();
    // A full write, as the panel's save does, of the stored settings with `change` applied.
    template <typename Change>
    void saveSettings(Change change)
    {
        Settings settings = panelSettings();
        change(settings);
        writeSettings(registry(), settings);
    }
    // A stored number, or none when the value is missing.
    std::optional<std::uint32_t> storedNumber(std::u16string_view name);

    // Starts the engine and waits until it has set itself up (its tray icon was
    // added, or with the icon hidden, its window can be found).
    // Placement and cap as for Process.
    std::unique_ptr<Process> startEngine(const std::string& cgroupProcs = {},
                                         std::uint64_t addressSpaceMB = 0);

    test::TempDir temp_;
    std::filesystem::path config_;
    std::filesystem::path runtime_;
    test::ScopedEnv configEnv_;
    test::ScopedEnv systemConfigEnv_; // machine-wide policies: none unless a test writes them
    test::ScopedEnv runtimeEnv_;
};

using test::eventually;

} // namespace quenby::systest
