// The current user's registry, and the machine's (for policies), through the
// Reg* calls.
#include "common/os/registry.h"

#include "common/os/win32/handles.h"

namespace quenby::os {
namespace {

using win32::UniqueHKey;
using win32::wide;

RegStatus status(LSTATUS code)
{
    return static_cast<RegStatus>(static_cast<std::uint32_t>(code));
}

void report(RegStatus* out, RegStatus value)
{
    if (out)
        *out = value;
}

class Win32Key final : public RegistryKey {
public:
    explicit Win32Key(UniqueHKey key) : key_(std::move(key)) {}

    RegStatus queryValue(std::u16string_view name, void* buffer, std::uint32_t& size,
                         RegType* type) override
    {
        DWORD kind = 0;
        DWORD bytes = size;
        const LSTATUS result = RegQueryValueExW(key_.get(), wide(name).c_str(), nullptr,
                                                type ? &kind : nullptr,
                                                static_cast<BYTE*>(buffer), &bytes);
        size = bytes;
        if (type)
            *type = static_cast<RegType>(kind);
        return status(result);
    }

    RegStatus setValue(std::u16string_view name, RegType type, const void* data,
                       std::uint32_t size) override
    {
        return status(RegSetValueExW(key_.get(), wide(name).c_str(), 0,
                                     static_cast<DWORD>(type), static_cast<const BYTE*>(data),
                                     size));
    }

    RegStatus deleteValue(std::u16string_view name) override
    {
        return status(RegDeleteValueW(key_.get(), wide(name).c_str()));
    }

private:
    UniqueHKey key_;
};

class Win32Registry final : public Registry {
public:
    explicit Win32Registry(HKEY root) : root_(root) {}

    std::unique_ptr<RegistryKey> openKey(std::u16string_view path, RegAccess access,
                                         RegStatus* out) override
    {
        UniqueHKey key;
        const LSTATUS result =
            RegOpenKeyExW(root_, wide(path).c_str(), 0,
                          access == RegAccess::read ? KEY_READ : KEY_WRITE, key.put());
        report(out, status(result));
        if (result != ERROR_SUCCESS)
            return nullptr;
        return std::make_unique<Win32Key>(std::move(key));
    }

    std::unique_ptr<RegistryKey> createKey(std::u16string_view path, RegStatus* out) override
    {
        UniqueHKey key;
        const LSTATUS result =
            RegCreateKeyExW(root_, wide(path).c_str(), 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, key.put(), nullptr);
        report(out, status(result));
        if (result != ERROR_SUCCESS)
            return nullptr;
        return std::make_unique<Win32Key>(std::move(key));
    }

    RegStatus getValue(std::u16string_view path, std::u16string_view name, RegRestrict restrict,
                       void* buffer, std::uint32_t* size) override
    {
        DWORD bytes = size ? *size : 0;
        const LSTATUS result = RegGetValueW(
            root_, wide(path).c_str(), wide(name).c_str(),
            restrict == RegRestrict::sz ? RRF_RT_REG_SZ : RRF_RT_REG_DWORD, nullptr, buffer,
            size ? &bytes : nullptr);
        if (size)
            *size = bytes;
        return status(result);
    }

private:
    HKEY root_;
};

} // namespace

Registry& currentUserRegistry()
{
    static Win32Registry registry(HKEY_CURRENT_USER);
    return registry;
}

Registry& localMachineRegistry()
{
    static Win32Registry registry(HKEY_LOCAL_MACHINE);
    return registry;
}

} // namespace quenby::os
