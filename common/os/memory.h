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

} // namespace quenby::os
