#include "engine/os/win32/host_win32.h"

#include <mmsystem.h>
#include <powrprof.h>
#include <sddl.h>
#include <wtsapi32.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "common/identity.h"
#include "common/languages.h"
#include "common/os/win32/handles.h"
#include "common/os/windowlink.h"
#include "engine/strings.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/tray.h"

namespace quenby::engine {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;
constexpr std::size_t kPageSize = 4096;
// What the system calls a failed function; the logic only needs "not 0".
constexpr std::uint32_t kFunctionFailed = 1627; // ERROR_FUNCTION_FAILED

// The language of the string table's first block, the English one.
constexpr LANGID kEnglishBlock = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// A text of the string table's block in this language, read as Windows lays
// it out (sixteen texts a resource, each its length and its characters);
// none where the block or the text is missing or empty.
std::optional<std::u16string> blockString(HINSTANCE instance, unsigned id, LANGID language)
{
    HRSRC found = FindResourceExW(instance, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), language);
    const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* words = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    if (!words)
        return std::nullopt;
    const DWORD size = SizeofResource(instance, found) / sizeof(WORD);
    DWORD at = 0;
    for (unsigned skip = id % 16; skip > 0 && at < size; --skip)
        at += 1 + words[at];
    if (at >= size || words[at] == 0 || at + 1 + words[at] > size)
        return std::nullopt;
    return std::u16string(reinterpret_cast<const char16_t*>(words + at + 1), words[at]);
}

BOOL CALLBACK collectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found)
{
    reinterpret_cast<std::vector<LANGID>*>(found)->push_back(language);
    return TRUE;
}

// The block of the first of the user's interface languages the table has, by
// the rule the control panel follows too (common/languages.h); English where
// none fits, and where English comes first in the user's list. Windows' own
// choice (the display language's exact block, else the first) would give an
// Austrian or a Mexican user English.
LANGID chooseTextLanguage(HINSTANCE instance)
{
    std::vector<LANGID> blocks;
    EnumResourceLanguagesW(instance, RT_STRING, MAKEINTRESOURCEW(IDS_LANGUAGE_CODE / 16 + 1), collectLanguage,
                           reinterpret_cast<LONG_PTR>(&blocks));
    ULONG count = 0, size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0)
        return kEnglishBlock;
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size))
        return kEnglishBlock;
    for (const wchar_t* name = names.c_str(); *name != L'\0'; name += std::wcslen(name) + 1) {
        std::string ascii;
        for (const wchar_t* c = name; *c != L'\0'; ++c)
            ascii += *c < 0x80 ? static_cast<char>(*c) : '?';
        if (ascii.starts_with("en"))
            break;
        const std::string_view code = languageForLocale(ascii);
        if (code.empty())
            continue;
        const std::u16string wanted(code.begin(), code.end());
        for (const LANGID block : blocks) {
            if (blockString(instance, IDS_LANGUAGE_CODE, block) == wanted)
                return block;
        }
    }
    return kEnglishBlock;
}

TimerCallback timerCallbacks[3] = {};

LRESULT CALLBACK engineWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    // The area's name travels as a pointer, which only a sent message carries
    // (the system refuses to post this one), so it points into our own memory.
    if (message == WM_SETTINGCHANGE && lParam != 0) {
        const auto* area = reinterpret_cast<const wchar_t*>(lParam);
        handleSettingChange(std::u16string(area, area + std::wcslen(area)));
    }
    switch (handleEngineMessage(message, wParam, lParam)) {
    case MessageResult::handled:
        return 0;
    case MessageResult::handledThenDefault:
    case MessageResult::notHandled:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CALLBACK timerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    if (id < std::size(timerCallbacks) && timerCallbacks[id])
        timerCallbacks[id]();
}

DWORD WINAPI cpuSampler(LPVOID)
{
    runCpuSampler();
    return 1;
}

// Takes a lock now or not at all. WAIT_ABANDONED: its owner ended without
// letting go (an engine that crashed, in or out of a recovery); ours now.
bool takeNow(HANDLE mutex)
{
    const DWORD waited = WaitForSingleObject(mutex, 0);
    return waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

} // namespace

Win32EngineHost::Win32EngineHost(HINSTANCE instance)
    : instance_(instance), tray_(instance, [this] { return rightToLeft(); })
{
}

Win32EngineHost::~Win32EngineHost()
{
    if (sessionNotices_)
        WTSUnRegisterSessionNotification(window_);
    if (window_ && IsWindow(window_)) {
        // Our own teardown is no request to quit: detach the engine's reactions
        // (WM_DESTROY would post a quit) before the window goes.
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
        DestroyWindow(window_);
    }
}

void Win32EngineHost::registerWindowClass()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = engineWndProc;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    const std::wstring name = os::win32::wide(kEngineWindowClass);
    windowClass.lpszClassName = name.c_str();
    RegisterClassExW(&windowClass);
}

