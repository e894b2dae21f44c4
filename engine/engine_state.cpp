#include "engine/engine_state.h"

namespace quenby::engine {

EngineState& engineState()
{
    static EngineState state;
    return state;
}

void resetEngineState(EngineHost& host, os::Registry& registry, os::Registry* machineRegistry)
{
    EngineState& s = engineState();
    s.host = &host;
    s.registry = &registry;
    s.machineRegistry = machineRegistry;
    s.messages = {};
    s.taskbarCreated = 0;
    s.settings = {};
    s.totalRAM = 0;
    s.largeRAM = false;
    s.ramCeiling = 0;
    s.availRAM = 0;
    s.cpuUsage = 0.0;
    s.samplersAlive = 0;
    s.recovering = false;
    s.sessionInUse = true;
    s.autoTicks = 0;
    s.lowMemoryRest = {};
    s.history = {};
    s.freeUpHotKey = {};
    s.toggleHotKey = {};
    s.texts.clear();
    s.tray = {};
}

const std::u16string& text(unsigned id)
{
    static const std::u16string none;
    const auto& texts = engineState().texts;
    const auto found = texts.find(id);
    return found == texts.end() ? none : found->second;
}

} // namespace quenby::engine
