#include "engine/policy.h"

#include <optional>

#include "common/protected_programs.h"
#include "engine/engine_state.h"
#include "engine/history.h"
#include "engine/low_memory_rest.h"
#include "engine/recovery.h"
#include "engine/tray.h"

namespace quenby::engine {
namespace {

// While a full-screen program, a game or a presentation has the screen, or a
// program the user protects runs, the automatic rules wait (the user's own
// requests still run): a recovery would stall exactly what the user is
// looking at. Asked only when a rule is due, so that the process list is not
// read on the ticks that would do nothing anyway.
std::optional<RecoveryRefusal> pauseCause()
{
    EngineState& s = engineState();
    if (s.settings.PauseWhileFullScreen != 0 && s.host->fullScreenProgramRuns())
        return RecoveryRefusal::fullScreen;
    const ProtectedPrograms programs = parseProtectedPrograms(s.settings.PauseWhileRunning);
    if (!programs.empty() && s.host->protectedProgramRuns(programs))
        return RecoveryRefusal::protectedProgram;
    return std::nullopt;
}

// A rule that is due: true when a pause holds it, which the history records.
bool paused(RecoveryTrigger trigger)
{
    const auto cause = pauseCause();
    if (cause)
        noteRefusal(trigger, *cause);
    return cause.has_value();
}

} // namespace

void onPeriodicTimer()
{
    EngineState& s = engineState();
    ++s.ticks;
    updateTray(false);
    const Settings& settings = s.settings;
    observeTick(s.lowMemoryRest, s.availRAM, settings.MinimumFreeRAM);
    if (s.availRAM >= s.ramCeiling)
        return;
    if (!optimizerEnabled())
        return;
    // In a session switched away from or disconnected, the shortage is that of
    // the user at the screen: trimming their programs from here is not ours to
    // do. The icon stays current; the rules wait, their counts with them.
    if (!s.sessionInUse)
        return;

    if (s.availRAM < settings.MinimumFreeRAM && s.availRAM < settings.TargetFreeRAM) {
        // While the rule rests, the tick ends here as a shortage tick does: the
        // interval rule is not reached and does not count.
        const bool resting = settings.RecoveryBackoff != 0;
        if (!mayRecoverNow(s.lowMemoryRest, resting)) {
            noteRefusal(RecoveryTrigger::lowMemory, RecoveryRefusal::resting);
            return;
        }
        if (paused(RecoveryTrigger::lowMemory))
            return;
        std::uint32_t target;
        if (static_cast<std::int32_t>(s.availRAM) < 10)
            target = settings.MinimumFreeRAM + 2;
        else if (s.availRAM > settings.MinimumFreeRAM / 4)
            target = settings.TargetFreeRAM;
        else // all unsigned: a target below the minimum wraps, and recoverRAM clamps it
            target = settings.MinimumFreeRAM + (settings.TargetFreeRAM - settings.MinimumFreeRAM) / 2;
        const RecoveryOutcome outcome =
            recoverRAM(target, RecoveryTrigger::lowMemory,
                       s.lowMemoryRest.nothingRecoveredShown ? NothingRecoveredNotice::skip
                                                             : NothingRecoveredNotice::give);
        recordRecovery(s.lowMemoryRest, outcome, settings.MinimumFreeRAM, resting,
                       settings.NotifyRecovery == 1);
        return;
    }

    const std::uint32_t interval = settings.Freeeverymin_Val2; // seconds
    if (interval == 0)
        return;
    // A paused interval stays due: it comes once the pause is over.
    if (s.autoTicks < interval)
        ++s.autoTicks;
    else if (!paused(RecoveryTrigger::interval))
        recoverRAM(settings.Freeeverymin_Val1, RecoveryTrigger::interval);
}

void onStartupTimer()
{
    EngineState& s = engineState();
    // Put off while paused: asked again every second.
    if (s.sessionInUse && paused(RecoveryTrigger::startup)) {
        s.host->setTimer(TimerId::startup, 1000, onStartupTimer);
        return;
    }
    // The start-up recovery happens once: the timer ends itself.
    s.host->killTimer(TimerId::startup);
    updateTray(false);
    if (s.sessionInUse)
        recoverRAM(s.settings.FreeonStartup_val1, RecoveryTrigger::startup);
}

} // namespace quenby::engine