bool Win32EngineHost::claimEngineLock()
{
    // No lock to be had (the name taken by an object of another kind): the
    // window check alone decides, as it did before there was a lock.
    engineLock_.emplace(kEngineLockName);
    return engineLock_->tryTake() != os::SessionLock::State::heldElsewhere;
}

bool Win32EngineHost::createEngineWindow()
{
    // An ordinary top-level window, never shown: other processes find it by class
    // and title, which a message-only window would not allow.
    window_ = CreateWindowExW(0, os::win32::wide(kEngineWindowClass).c_str(),
                              os::win32::wide(kEngineWindowTitle).c_str(), WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, nullptr, nullptr, instance_,
                              nullptr);
    tray_.attach(window_);
    // Switching users, connecting and disconnecting arrive as WM_WTSSESSION_CHANGE.
    if (window_)
        sessionNotices_ = WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION) != FALSE;
    return window_ != nullptr;
}

void Win32EngineHost::outputDebugString(std::u16string_view text)
{
    OutputDebugStringW(os::win32::wide(text).c_str());
}

int runMessageLoopWith(BOOL (*getMessage)(MSG* message))
{
    MSG message{};
    BOOL got = 0;
    // GetMessageW gives -1 on an error, which would otherwise spin for ever.
    while ((got = getMessage(&message)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : kMessageLoopFailed;
}

int Win32EngineHost::runMessageLoop()
{
    return runMessageLoopWith([](MSG* message) { return GetMessageW(message, nullptr, 0, 0); });
}

void Win32EngineHost::postQuit(int code)
{
    PostQuitMessage(code);
}

std::u16string Win32EngineHost::loadString(unsigned id)
{
    if (!textLanguage_)
        textLanguage_ = chooseTextLanguage(instance_);
    const auto text = blockString(instance_, id, *textLanguage_);
    return text ? *text : blockString(instance_, id, kEnglishBlock).value_or(std::u16string());
}

bool Win32EngineHost::rightToLeft()
{
    return loadString(IDS_READING_DIRECTION) == u"RTL";
}

Win32TrayShell& Win32EngineHost::tray()
{
    return tray_;
}

int Win32EngineHost::messageBox(const std::u16string& text, const std::u16string& caption, UINT style)
{
    if (rightToLeft())
        style |= MB_RTLREADING | MB_RIGHT;
    return MessageBoxW(window_, os::win32::wide(text).c_str(), os::win32::wide(caption).c_str(), style);
}

void Win32EngineHost::setTimer(TimerId id, unsigned milliseconds, TimerCallback callback)
{
    const auto index = static_cast<UINT_PTR>(id);
    timerCallbacks[index] = callback;
    SetTimer(window_, index, milliseconds, timerProc);
}

void Win32EngineHost::killTimer(TimerId id)
{
    KillTimer(window_, static_cast<UINT_PTR>(id));
}

bool Win32EngineHost::startCpuSampler()
{
    // The thread runs on by itself; its handle is not needed.
    os::win32::UniqueHandle thread(CreateThread(nullptr, 0, cpuSampler, nullptr, 0, nullptr));
    return static_cast<bool>(thread);
}

bool Win32EngineHost::sessionInUse()
{
    // WTSActive: a user works in it, at the console or over Remote Desktop, and
    // a locked screen still counts. Switched away from (fast user switching) it
    // is WTSConnected, after a remote disconnect WTSDisconnected.
    WTS_CONNECTSTATE_CLASS* state = nullptr;
    DWORD bytes = 0;
    if (!WTSQuerySessionInformationW(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, WTSConnectState,
                                     reinterpret_cast<LPWSTR*>(&state), &bytes))
        return true; // can't be told: the one session there is
    const bool active = bytes >= sizeof *state && *state == WTSActive;
    WTSFreeMemory(state);
    return active;
}

bool Win32EngineHost::fullScreenProgramRuns()
{
    // The shell's own judgement, the one it holds notifications back by: a
    // full-screen program (QUNS_BUSY), a Direct3D game in exclusive full
    // screen, or presentation mode. Unanswered: nothing known to protect.
    QUERY_USER_NOTIFICATION_STATE state{};
    if (FAILED(SHQueryUserNotificationState(&state)))
        return false;
    return state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_PRESENTATION_MODE;
}

bool Win32EngineHost::lockRecoveries()
{
    if (!recoveryLock_) {
        // In the machine's namespace, where every signed-in user's engine finds
        // it; open to every signed-in user for waiting and releasing only. An
        // object of that name that can't be opened leaves the engines unlocked,
        // as they were before.
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
                L"D:(A;;0x00100001;;;AU)(A;;GA;;;SY)(A;;GA;;;BA)", SDDL_REVISION_1, &descriptor, nullptr))
            return true;
        SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
        recoveryLock_ = os::win32::UniqueHandle(CreateMutexExW(
            &attributes, L"Global\\QuenbyRecovery", 0, SYNCHRONIZE | MUTEX_MODIFY_STATE));
        LocalFree(descriptor);
        if (!recoveryLock_)
            return true;
    }
    return takeNow(recoveryLock_.get());
}

