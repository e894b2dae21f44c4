// The rest of the low-memory rule. When free RAM stays low because programs
// really use it, a recovery every second only pushes their pages out just
// before they need them again, and repeats the alarm, the clipboard clearing
// and the notice each time. So after a low-memory recovery that could not help
// the rule waits an hour before it fires again. Five minutes
// with free RAM at or above the minimum end a shortage: the next one is
// handled on its first tick again.
//
// Why an hour: measured under Wine, one recovery that pushes a busy program's
// pages out costs that program one and a half to three and a half minutes of
// its work (it stands still while its pages come back from swap; median
// 207 s over three runs). Rests of 1 minute doubling to 30 would give 6
// recoveries in the first hour of a lasting shortage and leave it about 0.66
// of its speed; a rest of 30 minutes, 2 an hour and 0.885. One an hour keeps
// it at 0.94, and at 0.9 or above as long as a recovery costs it no more than
// six minutes (docs/performance.md).
//
// Everything here counts the periodic timer's ticks, one a second; ticks that
// fall due during a recovery do not pile up, so a rest starts when the
// recovery that earned it has returned.
#pragma once

#include <cstdint>

#include "engine/recovery_outcome.h"

namespace quenby::engine {

// The rest after a recovery that could not help, in ticks.
inline constexpr std::uint32_t kRestTicks = 60 * 60;
// How long free RAM must stay at or above the minimum to end a shortage; a
// shortage back sooner after a recovery means that recovery did not help.
inline constexpr std::uint32_t kQuietTicks = 5 * 60;

struct LowMemoryRest {
    std::uint32_t quietTicks = 0;        // ticks in a row at or above the minimum
    bool recoveredInShortage = false;    // a low-memory recovery since the last quiet spell
    std::uint32_t ticksSinceRecovery = 0; // since that recovery
    std::uint32_t restTicks = 0;         // the rest it earned; 0 while none
    // It looked helpful when it ended; if the shortage returns before a quiet
    // spell has passed, it did not help after all.
    bool helpedSoFar = false;
    // "No RAM could be recovered" was shown in this shortage: once is enough.
    bool nothingRecoveredShown = false;
};

// Every tick, with the free RAM just measured: counts the quiet spell and the
// time since the last low-memory recovery.
void observeTick(LowMemoryRest& rest, std::uint32_t availMB, std::uint32_t minimumMB);

// On a tick that sees a shortage: whether the rule may recover now. With
// `resting` false (the every-tick rule) it always may, and no rest is earned.
bool mayRecoverNow(LowMemoryRest& rest, bool resting);

// After the rule's recovery: judges it, and earns a rest when it could not help.
// A recovery that was refused (a busy processor, another session's) earns
// nothing: the rule tries again on a later tick, so a shortage that starts
// while the processor is busy is still met once it is not.
void recordRecovery(LowMemoryRest& rest, const RecoveryOutcome& outcome, std::uint32_t minimumMB,
                    bool resting, bool noticeAsked);

} // namespace quenby::engine
