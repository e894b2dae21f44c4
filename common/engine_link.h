// How the control panel and quenbyctl reach the tray engine: find its window,
// post to it, and switch the optimizer on or off. One way for both, so that
// they cannot drift apart.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/os/process.h"
#include "common/os/registry.h"
#include "common/os/windowlink.h"
#include "common/settings.h"

namespace quenby {

// The engine's window in this session; empty when no engine runs.
os::WindowRef engineWindow();

// Posts to the engine. A full queue (the engine busy with a recovery, say)
// empties soon: the post is tried again for two seconds at most. False when
// no engine runs, or it never took the message.
bool postToEngine(std::uint32_t message, std::uint64_t wParam = 0);

// What switching the optimizer came to.
enum class Switched {
    notStored,  // the state could not be stored: nothing else was done
    told,       // stored, and the running engine was told to read it again
    notTold,    // stored, but the running engine did not take the message
    noEngine,   // stored (off); no engine runs, so there is no one to tell
    started,    // stored (on), and the engine, which was not running, started
    notStarted, // stored (on), but the engine could not be started
};

struct SwitchOutcome {
    Switched switched = Switched::notStored;
    os::StartOutcome start; // why the engine could not be started
};

// Stores the optimizer's state in the settings and makes it take effect: a
// running engine is told; switching on with no engine starts it with
// `start` (the caller's launcher: the panel's owns what the shell shows). What
// counts is the write's own result: reading the value back could find what
// another writer stored since.
SwitchOutcome switchOptimizer(os::Registry& registry, Settings& settings, bool on,
                              const std::function<os::StartOutcome(const std::u16string& enginePath)>& start);

} // namespace quenby
