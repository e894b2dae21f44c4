// The engine host on Linux: the "window" is a socket endpoint, the message loop
// a poll loop that delivers posted messages and timer ticks on one thread, and
// the tray (tray_shell_posix.h), hot keys, clipboard and sound are stand-ins
// that log what they are asked to do.
#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <optional>

#include "common/os/posix/endpoint.h"
#include "common/os/session_lock.h"
#include "engine/host.h"
#include "engine/system_host.h"
#include "engine/os/posix/tray_shell_posix.h"

namespace quenby::engine {

// A line of the engine's log (standard error), which stands in for what
// Windows would show the user.
void note(const std::string& line);

class PosixEngineHost : public SystemEngineHost {
public:
    PosixEngineHost();
    ~PosixEngineHost() override;

    void registerWindowClass() override {}
    bool claimEngineLock() override;
    bool createEngineWindow() override;
    void outputDebugString(std::u16string_view text) override;
    int runMessageLoop() override;
    int windowFailureExitCode() const override { return 1; }
    void postQuit(int code) override;
    std::u16string loadString(unsigned id) override;

    void setTimer(TimerId id, unsigned milliseconds, TimerCallback callback) override;
    void killTimer(TimerId id) override;


    bool startCpuSampler() override;

    // One session here, and no other session's engine to wait for.
    bool sessionInUse() override { return true; }
    bool lockRecoveries() override { return true; }
    // The stand-in's desktop has no full-screen state to ask: it never pauses.
    bool fullScreenProgramRuns() override { return false; }
    void unlockRecoveries() override {}

    void* obtainBlock() override;
    void releaseBlock(void* block) override;
    void playSound(const std::u16string& sound) override;
    void clearClipboard() override;

    TrayShell& tray() override;

    bool registerHotKey(std::uint32_t virtualKey) override;
    void unregisterHotKeys() override;
    bool confirm(const std::u16string& text, const std::u16string& caption) override;
    void showError(const std::u16string& text, const std::u16string& caption) override;
    void inform(const std::u16string& text, const std::u16string& caption) override;
    std::uint32_t setShutdownPrivilege(bool enable) override;
    std::uint32_t exitWindows(std::uint32_t flags, std::uint32_t reason) override;
    // The stand-in sleeps (or rather refuses to) as one machine: no Modern
    // Standby to tell of, no hibernation in its place.
    SleepSupport sleepSupport() override { return {true, true, false, false}; }
    std::uint32_t suspend() override;
    std::u16string errorText(std::uint32_t code) override;
    std::uint32_t startProcess(const LaunchRequest& request) override;

private:
    using Clock = std::chrono::steady_clock;
    struct Timer {
        std::chrono::milliseconds period{};
        Clock::time_point due{};
        TimerCallback callback = nullptr;
    };

    void dispatch(const os::posix::PostedMessage& message);
    void runDueTimers();
    int pollTimeout() const;

    std::optional<os::SessionLock> engineLock_; // held while this engine runs
    std::unique_ptr<os::posix::Endpoint> window_;
    int signalFd_ = -1;
    std::map<TimerId, Timer> timers_;
    bool quit_ = false;
    int quitCode_ = 0;
    PosixTrayShell tray_;
};

} // namespace quenby::engine
