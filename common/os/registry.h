// The current user's registry, as the settings procedures see it.
//
// On Windows this is HKEY_CURRENT_USER through the Reg* calls; on Linux a file
// store of ours with the same status codes, so the read rules of the settings
// procedures (take data only on success with a non-zero byte count, fall back
// to the default otherwise) hold unchanged on both faces.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quenby::os {

// The Win32 error codes the settings logic distinguishes, with their Win32 values.
enum class RegStatus : std::uint32_t {
    ok = 0,
    notFound = 2,          // ERROR_FILE_NOT_FOUND: no such key or value
    accessDenied = 5,      // ERROR_ACCESS_DENIED
    invalidData = 13,      // ERROR_INVALID_DATA
    moreData = 234,        // ERROR_MORE_DATA: the buffer is too small for the data
    unsupportedType = 1630 // ERROR_UNSUPPORTED_TYPE: a type restriction did not match
};

// Registry value types, with their Win32 numbers.
enum class RegType : std::uint32_t {
    none = 0,
    sz = 1,
    expandSz = 2,
    binary = 3,
    dword = 4,
    dwordBigEndian = 5,
    link = 6,
    multiSz = 7,
    qword = 11,
};

enum class RegAccess { read, write };

// What RegGetValueW may be restricted to.
enum class RegRestrict { sz, dword };

// An open key. Closing is the destructor (RegCloseKey on Windows).
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // RegQueryValueExW: copies the value's data into buffer, which holds `size`
    // bytes; on return `size` is the data's length in bytes. Data longer than
    // the buffer gives moreData (the buffer's content is then unspecified).
    // `type` may be null.
    virtual RegStatus queryValue(std::u16string_view name, void* buffer, std::uint32_t& size,
                                 RegType* type) = 0;

    // RegSetValueExW: stores `size` bytes of `data` under `name` with `type`.
    virtual RegStatus setValue(std::u16string_view name, RegType type, const void* data,
                               std::uint32_t size) = 0;

    // RegDeleteValueW.
    virtual RegStatus deleteValue(std::u16string_view name) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;

    // RegOpenKeyExW under HKEY_CURRENT_USER. The key must exist.
    virtual std::unique_ptr<RegistryKey> openKey(std::u16string_view path, RegAccess access,
                                                 RegStatus* status = nullptr) = 0;

    // RegCreateKeyExW under HKEY_CURRENT_USER: opens the key, creating it and its
    // parents when missing.
    virtual std::unique_ptr<RegistryKey> createKey(std::u16string_view path,
                                                   RegStatus* status = nullptr) = 0;

    // RegGetValueW under HKEY_CURRENT_USER with a type restriction. With a null
    // buffer only the size is reported. Text data is handed back with its
    // terminating null, which RegGetValueW adds when the stored data lacks it.
    virtual RegStatus getValue(std::u16string_view path, std::u16string_view name,
                               RegRestrict restrict, void* buffer, std::uint32_t* size) = 0;
};

// The real current-user registry of this platform (a process-wide object).
Registry& currentUserRegistry();

// HKEY_LOCAL_MACHINE, with the same operations rooted there; the programs only
// read it, for an administrator's policies. On Linux a read-only file of the
// same form in the system configuration folder.
Registry& localMachineRegistry();

} // namespace quenby::os
