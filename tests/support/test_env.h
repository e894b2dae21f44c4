// Helpers every suite shares: temporary folders, environment variables, and
// child roles so that a suite can start copies of itself as the "other process"
// of a cross-process test.
#pragma once

#include <filesystem>
#include <string>

namespace quenby::test {

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

} // namespace quenby::test
