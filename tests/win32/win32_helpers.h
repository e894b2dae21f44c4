// Helpers of the Windows suites: hidden test windows and child processes that
// never outlive a test.
#pragma once

#include <windows.h>

#include <string>

#include "common/os/win32/handles.h"

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
    ChildProcess(const std::wstring& program, const std::wstring& arguments)
    {
        std::wstring commandLine = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info {};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &info))
            return;
        process_ = UniqueHandle(info.hProcess);
        thread_ = UniqueHandle(info.hThread);
    }
    ~ChildProcess() { terminate(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return static_cast<bool>(process_); }
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
    UniqueHandle process_;
    UniqueHandle thread_;
};

// The full path of a program in the folder of this suite.
inline std::wstring programBeside(const std::wstring& fileName)
{
    const std::wstring self = selfPathW();
    return self.substr(0, self.find_last_of(L"\\/") + 1) + fileName;
}

} // namespace quenby::test
