// The engine's life: start-up, the reactions to window messages, shutdown.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/os/registry.h"
#include "engine/host.h"

namespace quenby::engine {

// The whole life of the engine on this host: returns the process exit code. A
// second engine in the same session ends at once with 0.
int runEngine(EngineHost& host, os::Registry& registry, os::Registry* machineRegistry = nullptr);

// After the window exists and the messages are registered: strings, memory
// figures, settings, menu, first tray icon, timers and hot keys.
void setupEngine();

// Loads every text of the string table through the host, each cut to its slot.
void loadStringTable();

// After the message loop: tell the panel, stop the timers, the hot keys, the menu
// and the tray icon.
void shutdownEngine();

// How the host goes on after the engine looked at a message.
enum class MessageResult {
    notHandled,          // default processing
    handledThenDefault,  // acted on; default processing still runs and gives the result
    handled,             // acted on; the result is 0
};

// The engine window's reactions to the registered messages and to the system
// messages that are the engine's business.
MessageResult handleEngineMessage(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam);

// WM_SETTINGCHANGE with the name of the area that changed. Windows 10 and 11
// announce a switch between the light and the dark theme as "ImmersiveColorSet"
// (not as WM_THEMECHANGED); the tray number then follows the taskbar at once.
// Any other area changes nothing.
void handleSettingChange(std::u16string_view area);

// Item 209 follows the enabled state; items 205 to 207 take their labels from the
// string table with the configured amounts.
void updateMenuLabels();

// Ctrl+Alt plus the key of the user's layout for each of the two stored
// characters (0: none). A key that can't be had is not registered, and the user
// is told once at the icon; the registered keys are kept for WM_HOTKEY.
void registerHotKeys();

} // namespace quenby::engine
