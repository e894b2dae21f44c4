// How the user drives the engine directly: the tray menu, the double click on the
// icon, the two global hot keys, and the commands behind them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/host.h"

namespace quenby::engine {

enum CommandId : unsigned {
    IDM_RESTART = 201,
    IDM_SUSPEND = 202,
    IDM_SHUTDOWN = 203,
    IDM_CLEARCLIPBOARD = 204,
    IDM_FREEUP_X = 205,
    IDM_FREEUP_Y = 206,
    IDM_FREEUP_Z = 207,
    IDM_CONFIGURATION = 208,
    IDM_ENABLE = 209,
    IDM_CLOSE = 210,
};

// Ctrl+Alt, the only modifiers the hot keys answer to. They are registered with
// MOD_NOREPEAT as well, so that a held key acts once, but WM_HOTKEY never
// carries that flag: its modifiers are these.
inline constexpr std::uint32_t kHotKeyModifiers = 0x0003; // MOD_ALT | MOD_CONTROL

// ExitWindowsEx flags and the planned-application-installation reason. Never
// EWX_FORCE, which closes every program without asking, unsaved work and all:
// with EWX_FORCEIFHUNG each program may ask to save or call the restart off, and
// only those that do not answer are closed.
// A shutdown is the one the Start menu makes: with EWX_HYBRID_SHUTDOWN, so that
// Fast Startup (where it is on) starts the machine quickly next time.
inline constexpr std::uint32_t kRestartFlags = 0x12; // EWX_REBOOT | EWX_FORCEIFHUNG
inline constexpr std::uint32_t kShutdownFlags =
    0x400019; // EWX_SHUTDOWN | EWX_POWEROFF | EWX_FORCEIFHUNG | EWX_HYBRID_SHUTDOWN
// The reason the system logs: "Other (Planned)", what a user's own planned
// restart or shutdown is; no installation is going on.
inline constexpr std::uint32_t kShutdownReason = 0x80000000; // SHTDN_REASON_FLAG_PLANNED, major and minor "other"

// How the menu's suspend goes about it on this machine.
enum class SleepRoute {
    sleep,          // the machine sleeps when asked: ask, then ask the system
    askHibernation, // it may hibernate instead (hibernation but no sleep state, or nothing known): say so first
    modernStandby,  // only the system enters it: tell the user how
};
SleepRoute sleepRouteFor(const SleepSupport& support);

// The system's error code for a file name that is too long.
inline constexpr std::uint32_t kErrorFilenameTooLong = 206;
// The command line buffer holds this many characters, the terminator included.
inline constexpr std::size_t kCommandLineCapacity = 260;

// The eleven entries of the tray menu, separators as id 0.
std::vector<MenuItem> trayMenuItems();

// WM_COMMAND: the low 16 bits of wParam; an unknown id does nothing.
void handleCommand(unsigned id);

// WM_HOTKEY: modifiers in the low 16 bits of lParam, the key in the high 16 bits.
void handleHotKey(std::int64_t lParam);

// The tray icon's callback: a double click, or Enter or Space on the icon, opens
// the panel; a right click the menu at the pointer, Shift+F10 or the menu key
// the menu at the icon.
void handleTrayCallback(std::uint64_t wParam, std::int64_t lParam);

// Switches the optimizer on or off, tells a running panel, relabels the menu,
// redraws the icon and stores the state.
void toggleEngineEnabled();

// Starts the control panel from the install folder (or, without one, the engine's
// own folder); a failure is shown in a message box.
void launchControlPanel();

// The launch for an install folder; none when the command line would not fit its
// buffer (a longer one must not be cut into some other program's path).
std::optional<LaunchRequest> controlPanelLaunch(const std::u16string& folder);

} // namespace quenby::engine
