// Helpers of the Windows suites: hidden test windows and child processes that
// never outlive a test.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "common/os/win32/handles.h"
#include "engine/os/win32/gdi_handles.h"

namespace quenby::test {

using os::win32::UniqueHandle;

// A window class of its own and a hidden top-level window of it, both gone with
// the object.
class TestWindow {
public:
    TestWindow(const std::wstring& windowClass, const std::wstring& title)
        : className_(windowClass), instance_(GetModuleHandleW(nullptr))
    {
        WNDCLASSEXW type {};
        type.cbSize = sizeof type;
        type.lpfnWndProc = DefWindowProcW;
        type.hInstance = instance_;
        type.lpszClassName = className_.c_str();
        if (!RegisterClassExW(&type))
            return;
        registered_ = true;
        window_ = CreateWindowExW(0, className_.c_str(), title.c_str(), WS_OVERLAPPED, 0, 0, 10,
                                  10, nullptr, nullptr, instance_, nullptr);
    }
    ~TestWindow()
    {
        destroy();
        if (registered_)
            UnregisterClassW(className_.c_str(), instance_);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND get() const { return window_; }
    void destroy()
    {
        if (window_)
            DestroyWindow(window_);
        window_ = nullptr;
    }

private:
    std::wstring className_;
    HINSTANCE instance_;
    bool registered_ = false;
    HWND window_ = nullptr;
};

inline std::wstring selfPathW()
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path;
}

// A running child process (a copy of this suite, or a program beside it). Ended and its handles closed when the
// object goes, so that a failing test never leaves a process behind.
class ChildProcess {
public:
    // `flags` as CreateProcessW takes them: CREATE_SUSPENDED holds the child
    // until resume(), so that several can be let go at the same moment.
    ChildProcess(const std::wstring& program, const std::wstring& arguments, DWORD flags = 0)
    {
        std::wstring commandLine = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info {};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr,
                            nullptr, &startup, &info)) {
            error_ = GetLastError();
            return;
        }
        process_ = UniqueHandle(info.hProcess);
        thread_ = UniqueHandle(info.hThread);
    }
    ~ChildProcess() { terminate(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    DWORD startError() const { return error_; } // CreateProcessW's error when it did not start
    void resume() const { ResumeThread(thread_.get()); }
    HANDLE handle() const { return process_.get(); }
    bool running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

    // The exit code once the child has ended, or -1 when it is still running
    // after the time.
    long waitExit(DWORD timeoutMs = 10000)
    {
        if (!process_ || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.get(), &code);
        return static_cast<long>(code);
    }

    // Ends the child at once if it is still running, and waits until it has.
    void terminate()
    {
        if (!process_ || WaitForSingleObject(process_.get(), 0) != WAIT_TIMEOUT)
            return;
        TerminateProcess(process_.get(), 98);
        WaitForSingleObject(process_.get(), 10000);
    }

private:
    DWORD error_ = 0;
    UniqueHandle process_;
    UniqueHandle thread_;
};

// The full path of a program in the folder of this suite.
inline std::wstring programBeside(const std::wstring& fileName)
{
    const std::wstring self = selfPathW();
    return self.substr(0, self.find_last_of(L"\\/") + 1) + fileName;
}

// Handles this thread's messages until `done` holds or the time is up; false
// on the time running out.
// The engine window of this process, found the way the panel finds it.
inline HWND engineWindow()
{
    return FindWindowW(L"TQuenbyEngine", L"Harlowe Quenby Pro");
}

// The text of a visible balloon that the notification area shows now; empty if none.
inline std::wstring shownBalloon()
{
    std::wstring found;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t type[64] = {};
            GetClassNameW(window, type, 64);
            if (std::wstring(type) != L"tooltips_class32" || !IsWindowVisible(window))
                return TRUE;
            wchar_t text[512] = {};
            DWORD_PTR length = 0;
            // Another process's window: a time limit, so a hung shell can't hold the test.
            if (SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text),
                                    SMTO_ABORTIFHUNG, 2000, &length) &&
                length > 0)
                *reinterpret_cast<std::wstring*>(result) = text;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

inline bool pumpMessagesUntil(const std::function<bool()>& done, int timeoutMs = 10000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done())
            return true;
        if (std::chrono::steady_clock::now() > end)
            return false;
        Sleep(10);
    }
}

