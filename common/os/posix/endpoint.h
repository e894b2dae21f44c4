// The receiving side of the window link on Linux (windowlink_posix.cpp): a
// "window" with a class and a title is a Unix datagram socket in the per-user
// runtime folder. Other processes find it with findWindow() and post to it with
// postMessage().
#pragma once

#include "common/os/posix/private_folder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quenby::os::posix {

// One message as it travels between processes.
struct PostedMessage {
    std::uint32_t message = 0;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
};

// The per-user runtime folder ($XDG_RUNTIME_DIR/quenby, or /tmp/quenby-<uid>
// without XDG_RUNTIME_DIR), created 0700 when missing, and opened. Not open when
// it is not safe to use (not a folder, a symbolic link, owned by another user,
// open to group or others); the refusal then says why.
PrivateFolder openRuntimeFolder();

class Endpoint {
public:
    // Opens the endpoint of a window with this class and title. Several endpoints
    // with the same identity may exist (two panels); findWindow picks the newest.
    Endpoint(std::u16string_view windowClass, std::u16string_view title);
    ~Endpoint();
    Endpoint(const Endpoint&) = delete;
    Endpoint& operator=(const Endpoint&) = delete;

    bool isOpen() const { return fd_.valid(); }
    int fd() const { return fd_.get(); } // for poll(); readable when a message waits
    const std::string& path() const { return path_; }

    // Takes the next waiting message without blocking. Datagrams that are not
    // well-formed messages are dropped.
    std::optional<PostedMessage> receive();

private:
    UniqueFd fd_;
    std::string path_;
};

} // namespace quenby::os::posix
