#include "engine/policy.h"

#include "engine/engine_state.h"
#include "engine/recovery.h"
#include "engine/tray.h"

namespace quenby::engine {

void onPeriodicTimer()
{
    updateTray(false);
    EngineState& s = engineState();
    const Settings& settings = s.settings;
    if (s.availRAM >= s.ramCeiling)
        return;
    if (!optimizerEnabled())
        return;

    if (s.availRAM < settings.MinimumFreeRAM && s.availRAM < settings.TargetFreeRAM) {
        std::uint32_t target;
        if (static_cast<std::int32_t>(s.availRAM) < 10)
            target = settings.MinimumFreeRAM + 2;
        else if (s.availRAM > settings.MinimumFreeRAM / 4)
            target = settings.TargetFreeRAM;
        else // all unsigned: a target below the minimum wraps, and recoverRAM clamps it
            target = settings.MinimumFreeRAM + (settings.TargetFreeRAM - settings.MinimumFreeRAM) / 2;
        recoverRAM(target);
        return;
    }

    const std::uint32_t interval = settings.Freeeverymin_Val2; // seconds
    if (interval == 0)
        return;
    if (s.autoTicks >= interval)
        recoverRAM(settings.Freeeverymin_Val1);
    else
        ++s.autoTicks;
}

void onStartupTimer()
{
    EngineState& s = engineState();
    // The start-up recovery happens once: the timer ends itself.
    s.host->killTimer(TimerId::startup);
    updateTray(false);
    recoverRAM(s.settings.FreeonStartup_val1);
}

} // namespace quenby::engine
