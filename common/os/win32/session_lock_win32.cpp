// The session lock on Windows: a named mutex in the session's namespace.
#include "common/os/session_lock.h"

#include "common/os/win32/handles.h"

#include <windows.h>

namespace quenby::os {

struct SessionLock::Native {
    win32::UniqueHandle mutex;
    bool held = false;
};

SessionLock::SessionLock(std::u16string_view name) : native_(std::make_unique<Native>())
{
    // "Local\": the session's own namespace, so that the programs of users signed
    // in side by side (fast user switching, Remote Desktop) each run, and one
    // session's panel is never another's to raise. Null when the name belongs to
    // an object of another kind (ERROR_INVALID_HANDLE): no lock then.
    const std::wstring full = L"Local\\" + win32::wide(name);
    native_->mutex = win32::UniqueHandle(CreateMutexW(nullptr, FALSE, full.c_str()));
}

SessionLock::~SessionLock()
{
    // A clean end, not an abandoned lock; the thread that took it lets go, as a
    // mutex requires (both programs take and drop it on their main thread).
    if (native_->held)
        ReleaseMutex(native_->mutex.get());
}

SessionLock::State SessionLock::tryTake()
{
    if (!native_->mutex)
        return State::unavailable;
    // A mutex counts the waits of its owner: waiting again once held would need
    // a release of its own.
    if (native_->held)
        return State::held;
    switch (WaitForSingleObject(native_->mutex.get(), 0)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED: // its owner ended without letting go (crashed): ours now
        native_->held = true;
        return State::held;
    case WAIT_TIMEOUT:
        return State::heldElsewhere;
    default:
        return State::unavailable;
    }
}

} // namespace quenby::os
