// The Linux window endpoint's next message within a time limit, taken the way
// the programs' poll loops take it: poll its descriptor, then receive.
#pragma once

#include <chrono>
#include <optional>

#include <poll.h>

#include "common/os/posix/endpoint.h"

namespace quenby::test {

inline std::optional<os::posix::PostedMessage> waitFor(os::posix::Endpoint& endpoint, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (auto message = endpoint.receive())
            return message;
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0)
            return std::nullopt;
        pollfd watch {endpoint.fd(), POLLIN, 0};
        ::poll(&watch, 1, static_cast<int>(left));
    }
}

} // namespace quenby::test
