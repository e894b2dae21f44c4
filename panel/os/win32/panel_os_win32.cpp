// The panel's OS layer on Windows. Only a Windows build compiles this file.
#include "panel/os/panel_os.h"

#include <windows.h>
#include <dwmapi.h>

#include <vector>

#include <QWidget>

namespace quenby::panel::os {
namespace {

HWND windowHandle(QWidget* window)
{
    return reinterpret_cast<HWND>(window->winId());
}

} // namespace

std::uint32_t windowsBuildNumber()
{
    // GetVersionEx lies to programs without a compatibility manifest entry for
    // the newest Windows; RtlGetVersion always tells the truth.
    using RtlGetVersionFunction = LONG(WINAPI*)(PRTL_OSVERSIONINFOW);
    const HMODULE ntdll = GetModuleHandleA("ntdll");
    if (!ntdll)
        return 0;
    const FARPROC address = GetProcAddress(ntdll, "RtlGetVersion");
    if (!address)
        return 0;
    const auto rtlGetVersion =
        reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void*>(address));
    RTL_OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof info; // 284
    if (rtlGetVersion(reinterpret_cast<PRTL_OSVERSIONINFOW>(&info)) != 0)
        return 0;
    return info.dwBuildNumber;
}

QString windowsDirectory()
{
    std::vector<wchar_t> buffer(32767);
    const UINT length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0 || length >= buffer.size())
        return {};
    return QString::fromWCharArray(buffer.data(), static_cast<qsizetype>(length));
}

QString systemSoundFolder()
{
    const QString windows = windowsDirectory();
    if (windows.isEmpty())
        return {};
    return windows + QStringLiteral("\\Media");
}

QString nativeWindowClassName(QWidget* window)
{
    wchar_t name[1024] = {};
    const int length = GetClassNameW(windowHandle(window), name, 1024);
    return QString::fromWCharArray(name, length > 0 ? length : 0);
}

quenby::os::StartOutcome startEngine(QWidget* owner, const QString& enginePath)
{
    return quenby::os::startProgram(
        {.program = enginePath.toStdU16String(), .ownerWindow = reinterpret_cast<std::uintptr_t>(windowHandle(owner))});
}

void setDarkTitleBar(QWidget* window, bool dark)
{
    // DWMWA_USE_IMMERSIVE_DARK_MODE: 20 since Windows 10 20H1, 19 before it.
    const BOOL value = dark ? TRUE : FALSE;
    const HWND handle = windowHandle(window);
    if (FAILED(DwmSetWindowAttribute(handle, 20, &value, sizeof value)))
        DwmSetWindowAttribute(handle, 19, &value, sizeof value);
}

std::uint32_t nativeMessageNumber(const QByteArray&, void* message)
{
    // Qt hands a MSG to nativeEvent for every window message of the window.
    return message ? static_cast<const MSG*>(message)->message : 0;
}

std::unique_ptr<QObject> openMessageEndpoint(std::function<void(std::uint32_t)>)
{
    // The engine posts to the main window itself; nativeEvent receives it.
    return nullptr;
}

} // namespace quenby::panel::os
