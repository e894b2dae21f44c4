// Whether the Linux engine may take one more recovery block: never when less
// than a safety reserve would stay available, so that a recovery can't wake the
// out-of-memory killer.
#pragma once

#include <cstdint>

#include "common/os/memory.h"

namespace quenby::engine {

// What must stay available: 256 MiB, or a twentieth of the machine if that is more.
std::uint64_t safetyReserve(std::uint64_t totalBytes);

class ReserveGate {
public:
    using StatusSource = bool (*)(os::MemoryStatus& status);

    // Blocks between two looks at available memory: often enough that a pass
    // stops well before the reserve, seldom enough to cost nothing.
    static constexpr unsigned kBlocksPerCheck = 16;
    static constexpr std::uint64_t kBlockBytes = std::uint64_t{1} << 20;

    explicit ReserveGate(StatusSource source = os::queryMemoryStatus) : source_(source) {}

    // True when one more block may be taken now.
    bool mayObtain();
    // A block went back. A pass releases its blocks when it ends, and memory may
    // have changed a lot by the next pass or recovery: the next block looks again
    // instead of spending what is left of an old allowance.
    void released() { blocksUntilCheck_ = 0; }

private:
    StatusSource source_;
    unsigned blocksUntilCheck_ = 0;
};

} // namespace quenby::engine
