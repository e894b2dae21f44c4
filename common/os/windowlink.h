// The window link: how the two programs find each other's top-level window and
// post registered messages to it.
//
// On Windows these are RegisterWindowMessageW, FindWindowW and PostMessageW. On
// Linux a window is a datagram socket in a per-user runtime folder, named after
// its class and title; see os/posix/endpoint.h for the receiving side.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quenby::os {

// A window found by class and title.
struct WindowRef {
    std::uintptr_t id = 0; // the window handle on Windows; the socket's inode on Linux
    std::string address;   // the socket's path on Linux; empty on Windows

    explicit operator bool() const { return id != 0; }
};

// RegisterWindowMessageW: the same number for the same name (compared without
// regard to case) in every process of the session, in 0xC000..0xFFFF; 0 on failure.
std::uint32_t registerMessage(std::u16string_view name);

// FindWindowW(windowClass, title). A window whose process has ended is not found.
WindowRef findWindow(std::u16string_view windowClass, std::u16string_view title);

// PostMessageW: queues the message and returns at once; false when it could not
// be queued (the window is gone, or its queue is full).
bool postMessage(const WindowRef& window, std::uint32_t message, std::uint64_t wParam,
                 std::int64_t lParam);

// Lets the window's process bring a window of its own to the front
// (AllowSetForegroundWindow for that process). Windows lets only the process the
// user is working with take the foreground; one that was just started by it,
// and is about to hand over to a program already running, passes that right on
// with this before it posts. Nothing on Linux, where the window manager decides.
void allowForeground(const WindowRef& window);

// Finds the window and posts to it; false when there is no such window.
bool postToWindow(std::u16string_view windowClass, std::u16string_view title,
                  std::uint32_t message, std::uint64_t wParam = 0, std::int64_t lParam = 0);

} // namespace quenby::os
