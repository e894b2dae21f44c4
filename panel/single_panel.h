// One control panel per session. Each start of the panel (from the tray, the
// Start menu, a command line) first asks whether a panel is running already; if
// one is, it brings that one to the front and ends instead of opening another,
// so that the engine's notices and the saves all go to one window.
#pragma once

#include <chrono>

#include "common/os/session_lock.h"

namespace quenby::panel {

enum class PanelStart {
    open,       // this process is the panel: it holds the lock (or there is none to hold)
    handedOver, // a running panel was asked to come to the front: end with 0
    noAnswer,   // another start holds the lock but never showed a window
};

// Takes the panel's lock, or hands over to the panel that holds it: finds that
// panel's window, lets its process take the foreground, and posts it the show
// request. A panel that holds the lock but has no window yet (two starts at
// nearly the same moment) is waited for, up to `patience`; one that ends
// meanwhile leaves the lock to this start. A panel window found while this
// start holds the lock belongs to a panel that took none; it is raised all the
// same.
PanelStart claimPanel(quenby::os::SessionLock& lock, std::chrono::milliseconds patience = std::chrono::seconds(5));

} // namespace quenby::panel