void Win32EngineHost::unlockRecoveries()
{
    if (recoveryLock_)
        ReleaseMutex(recoveryLock_.get());
}

void* Win32EngineHost::obtainBlock()
{
    auto* block = static_cast<char*>(std::malloc(kBlockSize));
    if (!block)
        return nullptr;
    // One write per page is the least that makes Windows commit it. Volatile, so
    // the writes stay although nothing reads them before the block is freed.
    volatile char* pages = block;
    for (std::size_t offset = 0; offset < kBlockSize; offset += kPageSize)
        pages[offset] = 1;
    return block;
}

void Win32EngineHost::releaseBlock(void* block)
{
    std::free(block);
}

void Win32EngineHost::playSound(const std::u16string& sound)
{
    // Flags 0: synchronous, the name taken as a sound alias or else a file name.
    PlaySoundW(os::win32::wide(sound).c_str(), instance_, 0);
}

void Win32EngineHost::clearClipboard()
{
    OpenClipboard(window_);
    EmptyClipboard();
    CloseClipboard();
}


bool Win32EngineHost::registerHotKey(std::uint32_t virtualKey)
{
    // Both keys share id 0; WM_HOTKEY tells them apart by the key. Without
    // MOD_NOREPEAT a held on/off key would switch the optimizer on and off with
    // every repeat of the keyboard.
    return RegisterHotKey(window_, 0, MOD_ALT | MOD_CONTROL | MOD_NOREPEAT, virtualKey) != FALSE;
}

void Win32EngineHost::unregisterHotKeys()
{
    UnregisterHotKey(window_, 0);
    UnregisterHotKey(window_, 0);
}

bool Win32EngineHost::confirm(const std::u16string& text, const std::u16string& caption)
{
    return messageBox(text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Win32EngineHost::showError(const std::u16string& text, const std::u16string& caption)
{
    messageBox(text, caption, MB_ICONERROR);
}

void Win32EngineHost::inform(const std::u16string& text, const std::u16string& caption)
{
    messageBox(text, caption, MB_ICONINFORMATION);
}

std::uint32_t Win32EngineHost::setShutdownPrivilege(bool enable)
{
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken))
        return kFunctionFailed;
    const os::win32::UniqueHandle token(rawToken);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        return kFunctionFailed;
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    // A token without the privilege still "succeeds" (ERROR_NOT_ALL_ASSIGNED):
    // the power call that follows then reports the refusal itself.
    if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr))
        return kFunctionFailed;
    return 0;
}

std::uint32_t Win32EngineHost::exitWindows(std::uint32_t flags, std::uint32_t reason)
{
    // Success means only that the system started the request: the programs are
    // asked afterwards, and one may still call it off.
    return ExitWindowsEx(flags, reason) ? 0 : GetLastError();
}

SleepSupport Win32EngineHost::sleepSupport()
{
    SYSTEM_POWER_CAPABILITIES capabilities{};
    if (!GetPwrCapabilities(&capabilities))
        return {};
    SleepSupport support;
    support.known = true;
    support.sleep = capabilities.SystemS1 || capabilities.SystemS2 || capabilities.SystemS3;
    // AoAc ("always on, always connected": Modern Standby) follows FastSystemS4,
    // Hiberboot and WakeAlarmPresent in the record; MinGW's header still calls
    // those three bytes spare2.
    static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, spare2) == 18 &&
                  offsetof(SYSTEM_POWER_CAPABILITIES, DiskSpinDown) == 21);
    support.modernStandby = capabilities.spare2[2] != FALSE;
    support.hibernate = capabilities.SystemS4 && capabilities.HiberFilePresent;
    return support;
}

std::uint32_t Win32EngineHost::suspend()
{
    // Sleep, not hibernation (the first argument), and no wake events turned off.
    return SetSuspendState(FALSE, FALSE, FALSE) ? 0 : GetLastError();
}

std::u16string Win32EngineHost::errorText(std::uint32_t code)
{
    // Language 0: the user's own language first, as the system looks it up.
    wchar_t buffer[512] = {};
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, std::size(buffer), nullptr);
    return std::u16string(buffer, buffer + length);
}

std::uint32_t Win32EngineHost::startProcess(const LaunchRequest& request)
{
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring commandLine = os::win32::wide(request.commandLine);
    const std::wstring folder = os::win32::wide(request.workingDirectory);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // No application name: the quoted first word of the command line is the program.
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started))
        return GetLastError();
    // The user asked for the panel through us, which gave us the right to the
    // foreground: passed on, so that the panel (or a running one it hands
    // over to) comes to the front instead of flashing in the taskbar.
    AllowSetForegroundWindow(started.dwProcessId);
    // The panel runs on by itself; nothing waits for it.
    os::win32::UniqueHandle process(started.hProcess);
    os::win32::UniqueHandle thread(started.hThread);
    return 0;
}

} // namespace quenby::engine
