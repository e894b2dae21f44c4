// The Windows side of the panel suites' support: the real registry of the
// build's private Wine prefix, the engine played by a hidden window of the
// engine's class and title, and a small program standing in for the engine's
// executable.
#include "tests/panel/panel_test_support.h"

#include <windows.h>

#include <tlhelp32.h>

#include <deque>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include "common/identity.h"
#include "common/os/win32/handles.h"
#include "panel/mainwindow.h"

namespace quenby::paneltest {
namespace {

using os::win32::wide;

// Only inside the prefix that this build made for its tests is HKEY_CURRENT_USER
// ours to clear: under Wine, with WINEPREFIX naming that prefix.
bool inTestPrefix()
{
#ifdef QUENBY_TEST_WINEPREFIX
    const HMODULE ntdll = GetModuleHandleW(L"ntdll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version"))
        return false;
    wchar_t prefix[4096] = {};
    const DWORD length = GetEnvironmentVariableW(L"WINEPREFIX", prefix, 4096);
    return length > 0 && length < 4096 &&
           QString::fromWCharArray(prefix, static_cast<qsizetype>(length)) ==
               QStringLiteral(QUENBY_TEST_WINEPREFIX);
#else
    return false;
#endif
}

// Reaches the window's nativeEvent, which Qt calls for each message the window
// system delivers; a test has no other way to it under the offscreen platform.
struct NativeEventAccess : MainWindow {
    static bool call(MainWindow& window, void* message, qintptr* result)
    {
        return (window.*&NativeEventAccess::nativeEvent)(QByteArrayLiteral("windows_generic_MSG"),
                                                         message, result);
    }
};

} // namespace

struct PrivateSettings::Place {
    bool ok = inTestPrefix();
};

PrivateSettings::PrivateSettings() : place_(std::make_unique<Place>())
{
    if (!place_->ok)
        qWarning("The panel suites clear HKEY_CURRENT_USER\\Software\\Quenby: they run only under "
                 "Wine in this build's own prefix (%s).",
#ifdef QUENBY_TEST_WINEPREFIX
                 QUENBY_TEST_WINEPREFIX
#else
                 "none: not a cross build"
#endif
        );
}

PrivateSettings::~PrivateSettings()
{
    // Leave the prefix as the next suite expects to find it.
    clearRegistry();
}

bool PrivateSettings::ok() const
{
    return place_->ok;
}

void PrivateSettings::clearRegistry() const
{
    if (!place_->ok)
        return;
    RegDeleteTreeW(HKEY_CURRENT_USER, os::win32::wide(kSettingsKey).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, os::win32::wide(kPolicyKey).c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, os::win32::wide(kPolicyKey).c_str());
    // The start-up entries and Task Manager's switches for them, the user's and
    // the machine's.
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        for (std::u16string_view key : {kRunKey, kStartupApprovedKey})
            RegDeleteKeyValueW(root, wide(key).c_str(), wide(kRunValue).c_str());
}

void storeMachineValue(std::u16string_view key, std::u16string_view name, os::RegType type,
                       const QByteArray& data)
{
    os::win32::UniqueHKey handle;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, wide(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, handle.put(), nullptr) == ERROR_SUCCESS)
        RegSetValueExW(handle.get(), wide(name).c_str(), 0, static_cast<DWORD>(type),
                       reinterpret_cast<const BYTE*>(data.constData()), static_cast<DWORD>(data.size()));
}

void storeMachinePolicy(std::u16string_view name, std::uint32_t value)
{
    QProcess::execute(QStringLiteral("reg"),
                      {QStringLiteral("add"), QStringLiteral("HKLM\\Software\\Policies\\Quenby"),
                       QStringLiteral("/v"), QString::fromStdU16String(std::u16string(name)),
                       QStringLiteral("/t"), QStringLiteral("REG_DWORD"), QStringLiteral("/d"),
                       QString::number(value), QStringLiteral("/f")});
}

// A hidden top-level window of the engine's class and title in this thread. What
// is posted to it arrives through this thread's message queue, which Qt's event
// loop empties too: the window procedure keeps the messages, so that neither
// loses them, and a WM_CLOSE does not destroy the window.
struct PlayedEngine::Window {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    std::wstring className = wide(kEngineWindowClass);
    bool registered = false;
    HWND window = nullptr;
    std::deque<std::uint32_t> received;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        // The panel posts only registered messages (0xC000 and up) and WM_CLOSE.
        if (self && (message == WM_CLOSE || message >= 0xC000)) {
            self->received.push_back(message);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    Window()
    {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = procedure;
        type.hInstance = instance;
        type.lpszClassName = className.c_str();
        registered = RegisterClassExW(&type) != 0;
        if (!registered)
            return;
        window = CreateWindowExW(0, className.c_str(), wide(kEngineWindowTitle).c_str(), WS_OVERLAPPED,
                                 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
        if (window)
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    ~Window()
    {
        if (window)
            DestroyWindow(window);
        if (registered)
            UnregisterClassW(className.c_str(), instance);
    }

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
};

PlayedEngine::PlayedEngine() : window_(std::make_unique<Window>()) {}

PlayedEngine::~PlayedEngine() = default;

bool PlayedEngine::isOpen() const
{
    return window_->window != nullptr;
}

QList<std::uint32_t> PlayedEngine::drain()
{
    MSG message{};
    while (PeekMessageW(&message, window_->window, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    QList<std::uint32_t> messages(window_->received.begin(), window_->received.end());
    window_->received.clear();
    return messages;
}

StandInEngine::StandInEngine()
{
    // Built beside the suites; copied under the engine's name.
    const QString standIn =
        QCoreApplication::applicationDirPath() + QStringLiteral("/quenby_panel_engine_standin.exe");
    ok_ = dir_.isValid() && QFile::copy(standIn, program());
}

bool deliverToPanel(MainWindow& window, std::uint32_t number)
{
    qintptr result = 0;
    return callNativeEvent(window, number, &result);
}

bool callNativeEvent(MainWindow& window, std::uint32_t number, qintptr* result)
{
    MSG message{};
    message.hwnd = window.testAttribute(Qt::WA_WState_Created) ? reinterpret_cast<HWND>(window.winId())
                                                                : nullptr;
    message.message = number;
    return NativeEventAccess::call(window, &message, result);
}

int threadsOfThisProcess()
{
    const os::win32::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot)
        return -1;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId() ? 1 : 0;
    return count;
}

} // namespace quenby::paneltest
