#include "common/engine_link.h"

#include <chrono>
#include <thread>

#include "common/identity.h"

namespace quenby {

os::WindowRef engineWindow()
{
    return os::findWindow(kEngineWindowClass, kEngineWindowTitle);
}

bool postToEngine(std::uint32_t message, std::uint64_t wParam)
{
    constexpr int kAttempts = 100; // 100 x 20 ms: two seconds at most
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Looked up again each time: a window that is gone does not come back.
        const os::WindowRef engine = engineWindow();
        if (!engine)
            return false;
        if (os::postMessage(engine, message, wParam, 0))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

SwitchOutcome switchOptimizer(os::Registry& registry, Settings& settings, bool on,
                              const std::function<os::StartOutcome(const std::u16string& enginePath)>& start)
{
    SwitchOutcome outcome;
    if (!storeState(registry, settings, on ? 1 : 0))
        return outcome;
    if (engineWindow()) {
        outcome.switched =
            postToEngine(os::registerMessage(messageName(Message::UpdateData))) ? Switched::told : Switched::notTold;
        return outcome;
    }
    if (!on) {
        outcome.switched = Switched::noEngine;
        return outcome;
    }
    outcome.start = start(settings.enginePath);
    outcome.switched = outcome.start.started() ? Switched::started : Switched::notStarted;
    return outcome;
}

} // namespace quenby
