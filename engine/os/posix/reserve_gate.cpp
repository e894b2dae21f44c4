#include "engine/os/posix/reserve_gate.h"

#include <algorithm>

namespace quenby::engine {

std::uint64_t safetyReserve(std::uint64_t totalBytes)
{
    return std::max<std::uint64_t>(std::uint64_t{256} << 20, totalBytes / 20);
}

bool ReserveGate::mayObtain()
{
    if (blocksUntilCheck_ == 0) {
        os::MemoryStatus status;
        // Room for a whole allowance of blocks above the reserve, or none at all.
        if (!source_(status) || status.availPhys < safetyReserve(status.totalPhys) + kBlocksPerCheck * kBlockBytes)
            return false; // looked at again at the next request
        blocksUntilCheck_ = kBlocksPerCheck;
    }
    --blocksUntilCheck_;
    return true;
}

} // namespace quenby::engine
