// Who is who between the two programs: the window identities by which each finds
// the other, the registered messages they exchange, and the names of the locks
// that keep each to one per session.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quenby {

// The engine's hidden top-level window.
inline constexpr std::u16string_view kEngineWindowClass = u"TQuenbyEngine";
inline constexpr std::u16string_view kEngineWindowTitle = u"Harlowe Quenby Pro";

// The control panel's main window. Its class is the one the panel's Qt version
// gives a top-level window with an icon ("Qt" + version digits + "QWindowIcon");
// the build passes the right literal.
std::u16string_view panelWindowClass();
inline constexpr std::u16string_view kPanelWindowTitle = u"Quenby for Windows 11/10";

// The session locks (os/session_lock.h) of the two programs: one engine and one
// control panel per session.
inline constexpr std::u16string_view kEngineLockName = u"TQuenbyEngine";
inline constexpr std::u16string_view kPanelLockName = u"QuenbyPanel";

// The registered messages, in the order both programs register them. New ones
// go at the end, so that the numbering of the others never changes.
enum class Message : std::size_t {
    UpdateData,     // panel -> engine: the settings in the registry changed; reload them
    StartDefragRAM, // anyone -> engine: recover wParam MB beyond what is free now
    QuenbyStart,    // engine -> panel: the engine has started
    QuenbyExit,     // engine -> panel: the engine is ending
    QuenbyDisable,  // engine -> panel: the optimizer was switched off from the tray
    QuenbyEnable,   // engine -> panel: the optimizer was switched on from the tray
    ShowPanel,      // panel -> panel: a second start of the panel asks the running one to come to the front
};
inline constexpr std::size_t kMessageCount = 7;

inline constexpr std::array<std::u16string_view, kMessageCount> kMessageNames = {
    u"WM_UPDATEDATAMESSAGE", u"WM_StartDefragRAM", u"WM_QUENBY_START",
    u"WM_QUENBY_EXIT",       u"WM_QUENBY_DISABLE", u"WM_QUENBY_ENABLE",
    u"WM_QUENBY_SHOW",
};

// The system message that ends the engine.
inline constexpr std::uint32_t kCloseMessage = 16; // WM_CLOSE

// The numbers the window system gave the names in this session.
struct MessageNumbers {
    std::array<std::uint32_t, kMessageCount> numbers{};

    std::uint32_t operator[](Message m) const { return numbers[static_cast<std::size_t>(m)]; }

    // Which of ours a message number is, if any.
    bool identify(std::uint32_t number, Message& which) const;
};

// Registers the names in their fixed order.
MessageNumbers registerMessages();

std::u16string_view messageName(Message m);

} // namespace quenby
