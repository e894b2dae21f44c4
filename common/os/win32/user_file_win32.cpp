#include "common/os/user_file.h"

#include "common/os/win32/handles.h"

#include <shlobj.h>

namespace quenby::os {
namespace {

// %LOCALAPPDATA%\Quenby, as the shell names it for this user.
std::wstring userFolder()
{
    PWSTR base = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &base)))
        folder = std::wstring(base) + L"\\Quenby";
    CoTaskMemFree(base);
    return folder;
}

} // namespace

std::optional<std::string> readUserFile(std::u16string_view name, std::size_t maxBytes)
{
    const std::wstring folder = userFolder();
    if (folder.empty())
        return std::nullopt;
    // The link itself is opened, not what it points to, and then refused.
    const win32::UniqueHandle file(CreateFileW((folder + L"\\" + win32::wide(name)).c_str(), GENERIC_READ,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                               OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file || GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0 ||
        info.nFileSizeHigh != 0 || info.nFileSizeLow > maxBytes)
        return std::nullopt;
    std::string text(info.nFileSizeLow, '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr))
        return std::nullopt;
    text.resize(read);
    return text;
}

bool replaceUserFile(std::u16string_view name, std::string_view text)
{
    const std::wstring folder = userFolder();
    if (folder.empty() || (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS))
        return false;
    const std::wstring path = folder + L"\\" + win32::wide(name);
    const std::wstring temporary = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".new";
    {
        const win32::UniqueHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file || !WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written != text.size()) {
            DeleteFileW(temporary.c_str());
            return false;
        }
    }
    // Replacing renames over whatever has the name, a link included.
    if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace quenby::os
