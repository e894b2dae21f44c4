// The tray icon in a real notification area: Wine's own, on a virtual X display
// (the null graphics driver of the other Windows suites has none, and there
// every Shell_NotifyIconW call fails). Run by cmake/wine-xvfb-run.sh in a prefix
// of its own.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>

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

    host_->notifyTray(TrayAction::remove, s.tray.tooltip);
    EXPECT_FALSE(trayKnows(test::engineWindow()));
}

TEST_F(TrayWithADisplay, TaskbarCreatedBringsTheIconBackIntoANewNotificationArea)
{
    EngineState& s = engineState();
    updateTray(true);
    ASSERT_TRUE(trayKnows(test::engineWindow()));

    // The shell restarts: the new notification area knows nothing of the icon.
    // The engine's next update modifies, and so does not bring it back.
    ASSERT_TRUE(forget(test::engineWindow()));
    ASSERT_FALSE(trayKnows(test::engineWindow()));
    updateTray(true);
    EXPECT_FALSE(trayKnows(test::engineWindow())) << "an update added the icon instead of modifying it";

    // The shell's broadcast reaches the window as a posted message, and the icon
    // is added again.
    ASSERT_TRUE(PostMessageW(test::engineWindow(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0));
    EXPECT_TRUE(test::pumpMessagesUntil([&] { return trayKnows(test::engineWindow()); }, 5000));
    EXPECT_TRUE(s.tray.trayIconShown);
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
