// What one recovery achieved: the record the recovery returns and the
// low-memory rule judges.
#pragma once

#include <cstdint>

namespace quenby::engine {

// What one recovery achieved.
struct RecoveryOutcome {
    bool ran = false;            // it ran: nothing (re-entry, the CPU guard, the ceiling,
                                 // another session's lock) refused it
    bool passesRan = false;      // at least one pass tried to allocate
    std::uint64_t blocks = 0;    // blocks obtained over all its passes
    std::uint32_t freeAfter = 0; // MB free when it ended
    bool freedMemory = false;    // more was free after its passes than before
};

} // namespace quenby::engine
