#include "engine/os/win32/host_win32.h"

#include <mmsystem.h>

#include <cstdlib>

#include "common/identity.h"
#include "common/os/win32/handles.h"
#include "common/os/windowlink.h"
#include "common/sampling.h"
#include "engine/engine.h"
#include "engine/engine_state.h"

namespace quenby::engine {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;
constexpr std::size_t kPageSize = 4096;
// Texts of the string table are loaded into slots of 100 characters.
constexpr int kTextSlot = 100;

TimerCallback timerCallbacks[3] = {};

LRESULT CALLBACK engineWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
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
    engineState().cpuUsage = measureCpuUsage();
    return 1;
}

} // namespace

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

bool Win32EngineHost::engineWindowExists()
{
    return static_cast<bool>(os::findWindow(kEngineWindowClass, kEngineWindowTitle));
}

bool Win32EngineHost::createEngineWindow()
{
    // An ordinary top-level window, never shown: other processes find it by class
    // and title, which a message-only window would not allow.
    window_ = CreateWindowExW(0, os::win32::wide(kEngineWindowClass).c_str(),
                              os::win32::wide(kEngineWindowTitle).c_str(), WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, nullptr, nullptr, instance_,
                              nullptr);
    return window_ != nullptr;
}

void Win32EngineHost::outputDebugString(std::u16string_view text)
{
    OutputDebugStringW(os::win32::wide(text).c_str());
}

int Win32EngineHost::runMessageLoop()
{
    MSG message{};
    // GetMessageW gives -1 on an error, which would otherwise spin for ever.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void Win32EngineHost::postQuit(int code)
{
    PostQuitMessage(code);
}

std::u16string Win32EngineHost::loadString(unsigned id)
{
    wchar_t buffer[kTextSlot] = {};
    const int length = LoadStringW(instance_, id, buffer, kTextSlot);
    return std::u16string(buffer, buffer + (length > 0 ? length : 0));
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

void Win32EngineHost::postToPanel(std::uint32_t message)
{
    os::postToWindow(panelWindowClass(), kPanelWindowTitle, message);
}

std::uint32_t Win32EngineHost::totalPhysicalMB()
{
    return quenby::totalPhysicalMB();
}

std::uint32_t Win32EngineHost::availablePhysicalMB()
{
    return quenby::availablePhysicalMB();
}

std::uint32_t Win32EngineHost::freeMemoryPercent()
{
    return quenby::freeMemoryPercent();
}

bool Win32EngineHost::startCpuSampler()
{
    // The thread runs on by itself; its handle is not needed.
    os::win32::UniqueHandle thread(CreateThread(nullptr, 0, cpuSampler, nullptr, 0, nullptr));
    return static_cast<bool>(thread);
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

bool Win32EngineHost::destroyTrayImage()
{
    return true;
}

void Win32EngineHost::renderTrayImage(const TrayPicture&) {}

void Win32EngineHost::notifyTray(TrayAction, const std::u16string&) {}

void Win32EngineHost::buildTrayMenu(const std::vector<MenuItem>&) {}

void Win32EngineHost::setMenuItemText(unsigned, const std::u16string&) {}

void Win32EngineHost::showTrayMenu() {}

void Win32EngineHost::destroyTrayMenu() {}

void Win32EngineHost::registerHotKey(std::uint32_t virtualKey)
{
    // Both keys share id 0; WM_HOTKEY tells them apart by the key.
    RegisterHotKey(window_, 0, MOD_ALT | MOD_CONTROL, virtualKey);
}

void Win32EngineHost::unregisterHotKeys()
{
    UnregisterHotKey(window_, 0);
    UnregisterHotKey(window_, 0);
}

bool Win32EngineHost::confirm(const std::u16string&, const std::u16string&)
{
    return false;
}

void Win32EngineHost::showError(const std::u16string&, const std::u16string&) {}

std::uint32_t Win32EngineHost::setShutdownPrivilege(bool)
{
    return 1627;
}

void Win32EngineHost::exitWindows(std::uint32_t, std::uint32_t) {}

void Win32EngineHost::suspend() {}

std::uint32_t Win32EngineHost::startProcess(const LaunchRequest&)
{
    return 1;
}

} // namespace quenby::engine
