#include "engine/reserve_gate.h"

#include <algorithm>

namespace quenby::engine {

std::uint64_t safetyReserve(std::uint64_t limitBytes)
{
    return std::max<std::uint64_t>(std::uint64_t{512} << 20, limitBytes / 20);
}

bool ReserveGate::mayObtain()
{
    if (blocksUntilCheck_ == 0) {
        os::MemoryRoom room;
        // Room for a whole allowance of blocks above the reserve, or none at all.
        if (!source_(room) || room.available < safetyReserve(room.limit) + kBlocksPerCheck * kBlockBytes)
            return false; // looked at again at the next request
        blocksUntilCheck_ = kBlocksPerCheck;
    }
    --blocksUntilCheck_;
    return true;
}

} // namespace quenby::engine
