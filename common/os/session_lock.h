// A lock that at most one process of the user's session holds at a time, by
// name: what keeps a second engine, or a second control panel, from running
// beside the first when both start at the same moment, before either has a
// window that the other could find.
//
// On Windows a named mutex in the session's own namespace ("Local\" + name), so
// that each signed-in user and session has its own; on Linux an flock on the
// file "<name>.lock" in the per-user runtime folder of the window link. Either
// way the system lets go when the holder ends, however it ends, so a lock left
// by a program that crashed is taken over by the next one.
#pragma once

#include <memory>
#include <string_view>

namespace quenby::os {

class SessionLock {
public:
    enum class State {
        held,          // this process holds it
        heldElsewhere, // another process of the session holds it
        unavailable,   // there is no lock to be had (the name is taken by an object of
                       // another kind, no private runtime folder): go on without one
    };

    // Opens the lock of this name (letters and digits), creating it when it does
    // not exist yet; does not take it.
    explicit SessionLock(std::u16string_view name);
    // Lets go of it if held.
    ~SessionLock();
    SessionLock(const SessionLock&) = delete;
    SessionLock& operator=(const SessionLock&) = delete;

    // Takes it now or not at all. Once held it stays held until the object goes;
    // asking again then changes nothing.
    State tryTake();

private:
    struct Native;
    std::unique_ptr<Native> native_;
};

} // namespace quenby::os
