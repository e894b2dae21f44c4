// This platform's real registry backend, made clean for one test: on Linux the
// file store in a fresh temporary config folder, under Wine the real registry of
// the test prefix with every value the settings procedures touch removed.
#pragma once

#include <memory>

#include "common/os/registry.h"

namespace quenby::test {

class NativeRegistryScope {
public:
    virtual ~NativeRegistryScope() = default;
    virtual os::Registry& registry() = 0;
};

std::unique_ptr<NativeRegistryScope> makeNativeRegistry();

// The in-memory registry of the logic suites, as a scope of its own.
std::unique_ptr<NativeRegistryScope> makeMemoryRegistry();

// Every registry a suite that pins the Windows rules runs against on this face.
struct RegistryBackend {
    const char* name;
    std::unique_ptr<NativeRegistryScope> (*make)();
};
inline constexpr RegistryBackend kRegistryBackends[] = {{"memory", makeMemoryRegistry},
                                                        {"native", makeNativeRegistry}};

} // namespace quenby::test