// What a message box of this process showed, as read before it was answered.
struct DialogSeen {
    bool found = false;
    std::wstring caption;
    std::wstring text;       // the non-empty static text
    std::vector<int> buttons; // control ids of the buttons, in window order
    HICON icon = nullptr;    // the picture of the icon control
};

// Answers the first message box ("#32770" window) of this process that shows up
// while it lives: reads it, then presses `button`. A message box blocks the
// thread that shows it, so the reading and the answer come from a thread of
// their own. Destroying the answerer (or calling seen()) stops its search.
class DialogAnswerer {
public:
    explicit DialogAnswerer(int button) : button_(button), thread_([this] { run(); }) {}
    ~DialogAnswerer() { stop(); }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Call after the box has returned.
    const DialogSeen& seen()
    {
        stop();
        return seen_;
    }

private:
    void stop()
    {
        stopping_ = true;
        if (thread_.joinable())
            thread_.join();
    }

    static HWND findBox()
    {
        struct Search {
            DWORD process;
            HWND found;
        } search{GetCurrentProcessId(), nullptr};
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                wchar_t name[16] = {};
                GetClassNameW(window, name, 16);
                if (owner == s.process && std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
                    s.found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    static std::wstring textOf(HWND window)
    {
        wchar_t buffer[1024] = {};
        GetWindowTextW(window, buffer, 1024);
        return buffer;
    }

    void run()
    {
        // Long enough for a slow start, short of the suite's time limit.
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        HWND box = nullptr;
        while (!box && !stopping_ && std::chrono::steady_clock::now() < end) {
            box = findBox();
            if (!box)
                Sleep(20);
        }
        if (!box)
            return;
        seen_.found = true;
        seen_.caption = textOf(box);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            const std::wstring type = name;
            if (_wcsicmp(type.c_str(), L"Button") == 0) {
                seen_.buttons.push_back(GetDlgCtrlID(child));
            } else if (_wcsicmp(type.c_str(), L"Static") == 0) {
                const std::wstring text = textOf(child);
                if (!text.empty())
                    seen_.text = text;
                else if (HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)))
                    seen_.icon = icon;
            }
        }
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, button_)));
    }

    int button_;
    std::atomic<bool> stopping_{false};
    DialogSeen seen_;
    std::thread thread_;
};

// An icon's pixels as GetIconInfo and GetDIBits give them back, row by row from
// the top: the colour bitmap (0xRRGGBB) and where the mask makes it transparent.
struct DecodedIcon {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;
    std::vector<bool> transparent;

    std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y * width + x)]; }
    bool clear(int x, int y) const { return transparent[static_cast<std::size_t>(y * width + x)]; }
};

// Reads an icon of any size; an empty text when it worked, else what failed.
inline std::string decodeIcon(HICON icon, DecodedIcon& out)
{
    if (!icon)
        return "no icon";
    ICONINFO parts{};
    if (!GetIconInfo(icon, &parts))
        return "GetIconInfo failed";
    // GetIconInfo hands over copies of both bitmaps.
    const engine::win32::UniqueBitmap colour(parts.hbmColor), mask(parts.hbmMask);
    if (!colour || !mask)
        return "the icon lacks a colour bitmap or a mask";
    BITMAP size{};
    if (!GetObjectW(colour.get(), sizeof size, &size) || size.bmWidth <= 0 || size.bmHeight <= 0)
        return "the colour bitmap has no size";
    out.width = size.bmWidth;
    out.height = size.bmHeight;
    const std::size_t count = static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height);
    std::vector<std::uint32_t> colourBits(count), maskBits(count);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = out.width;
    format.bmiHeader.biHeight = -out.height; // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    const engine::win32::UniqueDc dc(CreateCompatibleDC(nullptr));
    const auto rows = static_cast<UINT>(out.height);
    const auto read = [&](HBITMAP bitmap, std::vector<std::uint32_t>& bits) {
        return GetDIBits(dc.get(), bitmap, 0, rows, bits.data(), &format, DIB_RGB_COLORS) == out.height;
    };
    if (!dc || !read(colour.get(), colourBits) || !read(mask.get(), maskBits))
        return "GetDIBits failed";
    out.rgb.resize(count);
    out.transparent.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        out.rgb[i] = colourBits[i] & 0xFFFFFF;
        out.transparent[i] = (maskBits[i] & 0xFFFFFF) != 0;
    }
    return {};
}

} // namespace quenby::test
