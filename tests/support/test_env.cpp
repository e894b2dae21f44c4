#include "tests/support/test_env.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <system_error>

namespace quenby::test {
namespace {

std::map<std::string, ChildRole::Main>& roles()
{
    static std::map<std::string, ChildRole::Main> table;
    return table;
}

std::string& selfPathStore()
{
    static std::string path;
    return path;
}

void setVariable(const char* name, const char* value)
{
#ifdef _WIN32
    std::string entry = std::string(name) + "=" + (value ? value : "");
    _putenv(entry.c_str());
#else
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

} // namespace

TempDir::TempDir()
{
    static std::atomic<unsigned> serial{0};
    std::random_device device;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("quenby-test-" + std::to_string(device()) + "-" +
                                 std::to_string(serial++));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            path_ = candidate;
            return;
        }
    }
    std::abort();
}

TempDir::~TempDir()
{
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name)
{
    if (const char* old = std::getenv(name)) {
        hadOld_ = true;
        old_ = old;
    }
    setVariable(name, value);
}

ScopedEnv::~ScopedEnv()
{
    setVariable(name_.c_str(), hadOld_ ? old_.c_str() : nullptr);
}

ChildRole::ChildRole(const char* name, Main main)
{
    roles()[name] = main;
}

std::string selfPath()
{
    return selfPathStore();
}

bool runChildRole(int argc, char** argv, int& exitCode)
{
    if (argc > 0)
        selfPathStore() = std::filesystem::absolute(argv[0]).string();
    static const char prefix[] = "--quenby-child=";
    if (argc < 2 || std::strncmp(argv[1], prefix, sizeof prefix - 1) != 0)
        return false;
    const auto found = roles().find(argv[1] + sizeof prefix - 1);
    if (found == roles().end()) {
        exitCode = 100;
        return true;
    }
    exitCode = found->second(argc - 2, argv + 2);
    return true;
}

} // namespace quenby::test
