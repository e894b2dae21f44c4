// The engine's one process-wide state record.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "common/identity.h"
#include "common/os/registry.h"
#include "common/recovery_history.h"
#include "common/settings_schema.h"
#include "engine/host.h"
#include "engine/low_memory_rest.h"

namespace quenby::engine {

struct TrayState {
    bool trayUpdateBusy = false;   // updateTray is running
    bool clickSelects = false;     // a left button came up: the selection that follows is the mouse's
    bool menuShownByButton = false; // a right button press showed the menu; its context-menu event is spent
    bool trayIconShown = false;    // added to the notification area and not deleted since
    std::int32_t shownValue = 0;   // the number the icon is to show
    std::int32_t lastDrawnValue = -1; // the number drawn into the current image
    std::u16string tooltip;        // as last sent
    // The contrast theme's colours while one is on; read at start-up and at
    // every change of theme or system colours.
    std::optional<ContrastColours> contrast;
    // A notice due while the icon was not there to carry it (at logon, before
    // the notification area took the icon): given once the icon is added.
    std::optional<std::pair<std::u16string, std::u16string>> pendingNotice;
};

// One of the two hot keys as it stands after the latest registration.
struct HotKeySlot {
    // The virtual key registered with Ctrl+Alt; 0 when none is. WM_HOTKEY
    // brings this key, not the stored character.
    std::uint32_t registeredKey = 0;
    // The stored character whose failure the user was last told of; 0 when the
    // latest attempt went well. A reload of unchanged settings tells nobody twice.
    std::uint32_t toldCharacter = 0;
};

struct EngineState {
    EngineHost* host = nullptr;
    os::Registry* registry = nullptr;
    os::Registry* machineRegistry = nullptr; // the administrator's policies; may be null

    MessageNumbers messages;
    // Broadcast by the shell when the notification area is (re)created.
    std::uint32_t taskbarCreated = 0;
    Settings settings;

    std::uint32_t totalRAM = 0;   // MB, measured once at start-up
    bool largeRAM = false;        // totalRAM > 1023
    std::uint32_t ramCeiling = 0; // 3/4 of totalRAM: no recovery aims above it
    std::uint32_t availRAM = 0;   // MB, as last measured
    // The latest CPU sample in percent with 0.5 added; written by sampler threads.
    std::atomic<double> cpuUsage{0.0};
    // Sampler threads started and not yet finished. The once-a-second rhythm
    // needs one or two; a flood of forced updates must not pile up more.
    std::atomic<int> samplersAlive{0};
    bool recovering = false;
    // Ticks of the periodic timer since start-up: the engine's clock.
    std::uint64_t ticks = 0;
    // The tick at which the machine-wide recovery lock was first found held
    // by someone else, in a row of refusals; none while it was last had.
    std::optional<std::uint64_t> recoveryLockRefusedSince;
    // This engine's session is the one in use; only then does it recover of
    // its own accord (a recovery asked for by the user runs anyway).
    bool sessionInUse = true;
    std::uint32_t autoTicks = 0;  // counted ticks of the interval rule since the last recovery
    LowMemoryRest lowMemoryRest;  // when the low-memory rule may fire again
    RecoveryHistory history;      // what the latest recoveries did, and the refusals

    HotKeySlot freeUpHotKey; // Hotkey1
    HotKeySlot toggleHotKey; // Hotkey2

    std::map<unsigned, std::u16string> texts; // the string table, loaded at start-up
    TrayState tray;
};

// The record of this process.
EngineState& engineState();

// Puts the record back to its state before start-up, with this host and registry.
void resetEngineState(EngineHost& host, os::Registry& registry,
                      os::Registry* machineRegistry = nullptr);

// A text of the string table as loaded at start-up.
const std::u16string& text(unsigned id);

inline bool optimizerEnabled()
{
    return engineState().settings.Quenby_Stat == 1;
}

} // namespace quenby::engine
