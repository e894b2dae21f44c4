// Stands in for the control panel (Quenby.exe) when the engine starts it: writes
// how it was started - its whole command line, the arguments as the C runtime
// splits them, its working folder, and whether it has a console of its own - to
// the file named in QUENBY_STANDIN_REPORT, then ends. It is a console program so
// that the console it is started with can be seen: one of its own (the only
// process on it) or none. The report appears in one piece (written
// aside, then renamed), so a test that waits for it never reads half of it.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "common/os/win32/handles.h"

namespace {

struct LocalFreeDeleter {
    void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

} // namespace

int main()
{
    wchar_t report[32768] = {};
    if (GetEnvironmentVariableW(L"QUENBY_STANDIN_REPORT", report, 32768) == 0)
        return 2;

    std::wstring text = L"command=";
    text += GetCommandLineW();
    text += L'\n';
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreeDeleter> arguments(
        CommandLineToArgvW(GetCommandLineW(), &count));
    for (int i = 1; arguments && i < count; ++i) {
        text += L"argument=";
        text += arguments.get()[i];
        text += L'\n';
    }
    wchar_t folder[32768] = {};
    GetCurrentDirectoryW(32768, folder);
    text += L"folder=";
    text += folder;
    text += L'\n';
    DWORD attached[4] = {};
    const bool ownConsole = GetConsoleWindow() && GetConsoleProcessList(attached, 4) == 1;
    text += ownConsole ? L"console=own\n" : GetConsoleWindow() ? L"console=shared\n" : L"console=none\n";

    const std::wstring aside = std::wstring(report) + L".part";
    BOOL written = FALSE;
    {
        const quenby::os::win32::UniqueHandle file(CreateFileW(
            aside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return 3;
        DWORD bytes = 0;
        written = WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)),
                            &bytes, nullptr);
    }
    if (!written || !MoveFileExW(aside.c_str(), report, MOVEFILE_REPLACE_EXISTING))
        return 4;
    return 0;
}
