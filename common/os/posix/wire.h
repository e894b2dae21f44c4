// The pieces of the window link's wire format that its two halves share: the
// receiving side (endpoint.cpp) and the sending side (windowlink_posix.cpp).
#pragma once

#include <string>
#include <string_view>

#include "common/os/posix/endpoint.h"

namespace quenby::os::posix::detail {

// What a connect() to a window's socket file tells about it.
enum class Probe {
    Live,        // a process is receiving on it
    Stale,       // the file is left over from a process that has ended
    Gone,        // there is no such file any more
    Unreachable, // something else (no permission, bad path): leave it alone
};

// "<16 hex digits>." : the start of every socket file name of one window identity
// (class and title, compared without regard to case).
std::string windowFilePrefix(std::u16string_view windowClass, std::u16string_view title);

Probe probeEndpoint(const std::string& path);

// Sends one message record without blocking; false when it could not be queued.
bool sendMessage(const std::string& path, const PostedMessage& message);

} // namespace quenby::os::posix::detail
