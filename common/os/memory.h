// Physical memory figures, as GlobalMemoryStatusEx reports them.
#pragma once

#include <algorithm>
#include <cstdint>

namespace quenby::os {

struct MemoryStatus {
    std::uint32_t memoryLoad = 0; // percent of physical memory in use, 0..100
    std::uint64_t totalPhys = 0;  // bytes
    std::uint64_t availPhys = 0;  // bytes
};

// Fills `status`; false when the figures could not be read (the fields are then 0).
bool queryMemoryStatus(MemoryStatus& status);

// What a recovery must never exhaust, and how much of it is still available, in
// bytes. Windows: the commit limit (RAM plus page files) and the available
// commit, since every touched page is charged against that limit. Linux, which
// overcommits: physical memory, as queryMemoryStatus reads it, and free swap
// beside it (roomWithSwap).
struct MemoryRoom {
    std::uint64_t limit = 0;
    std::uint64_t available = 0;
};

// Physical room and swap together. Linux makes room for a block by swapping
// other programs' pages out, and its out-of-memory killer wakes only when RAM
// and swap have both run out, so the reserve is kept on the two together, as
// Windows keeps it on RAM and page files. Measured: with the physical room
// alone, a recovery with 1000 MB available took nothing at all, however much
// swap was free (docs/performance.md). Without swap the room is the physical one.
constexpr MemoryRoom roomWithSwap(const MemoryRoom& physical, std::uint64_t swapTotal, std::uint64_t swapFree)
{
    return {physical.limit + swapTotal, physical.available + std::min(swapFree, swapTotal)};
}

// Fills `room`; false when the figures could not be read (the fields are then 0).
bool queryRecoveryRoom(MemoryRoom& room);

} // namespace quenby::os
