// Owning wrappers for the Win32 handles the common layer opens.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

namespace quenby::os::win32 {

// An open registry key, closed with RegCloseKey.
class UniqueHKey {
public:
    UniqueHKey() = default;
    explicit UniqueHKey(HKEY key) : key_(key) {}
    ~UniqueHKey() { reset(); }
    UniqueHKey(UniqueHKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    UniqueHKey& operator=(UniqueHKey&& other) noexcept
    {
        if (this != &other) {
            reset();
            key_ = std::exchange(other.key_, nullptr);
        }
        return *this;
    }
    UniqueHKey(const UniqueHKey&) = delete;
    UniqueHKey& operator=(const UniqueHKey&) = delete;

    HKEY get() const { return key_; }
    HKEY* put()
    {
        reset();
        return &key_;
    }
    explicit operator bool() const { return key_ != nullptr; }
    void reset()
    {
        if (key_)
            RegCloseKey(key_);
        key_ = nullptr;
    }

private:
    HKEY key_ = nullptr;
};

// A kernel object handle, closed with CloseHandle.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    void reset()
    {
        if (handle_ && handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
};

// UTF-16 text for the W functions: on Windows char16_t and wchar_t are the same width.
inline std::wstring wide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

inline std::u16string utf16(const wchar_t* text)
{
    std::u16string out;
    for (; text && *text; ++text)
        out += static_cast<char16_t>(*text);
    return out;
}

} // namespace quenby::os::win32
