#include "tests/support/native_registry.h"

#include "common/settings_schema.h"

#include "common/os/win32/handles.h"

namespace quenby::test {
namespace {

// The test prefix is private to the build, so the real key names are safe to use.
void clean(os::Registry& registry)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, os::win32::wide(kSettingsKey).c_str());
    if (auto run = registry.openKey(kRunKey, os::RegAccess::write))
        run->deleteValue(kRunValue);
    if (auto approved = registry.openKey(kStartupApprovedKey, os::RegAccess::write))
        approved->deleteValue(kRunValue);
    if (auto theme = registry.openKey(kPersonalizeKey, os::RegAccess::write))
        theme->deleteValue(kLightThemeValue);
}

class Win32Scope final : public NativeRegistryScope {
public:
    Win32Scope() { clean(registry()); }
    ~Win32Scope() override { clean(registry()); }
    os::Registry& registry() override { return os::currentUserRegistry(); }
};

} // namespace

std::unique_ptr<NativeRegistryScope> makeNativeRegistry()
{
    return std::make_unique<Win32Scope>();
}

} // namespace quenby::test
