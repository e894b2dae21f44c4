#include "common/os/process.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "common/os/win32/handles.h"

namespace quenby::os {

std::u16string executableDirectory()
{
    // Long paths are possible, so grow the buffer until the name fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return u".";
        if (length < buffer.size())
            break;
        buffer.resize(buffer.size() * 2);
    }
    std::u16string path = win32::utf16(buffer.data());
    const auto slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? u"." : path.substr(0, slash);
}

char16_t pathSeparator()
{
    return u'\\';
}

std::u16string engineFileName()
{
    return u"Quenbytray.exe";
}

std::u16string panelFileName()
{
    return u"Quenby.exe";
}

bool startProgram(const std::u16string& path, std::string* reason)
{
    // The shell starts the program as Explorer would: its own process, not a
    // child we wait for, with its window (if it shows one) hidden.
    const std::wstring file = win32::wide(path);
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_HIDE);
    const auto code = reinterpret_cast<INT_PTR>(result);
    if (code > 32)
        return true;
    if (reason) {
        switch (code) {
        case 0:
        case SE_ERR_OOM:
            *reason = "out of memory";
            break;
        case ERROR_FILE_NOT_FOUND:
            *reason = "file not found";
            break;
        case ERROR_PATH_NOT_FOUND:
            *reason = "path not found";
            break;
        case ERROR_BAD_FORMAT:
            *reason = "not a valid program";
            break;
        case SE_ERR_ACCESSDENIED:
            *reason = "access denied";
            break;
        default:
            *reason = "the shell refused it (code " + std::to_string(code) + ")";
            break;
        }
    }
    return false;
}

} // namespace quenby::os
