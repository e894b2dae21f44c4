// The tray icon in a real notification area: Wine's own, on a virtual X display
// (the null graphics driver of the other Windows suites has none, and there
// every Shell_NotifyIconW call fails). Run by cmake/wine-xvfb-run.sh in a prefix
// of its own.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>
#include <string_view>
#include <vector>

#include "common/identity.h"
#include "common/os/registry.h"
#include "common/os/windowlink.h"
#include "common/settings.h"
#include "common/settings_schema.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/os/win32/host_win32.h"
#include "engine/strings.h"
#include "engine/tray.h"
#include "tests/support/native_registry.h"
#include "tests/win32/tray_display.h"
#include "tests/win32/win32_helpers.h"

using namespace quenby;
using namespace quenby::engine;
using namespace quenby::test;

namespace {

TEST_F(TrayWithADisplay, TheIconIsAddedUpdatedAndRemoved)
{
    EngineState& s = engineState();
    ASSERT_EQ(s.settings.HideTrayIcon, 0u);
    // Asked through the shell itself: a record it knows can be modified.
    updateTray(true);
    EXPECT_TRUE(s.tray.trayIconShown);
    EXPECT_TRUE(trayKnows(test::engineWindow()));

    // Later updates (a second, a new image: the disabled picture) keep it there.
    updateTray(true);
    EXPECT_TRUE(trayKnows(test::engineWindow()));
    s.settings.Quenby_Stat = s.settings.Quenby_Stat == 1 ? 0 : 1;
    updateTray(true);
    EXPECT_TRUE(trayKnows(test::engineWindow()));

    host_->tray().notify(TrayAction::remove, s.tray.tooltip);
    EXPECT_FALSE(trayKnows(test::engineWindow()));
}

// The engine counts its icon as shown when the notification area took it, not
// when it asked: announced a new taskbar while the area still holds the icon
// (Explorer does so after a change of scale or a remote connection; Wine's
// area refuses the duplicate add as Explorer does), the engine modifies it and
// goes on modifying it; forgotten by the area, it is added again.
TEST_F(TrayWithADisplay, TheIconStaysCurrentWhateverTheNotificationAreaKeptOrForgot)
{
    EngineState& s = engineState();
    updateTray(true);
    ASSERT_TRUE(trayKnows(test::engineWindow()));
    ASSERT_FALSE(sendRecord(test::engineWindow(), NIM_ADD)) << "this notification area takes an icon twice";

    const struct {
        const char* what;
        bool forgotten;
    } cases[] = {{"kept", false}, {"forgotten", true}, {"kept again", false}};
    for (const auto& c : cases) {
        if (c.forgotten) {
            ASSERT_TRUE(forget(test::engineWindow())) << c.what;
        }
        ASSERT_TRUE(PostMessageW(test::engineWindow(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0));
        test::pumpMessagesUntil([] { return false; }, 300);
        EXPECT_TRUE(s.tray.trayIconShown) << c.what;
        EXPECT_TRUE(trayKnows(test::engineWindow())) << c.what;
        // Later ticks change the tooltip the area shows: they are taken.
        updateTray(false);
        EXPECT_TRUE(s.tray.trayIconShown) << c.what;
    }

    // Forgotten without an announcement: the refused modify of the next update
    // is followed by an add.
    ASSERT_TRUE(forget(test::engineWindow()));
    updateTray(false);
    EXPECT_TRUE(trayKnows(test::engineWindow()));
    EXPECT_TRUE(s.tray.trayIconShown);
}

// The windows Wine shows the icons in, one for each: those of its X11 driver's
// stand-alone tray (a virtual display has no system tray of its own to dock
// into), or in later Wines explorer's.
BOOL CALLBACK collectIfIcon(HWND window, LPARAM into)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring_view(name) == L"__winex11_tray_icon" || std::wstring_view(name) == L"__wine_tray_icon")
        reinterpret_cast<std::vector<HWND>*>(into)->push_back(window);
    return TRUE;
}

BOOL CALLBACK collectIconWindows(HWND window, LPARAM into)
{
    collectIfIcon(window, into);
    EnumChildWindows(window, collectIfIcon, into);
    return TRUE;
}

std::vector<HWND> iconWindows()
{
    std::vector<HWND> found;
    EnumWindows(collectIconWindows, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Without the version 4 protocol the keyboard cannot reach the icon (Enter and
// Shift+F10 come only as NIN_KEYSELECT and WM_CONTEXTMENU): the area is asked
// for it after each add, and what the area sends back shows which it took. Under
// version 4 the event is the low word of lParam and the icon's id the high one;
// under the old protocol wParam is the id and lParam the event alone.
TEST_F(TrayWithADisplay, TheAreaSpeaksTheVersionFourProtocolToTheIcon)
{
    EngineState& s = engineState();
    const struct {
        const char* what;
        bool forgotten;
    } cases[] = {{"first add", false}, {"added again after the area forgot it", true}};
    for (const auto& c : cases) {
        if (c.forgotten) {
            ASSERT_TRUE(forget(test::engineWindow()));
            s.tray.trayIconShown = false;
        }
        updateTray(true);
        ASSERT_TRUE(trayKnows(test::engineWindow())) << c.what;
        static std::vector<LPARAM> received;
        static WNDPROC engineProcedure = nullptr;
        received.clear();
        engineProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            test::engineWindow(), GWLP_WNDPROC,
            reinterpret_cast<LONG_PTR>(+[](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
                if (message == engine::WM_TRAYICON)
                    received.push_back(lParam);
                return CallWindowProcW(engineProcedure, window, message, wParam, lParam);
            })));
        // The pointer moves over the icon, which the area relays to the owner.
        for (const HWND icon : iconWindows())
            PostMessageW(icon, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        test::pumpMessagesUntil([] { return !received.empty(); }, 5000);
        SetWindowLongPtrW(test::engineWindow(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(engineProcedure));
        ASSERT_FALSE(received.empty()) << c.what << ": the area sent nothing";
        EXPECT_EQ(LOWORD(received.front()), WM_MOUSEMOVE) << c.what;
        EXPECT_EQ(HIWORD(received.front()), kTrayIconId) << c.what;
    }
}

// The real engine program shows its icon there and takes it away when closed.
TEST(EngineWithADisplay, TheEngineShowsItsIconUntilItIsClosed)
{
    const auto scope = test::makeNativeRegistry();
    test::ChildProcess engine(test::programBeside(L"Quenbytray.exe"), L"");
    ASSERT_TRUE(engine.started());
    HWND window = nullptr;
    ASSERT_TRUE(test::pumpMessagesUntil(
        [&] {
            window = reinterpret_cast<HWND>(os::findWindow(kEngineWindowClass, kEngineWindowTitle).id);
            return window != nullptr || !engine.running();
        },
        30000));
    ASSERT_NE(window, nullptr) << "the engine ended without a window";
    EXPECT_TRUE(test::pumpMessagesUntil([&] { return trayKnows(window); }, 15000))
        << "the engine's icon never appeared";

    os::postToWindow(kEngineWindowClass, kEngineWindowTitle, kCloseMessage);
    EXPECT_EQ(engine.waitExit(15000), 0);
    EXPECT_FALSE(trayKnows(window));
}

} // namespace
