// Not a test: shows the engine's tray icon and its notice after a recovery, for
// the documentation's picture (tools/screenshot-balloon.sh runs it under Wine on
// a virtual display). The engine's own host, string table and notice text; the
// figures are those of the example, 812 MB recovered and 3417 MB free.
//   quenby_balloon_screenshot SECONDS
#include <windows.h>

#include <cstdlib>

#include "common/os/registry.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/os/win32/host_win32.h"
#include "engine/recovery.h"
#include "engine/strings.h"
#include "engine/tray.h"
#include "tests/win32/win32_helpers.h"

using namespace quenby;
using namespace quenby::engine;

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    // The settings of a first start, in memory only: nothing is read or written.
    os::Registry& registry = os::currentUserRegistry();
    Win32EngineHost host(GetModuleHandleW(nullptr));
    resetEngineState(host, registry);
    EngineState& s = engineState();
    loadStringTable();
    s.totalRAM = host.totalPhysicalMB();
    s.largeRAM = s.totalRAM > 1023;
    s.settings.TrayIconInfo = 1;
    s.settings.Quenby_Stat = 1; // enabled: the icon shows its number
    host.registerWindowClass();
    if (!host.createEngineWindow())
        return 1;
    if (!test::pumpMessagesUntil([] { return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }, 30000))
        return 2;
    updateTray(true);
    host.tray().showNotice(text(IDS_RECOVERED_TITLE), recoveryFeedbackText(3417 - 812, 3417));
    const bool shown = test::pumpMessagesUntil([] { return !test::shownBalloon().empty(); }, 15000);
    test::pumpMessagesUntil([] { return false; }, seconds * 1000);
    host.tray().notify(TrayAction::remove, s.tray.tooltip);
    return shown ? 0 : 3;
}
