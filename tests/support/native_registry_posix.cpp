#include "tests/support/native_registry.h"

#include "tests/support/test_env.h"

namespace quenby::test {
namespace {

class PosixScope final : public NativeRegistryScope {
public:
    PosixScope() : config_(), env_("XDG_CONFIG_HOME", config_.path().string().c_str()) {}
    os::Registry& registry() override { return os::currentUserRegistry(); }

private:
    TempDir config_;
    ScopedEnv env_;
};

} // namespace

std::unique_ptr<NativeRegistryScope> makeNativeRegistry()
{
    return std::make_unique<PosixScope>();
}

} // namespace quenby::test
