// What the engine's logic needs from the platform it runs on. The Win32 host
// does it with a hidden window, its message loop and the Win32 calls; the Linux
// host with a poll loop, a socket endpoint and stand-ins; the tests with a
// recording fake.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/identity.h"

namespace quenby::engine {

using TimerCallback = void (*)();

// The timers of the engine window.
enum class TimerId : unsigned {
    periodic = 1, // the once-a-second check
    startup = 2,  // the one start-up recovery; its own id, so it can't replace the other
};

// What the shell is asked to do with the tray icon.
enum class TrayAction { add, modify, remove };

// The tray icon's callback message (WM_USER + 10) and the system messages the
// engine window reacts to.
inline constexpr std::uint32_t WM_TRAYICON = 1034;
inline constexpr std::uint32_t WM_COMMAND_MESSAGE = 0x0111;
inline constexpr std::uint32_t WM_HOTKEY_MESSAGE = 0x0312;
inline constexpr std::uint32_t WM_THEMECHANGED_MESSAGE = 0x031A;

class EngineHost {
public:
    virtual ~EngineHost() = default;

    // --- Start-up and the loop ---------------------------------------------------
    virtual void registerWindowClass() = 0;
    // Whether an engine window already exists in this session.
    virtual bool engineWindowExists() = 0;
    // Creates the hidden engine window; false when that fails.
    virtual bool createEngineWindow() = 0;
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

    // --- Recovery ----------------------------------------------------------------------
    // Obtains one block of 1 MiB with every page committed (one write per 4096-byte
    // page); null when it can't be had. Each block goes back through releaseBlock.
    virtual void* obtainBlock() = 0;
    virtual void releaseBlock(void* block) = 0;
    // Plays the sound file (or sound alias) and returns when it has finished.
    virtual void playSound(const std::u16string& sound) = 0;
    virtual void clearClipboard() = 0;

    // --- Tray icon -----------------------------------------------------------------------
    // Destroys the current icon image; false when that failed (the image stays).
    virtual bool destroyTrayImage() = 0;
    // Renders a new current image: the number above the bar, or the disabled icon.
    virtual void renderTrayImage(bool recovering, std::uint16_t textColor, std::int32_t value) = 0;
    // Sends the icon record (image and tooltip) to the shell.
    virtual void notifyTray(TrayAction action, const std::u16string& tooltip) = 0;

    // --- Menu and hot keys -----------------------------------------------------------------
    virtual void buildTrayMenu() = 0;
    virtual void setMenuItemText(unsigned commandId, const std::u16string& text) = 0;
    virtual void destroyTrayMenu() = 0;
    virtual void registerHotKey(std::uint32_t virtualKey) = 0;
    virtual void unregisterHotKeys() = 0;
};

} // namespace quenby::engine
