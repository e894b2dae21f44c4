#include "panel/single_panel.h"

#include <thread>

#include "common/identity.h"
#include "common/os/windowlink.h"
#include "panel/panel_state.h"

namespace quenby::panel {

PanelStart claimPanel(quenby::os::SessionLock& lock, std::chrono::milliseconds patience)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + patience;
    for (;;) {
        const quenby::os::SessionLock::State state = lock.tryTake();
        if (const quenby::os::WindowRef running = quenby::os::findWindow(panelWindowClass(), kPanelWindowTitle)) {
            // This start holds the foreground right, since the user just started
            // it; the running panel gets it only if we pass it on before it asks.
            quenby::os::allowForeground(running);
            if (quenby::os::postMessage(running, messages()[Message::ShowPanel], 0, 0)) {
                logLine(QStringLiteral("Test: handed over to the running panel"));
                return PanelStart::handedOver;
            }
        }
        if (state != quenby::os::SessionLock::State::heldElsewhere)
            return PanelStart::open;
        if (Clock::now() >= deadline) {
            logLine(QStringLiteral("Test: the panel that holds the lock shows no window"));
            return PanelStart::noAnswer;
        }
        // The holder is still starting (its window comes with its main window),
        // or ending (the lock goes with its process).
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

} // namespace quenby::panel
