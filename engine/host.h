// What the engine's logic needs from the platform it runs on. The Win32 host
// does it with a hidden window, its message loop and the Win32 calls; the Linux
// host with a poll loop, a socket endpoint and stand-ins; the tests with a
// recording fake. The notification area is a room of its own (TrayShell),
// which the host hands out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/identity.h"
#include "common/protected_programs.h"
#include "common/os/keyboard.h"
#include "common/os/memory.h"
#include "engine/tray_shell.h"

namespace quenby::engine {

using TimerCallback = void (*)();

// The timers of the engine window.
enum class TimerId : unsigned {
    periodic = 1, // the once-a-second check
    startup = 2,  // the one start-up recovery; its own id, so it can't replace the other
};

// How to start the control panel: the quoted command line for Windows, and the
// same as program and argument for hosts that take them apart.
struct LaunchRequest {
    std::u16string commandLine;
    std::u16string program;
    std::u16string argument;
    std::u16string workingDirectory;
};

// What the machine can do when asked to sleep, as the system reports it.
struct SleepSupport {
    bool known = false;         // the system answered; the rest is meaningless otherwise
    bool sleep = false;         // a sleep state a program may enter (S1 to S3)
    bool modernStandby = false; // S0 low-power idle, which only the system itself enters
    bool hibernate = false;     // hibernation is on (S4 with its file present)
};

// The tray icon's callback message (WM_USER + 10) and the system messages the
// engine window reacts to.
inline constexpr std::uint32_t WM_TRAYICON = 1034;
inline constexpr std::uint32_t WM_COMMAND_MESSAGE = 0x0111;
inline constexpr std::uint32_t WM_HOTKEY_MESSAGE = 0x0312;
inline constexpr std::uint32_t WM_THEMECHANGED_MESSAGE = 0x031A;
// The engine's session was connected, disconnected, switched to or away from.
inline constexpr std::uint32_t WM_WTSSESSION_CHANGE_MESSAGE = 0x02B1;
// The screen's scale or layout changed: WM_DPICHANGED and WM_DISPLAYCHANGE.
inline constexpr std::uint32_t WM_DPICHANGED_MESSAGE = 0x02E0;
inline constexpr std::uint32_t WM_DISPLAYCHANGE_MESSAGE = 0x007E;
// The system's colours changed (a contrast theme switched on or off).
inline constexpr std::uint32_t WM_SYSCOLORCHANGE_MESSAGE = 0x0015;

class EngineHost {
public:
    virtual ~EngineHost() = default;

    // --- Start-up and the loop ---------------------------------------------------
    virtual void registerWindowClass() = 0;
    // Whether an engine window already exists in this session.
    virtual bool engineWindowExists() = 0;
    // Takes the session's engine lock for as long as the host lives; false when
    // another engine holds it. Two engines started at the same moment can both
    // find no window yet: the lock lets one of them through. A lock left by an
    // engine that ended without letting go is taken over.
    virtual bool claimEngineLock() = 0;
    // Creates the hidden engine window; false when that fails.
    virtual bool createEngineWindow() = 0;
    // The exit code of an engine whose window could not be created. Windows
    // ends such an engine with 0, as it does a second engine; a Linux service
    // supervisor must be able to tell a refused runtime folder from a normal end.
    virtual int windowFailureExitCode() const { return 0; }
    virtual void outputDebugString(std::u16string_view text) = 0;
    // Runs the message loop until a quit; returns the quit's code.
    virtual int runMessageLoop() = 0;
    // Ends the message loop with this code (PostQuitMessage).
    virtual void postQuit(int code) = 0;
    // A text of the string table.
    virtual std::u16string loadString(unsigned id) = 0;

    // --- Timers ------------------------------------------------------------------
    virtual void setTimer(TimerId id, unsigned milliseconds, TimerCallback callback) = 0;
    virtual void killTimer(TimerId id) = 0;

    // --- Messages to the control panel ---------------------------------------------
    // Posts the registered message to the panel's main window if it exists.
    virtual void postToPanel(std::uint32_t message) = 0;

