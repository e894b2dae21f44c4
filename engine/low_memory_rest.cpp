#include "engine/low_memory_rest.h"

#include <limits>

namespace quenby::engine {

void observeTick(LowMemoryRest& rest, std::uint32_t availMB, std::uint32_t minimumMB)
{
    if (availMB < minimumMB) {
        rest.quietTicks = 0;
    } else if (++rest.quietTicks >= kQuietTicks) {
        // The shortage is over, and whatever was earned in it with it.
        rest = LowMemoryRest{};
    }
    if (rest.recoveredInShortage && rest.ticksSinceRecovery < std::numeric_limits<std::uint32_t>::max())
        ++rest.ticksSinceRecovery;
}

bool mayRecoverNow(LowMemoryRest& rest, bool resting)
{
    if (!resting || !rest.recoveredInShortage)
        return true;
    if (rest.helpedSoFar) {
        // Back before a quiet spell: the last recovery did not help after all.
        rest.helpedSoFar = false;
        rest.restTicks = kRestTicks;
    }
    return rest.ticksSinceRecovery >= rest.restTicks;
}

void recordRecovery(LowMemoryRest& rest, const RecoveryOutcome& outcome, std::uint32_t minimumMB,
                    bool resting, bool noticeAsked)
{
    if (!outcome.ran)
        return;
    if (outcome.freedMemory)
        rest.nothingRecoveredShown = false; // its notice said what it freed
    else if (outcome.passesRan && noticeAsked)
        rest.nothingRecoveredShown = true;
    if (!resting)
        return; // the every-tick rule earns no rest
    rest.recoveredInShortage = true;
    rest.ticksSinceRecovery = 0;
    rest.restTicks = 0;
    rest.helpedSoFar = outcome.blocks > 0 && outcome.freeAfter >= minimumMB;
    if (!rest.helpedSoFar)
        rest.restTicks = kRestTicks;
}

} // namespace quenby::engine
