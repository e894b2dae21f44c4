// The session lock on Linux: an flock on a file beside the window sockets. The
// kernel lets go of an flock when the last descriptor of its open file closes,
// which a process that ends, however it ends, does.
#include "common/os/session_lock.h"

#include "common/os/posix/endpoint.h"
#include "common/os/posix/unique_fd.h"
#include "common/text.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>

namespace quenby::os {

struct SessionLock::Native {
    UniqueFd file;
    bool held = false;
};

SessionLock::SessionLock(std::u16string_view name) : native_(std::make_unique<Native>())
{
    const posix::PrivateFolder folder = posix::openRuntimeFolder();
    if (!folder.fd.valid())
        return;
    // Close-on-exec: a program this one starts (the engine starts panels) must
    // not inherit the lock and hold it beyond this one's end.
    const std::string file = toUtf8(name) + ".lock";
    native_->file = UniqueFd(
        ::openat(folder.fd.get(), file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600));
}

SessionLock::~SessionLock() = default;

SessionLock::State SessionLock::tryTake()
{
    if (!native_->file.valid())
        return State::unavailable;
    if (native_->held)
        return State::held;
    if (::flock(native_->file.get(), LOCK_EX | LOCK_NB) == 0) {
        native_->held = true;
        return State::held;
    }
    return errno == EWOULDBLOCK ? State::heldElsewhere : State::unavailable;
}

} // namespace quenby::os
