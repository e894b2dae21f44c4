#include "common/os/process.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "common/os/win32/handles.h"

namespace quenby::os {
namespace {

// One argument as the program's CommandLineToArgvW (and the C runtime) will
// read it back: quoted when it holds a space, a tab or a quote, its quotes and
// the backslashes before them escaped.
std::wstring quotedArgument(const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

} // namespace

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

StartOutcome startProgram(const Launch& launch)
{
    // The shell starts the program as Explorer would: its own process, not a
    // child we wait for, with its window (if it shows one) hidden.
    const std::wstring file = win32::wide(launch.program);
    std::wstring parameters;
    for (const std::u16string& argument : launch.arguments)
        parameters += (parameters.empty() ? L"" : L" ") + quotedArgument(win32::wide(argument));
    const std::wstring folder = win32::wide(launch.folder);
    const HINSTANCE result =
        ShellExecuteW(reinterpret_cast<HWND>(launch.ownerWindow), L"open", file.c_str(),
                      parameters.empty() ? nullptr : parameters.c_str(), folder.empty() ? nullptr : folder.c_str(),
                      SW_HIDE);
    const auto code = reinterpret_cast<INT_PTR>(result);
    StartOutcome outcome;
    if (code > 32)
        return outcome; // the shell's way of saying it started
    outcome.code = code;
    switch (code) {
    case 0:
    case SE_ERR_OOM:
        outcome.failure = StartFailure::noResources;
        outcome.detail = "out of memory";
        break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        outcome.failure = StartFailure::notFound;
        outcome.detail = code == ERROR_FILE_NOT_FOUND ? "file not found" : "path not found";
        break;
    case ERROR_BAD_FORMAT:
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE:
        outcome.failure = StartFailure::notAProgram;
        outcome.detail = "not a valid program";
        break;
    case SE_ERR_ACCESSDENIED:
        outcome.failure = StartFailure::accessDenied;
        outcome.detail = "access denied";
        break;
    default:
        outcome.failure = StartFailure::other;
        outcome.detail = "the shell refused it (code " + std::to_string(code) + ")";
        break;
    }
    return outcome;
}

} // namespace quenby::os