    // --- Sampling --------------------------------------------------------------------
    virtual std::uint32_t totalPhysicalMB() = 0;
    virtual std::uint32_t availablePhysicalMB() = 0;
    virtual std::uint32_t freeMemoryPercent() = 0;
    // Starts a thread that measures the CPU usage over one second and stores it in
    // the engine state; false when no thread could be started.
    virtual bool startCpuSampler() = 0;

    // --- The session -------------------------------------------------------------------
    // Whether this engine's session is the one in use: connected to the screen
    // (or a remote desktop) and not switched away from. True when that can't be
    // told, as on a system with one session.
    virtual bool sessionInUse() = 0;
    // Whether a full-screen program, a game in full screen or a presentation
    // has the screen: what the user is looking at would stall under a recovery.
    virtual bool fullScreenProgramRuns() = 0;
    // Whether one of these programs runs in the user's session.
    virtual bool protectedProgramRuns(const ProtectedPrograms& programs) = 0;
    // Takes the machine-wide lock that keeps the recoveries of two sessions from
    // running at the same time, without waiting; false when someone else holds
    // it. Each taken lock is given back with unlockRecoveries.
    virtual bool lockRecoveries() = 0;
    virtual void unlockRecoveries() = 0;

    // --- Recovery ----------------------------------------------------------------------
    // What a recovery must not exhaust and how much of it is left (the commit on
    // Windows, physical memory on Linux); false when it can't be read.
    virtual bool recoveryRoom(os::MemoryRoom& room) = 0;
    // Obtains one block of 1 MiB with every page committed (one write per 4096-byte
    // page); null when it can't be had. Each block goes back through releaseBlock.
    virtual void* obtainBlock() = 0;
    virtual void releaseBlock(void* block) = 0;
    // Plays the sound file (or sound alias) and returns when it has finished.
    virtual void playSound(const std::u16string& sound) = 0;
    virtual void clearClipboard() = 0;
    // The recovery history's file in the user's own folder: its text when it
    // is there and a plain file of theirs within the bound, and its replacement.
    virtual std::optional<std::string> loadHistory() = 0;
    virtual void saveHistory(std::string_view text) = 0;

    // --- The notification area ------------------------------------------------------------
    // The icon, its notices and its menu (engine/tray_shell.h).
    virtual TrayShell& tray() = 0;

    // --- Hot keys, questions, power and programs ---------------------------------------------
    // The key of the user's keyboard layout for a hot key given as a character,
    // and whether Ctrl+Alt on it may be taken (see common/os/keyboard.h).
    virtual os::HotKeyChoice hotKeyFor(char16_t character) = 0;
    // Ctrl+Alt plus the key, as a global hot key that does not repeat while held;
    // false when it could not be registered (another program holds it).
    virtual bool registerHotKey(std::uint32_t virtualKey) = 0;
    virtual void unregisterHotKeys() = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(const std::u16string& text, const std::u16string& caption) = 0;
    virtual void showError(const std::u16string& text, const std::u16string& caption) = 0;
    // A message box that only tells, with one OK button.
    virtual void inform(const std::u16string& text, const std::u16string& caption) = 0;
    // 0 on success, 1627 (the function failed) when any step fails.
    virtual std::uint32_t setShutdownPrivilege(bool enable) = 0;
    // ExitWindowsEx; 0 when the system took the request, or the system's error
    // code. A program that then asks to be saved first may still call it off.
    virtual std::uint32_t exitWindows(std::uint32_t flags, std::uint32_t reason) = 0;
    // What the machine can do when asked to sleep.
    virtual SleepSupport sleepSupport() = 0;
    // Asks the system to sleep (never to hibernate) and returns after it woke;
    // 0, or the error code. Where the machine cannot sleep, the system may
    // hibernate it instead: the logic asks the user before it comes to that.
    virtual std::uint32_t suspend() = 0;
    // The system's description of an error code, in the user's language; empty
    // when it has none.
    virtual std::u16string errorText(std::uint32_t code) = 0;
    // Starts the program; 0, or the system's error code.
    virtual std::uint32_t startProcess(const LaunchRequest& request) = 0;
};

} // namespace quenby::engine
