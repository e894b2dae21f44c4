// The engine host on Windows: the hidden engine window, its message loop and
// timers, and the Win32 calls behind every service the engine logic asks for.
#pragma once

#include <windows.h>

#include <optional>

#include "engine/host.h"
#include "engine/system_host.h"
#include "common/os/session_lock.h"
#include "common/os/win32/handles.h"
#include "engine/os/win32/tray_shell_win32.h"

namespace quenby::engine {

// The exit code of a message loop whose GetMessageW failed (-1): the wParam of
// the last message it got says nothing about how it ended.
inline constexpr int kMessageLoopFailed = -1;

// Gets and dispatches messages with `getMessage` (GetMessageW's contract) until
// it returns 0, giving WM_QUIT's code, or -1, giving kMessageLoopFailed.
int runMessageLoopWith(BOOL (*getMessage)(MSG* message));

class Win32EngineHost final : public SystemEngineHost {
public:
    // `instance` holds the resources (texts and images) and owns the window class.
    explicit Win32EngineHost(HINSTANCE instance);
    ~Win32EngineHost() override;

    void registerWindowClass() override;
    bool claimEngineLock() override;
    bool createEngineWindow() override;
    void outputDebugString(std::u16string_view text) override;
    int runMessageLoop() override;
    void postQuit(int code) override;
    std::u16string loadString(unsigned id) override;

    void setTimer(TimerId id, unsigned milliseconds, TimerCallback callback) override;
    void killTimer(TimerId id) override;


    bool startCpuSampler() override;

    bool sessionInUse() override;
    bool fullScreenProgramRuns() override;
    bool lockRecoveries() override;
    void unlockRecoveries() override;

    void* obtainBlock() override;
    void releaseBlock(void* block) override;
    void playSound(const std::u16string& sound) override;
    void clearClipboard() override;

    Win32TrayShell& tray() override;
    bool registerHotKey(std::uint32_t virtualKey) override;
    void unregisterHotKeys() override;
    bool confirm(const std::u16string& text, const std::u16string& caption) override;
    void showError(const std::u16string& text, const std::u16string& caption) override;
    void inform(const std::u16string& text, const std::u16string& caption) override;
    std::uint32_t setShutdownPrivilege(bool enable) override;
    std::uint32_t exitWindows(std::uint32_t flags, std::uint32_t reason) override;
    SleepSupport sleepSupport() override;
    std::uint32_t suspend() override;
    std::u16string errorText(std::uint32_t code) override;
    std::uint32_t startProcess(const LaunchRequest& request) override;

private:
    // Whether the texts picked for the user read right to left.
    bool rightToLeft();
    // MessageBoxW with the reading order of the texts.
    int messageBox(const std::u16string& text, const std::u16string& caption, UINT style);

    HINSTANCE instance_;
    // The language of the string table's block the texts come from, chosen
    // at the first text; English until then and where no other fits.
    std::optional<LANGID> textLanguage_;
    std::optional<os::SessionLock> engineLock_; // held while this engine runs
    os::win32::UniqueHandle recoveryLock_; // machine-wide, owned while a recovery runs
    bool sessionNotices_ = false; // registered for the session's changes
    HWND window_ = nullptr;
    Win32TrayShell tray_;
};

} // namespace quenby::engine
