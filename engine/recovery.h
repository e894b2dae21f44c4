// RAM recovery: allocate 1 MiB blocks, commit every page, release them, so the
// system trims other working sets and free memory is higher afterwards.
#pragma once

#include <cstdint>
#include <string>

#include "common/recovery_history.h"
#include "engine/recovery_outcome.h"

namespace quenby::engine {

// The most blocks one pass holds at once, and the most passes.
inline constexpr std::uint32_t kMaxBlocksPerPass = 32768;
inline constexpr int kMaxPasses = 3;

// How long, in ticks of a second, a recovery gives way to a machine-wide lock
// that someone else holds before it runs without it. Another session's
// recovery holds it for seconds, a minute or two under heavy swapping
// (docs/performance.md); ten minutes is beyond any recovery, so a lock held
// that long is held by something that is not recovering.
inline constexpr std::uint64_t kRecoveryLockPatienceTicks = 10 * 60;

// Whether a recovery whose passes freed nothing says so in its notice (with
// NotifyRecovery on). The low-memory rule says it once a shortage, not each time.
enum class NothingRecoveredNotice { give, skip };

// Recovers RAM until `target` MB are free (at most three passes). Every source
// of a recovery comes through here: the menu, the hot key, the request message
// and both timers. Returns when the work is over; a call made while one runs
// does nothing at all. The CPU guard, the ceiling and the machine-wide lock are
// asked before anything the user notices: the recovering look, the alarm and
// the clearing of the clipboard come only with a recovery that runs. What
// happened goes into the history, under what started it.
RecoveryOutcome recoverRAM(std::uint32_t target, RecoveryTrigger trigger,
                           NothingRecoveredNotice nothingNotice = NothingRecoveredNotice::give);

// The CPU usage above which a recovery gives way, from how much memory is free:
// the less is free, the busier the processors may be.
std::uint32_t cpuGuardThreshold(std::uint32_t availMB, std::uint32_t totalMB);

// The notice after a recovery whose passes ran, from the MB free before the
// first pass and after the last: how much more is free and how much that is now,
// or that nothing could be recovered when free memory did not rise.
std::u16string recoveryFeedbackText(std::uint32_t before, std::uint32_t after);

} // namespace quenby::engine
