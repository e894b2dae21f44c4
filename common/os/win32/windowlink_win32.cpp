// The window link on Windows: the window manager already does all of it.
#include "common/os/windowlink.h"

#include "common/os/win32/handles.h"

#include <windows.h>

namespace quenby::os {

// The copies that win32::wide makes also supply the terminating null the API needs.
using win32::wide;

std::uint32_t registerMessage(std::u16string_view name)
{
    if (name.empty())
        return 0; // RegisterWindowMessageW refuses an empty name too
    return RegisterWindowMessageW(wide(name).c_str());
}

WindowRef findWindow(std::u16string_view windowClass, std::u16string_view title)
{
    const HWND window = FindWindowW(wide(windowClass).c_str(), wide(title).c_str());
    WindowRef ref;
    ref.id = reinterpret_cast<std::uintptr_t>(window);
    return ref;
}

bool postMessage(const WindowRef& window, std::uint32_t message, std::uint64_t wParam,
                 std::int64_t lParam)
{
    if (!window)
        return false;
    return PostMessageW(reinterpret_cast<HWND>(window.id), message, static_cast<WPARAM>(wParam),
                        static_cast<LPARAM>(lParam)) != FALSE;
}

void allowForeground(const WindowRef& window)
{
    DWORD process = 0;
    if (window && GetWindowThreadProcessId(reinterpret_cast<HWND>(window.id), &process) != 0 && process != 0)
        AllowSetForegroundWindow(process);
}

bool postToWindow(std::u16string_view windowClass, std::u16string_view title,
                  std::uint32_t message, std::uint64_t wParam, std::int64_t lParam)
{
    const WindowRef window = findWindow(windowClass, title);
    return window && postMessage(window, message, wParam, lParam);
}

} // namespace quenby::os
