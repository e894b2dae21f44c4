// Stands in for the engine's executable when the panel starts it: appends one
// line to the file "started" beside itself, telling how it was asked to show its
// window ("show=" and the STARTUPINFO show command, or "show=default" when the
// starter named none), then ends. A whole line is one write, so a test that reads
// the file never sees half of it.
#include <windows.h>

#include <string>

#include "common/os/win32/handles.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    std::wstring record(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, record.data(), static_cast<DWORD>(record.size()));
    if (length == 0 || length >= record.size())
        return 2;
    record.resize(length);
    record.resize(record.find_last_of(L'\\') + 1);
    record += L"started";

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const std::string line = (startup.dwFlags & STARTF_USESHOWWINDOW)
                                 ? "show=" + std::to_string(startup.wShowWindow) + "\n"
                                 : std::string("show=default\n");

    const quenby::os::win32::UniqueHandle file(CreateFileW(record.c_str(), FILE_APPEND_DATA,
                                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return 3;
    DWORD written = 0;
    if (!WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr))
        return 4;
    return 0;
}
