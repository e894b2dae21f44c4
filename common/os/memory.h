// Physical memory figures, as GlobalMemoryStatusEx reports them.
#pragma once

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
// overcommits: physical memory, as queryMemoryStatus reads it.
struct MemoryRoom {
    std::uint64_t limit = 0;
    std::uint64_t available = 0;
};

// Fills `room`; false when the figures could not be read (the fields are then 0).
bool queryRecoveryRoom(MemoryRoom& room);

} // namespace quenby::os
