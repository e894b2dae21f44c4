// Whether a recovery may take one more block: never when less than a safety
// reserve of what the system must not run out of would stay available. On
// Windows that is the commit (RAM plus page files): Windows never overcommits,
// every touched block is charged against the commit limit, and at that limit
// any program's allocation fails, and many programs crash on that. On Linux,
// which overcommits, it is RAM and swap together, whose end wakes the
// out-of-memory killer (RAM alone without swap, or inside a memory-limited
// group). Each face gives its figure (os::queryRecoveryRoom); the rule is one.
#pragma once

#include <cstdint>
#include <functional>

#include "common/os/memory.h"

namespace quenby::engine {

// What must stay available: 512 MiB, or a twentieth of the limit if that is more.
std::uint64_t safetyReserve(std::uint64_t limitBytes);

class ReserveGate {
public:
    using RoomSource = std::function<bool(os::MemoryRoom& room)>;

    // Blocks between two looks at the room: often enough that a pass stops well
    // before the reserve, seldom enough to cost nothing.
    static constexpr unsigned kBlocksPerCheck = 16;
    static constexpr std::uint64_t kBlockBytes = std::uint64_t{1} << 20;

    explicit ReserveGate(RoomSource source) : source_(std::move(source)) {}

    // True when one more block may be taken now. Figures that can't be read
    // refuse: no block is taken blind.
    bool mayObtain();
    // A pass ended and gave its blocks back. Memory may have changed a lot by the
    // next pass (a page file grown, another program started): its first block
    // looks again instead of spending what is left of an old allowance.
    void newPass() { blocksUntilCheck_ = 0; }

private:
    RoomSource source_;
    unsigned blocksUntilCheck_ = 0;
};

} // namespace quenby::engine
