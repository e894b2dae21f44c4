// What the suites of the tray in a real notification area share (Wine's own, on
// a virtual X display): asking the notification area about the engine's icon,
// and a host of this process with the engine's state around it.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>

#include "common/os/registry.h"
#include "common/os/windowlink.h"
#include "common/settings.h"
#include "common/settings_schema.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/os/win32/host_win32.h"
#include "tests/support/native_registry.h"
#include "tests/win32/win32_helpers.h"

namespace quenby::test {

using engine::EngineState;
using engine::engineState;
using engine::kTrayIconId;
using engine::Win32EngineHost;

// A record of this window with the engine's id, sent to the notification area.
inline bool sendRecord(HWND window, DWORD what)
{
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof record;
    record.hWnd = window;
    record.uID = kTrayIconId;
    return Shell_NotifyIconW(what, &record) != FALSE;
}

// Whether the notification area holds the icon: a modification that changes
// nothing succeeds only for a known icon.
inline bool trayKnows(HWND window) { return sendRecord(window, NIM_MODIFY); }

// Takes the icon out behind the engine's back, as a restarted shell forgets it.
inline bool forget(HWND window) { return sendRecord(window, NIM_DELETE); }

inline bool notificationAreaExists()
{
    return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr;
}

// A host of this process with its hidden window and the engine's state around it,
// settings as a first start leaves them.
class TrayWithADisplay : public testing::Test {
protected:
    void SetUp() override
    {
        registry_ = makeNativeRegistry();
        host_ = std::make_unique<Win32EngineHost>(GetModuleHandleW(nullptr));
        engine::resetEngineState(*host_, registry_->registry());
        EngineState& s = engineState();
        engine::loadStringTable();
        s.totalRAM = host_->totalPhysicalMB();
        s.largeRAM = s.totalRAM > 1023;
        readSettings(registry_->registry(), s.settings, s.totalRAM, Deliverable::engine);
        s.taskbarCreated = os::registerMessage(u"TaskbarCreated");
        host_->registerWindowClass();
        ASSERT_TRUE(host_->createEngineWindow());
        // The first window of the session starts Wine's desktop, which makes the
        // notification area; give it time.
        ASSERT_TRUE(pumpMessagesUntil(notificationAreaExists, 30000)) << "no notification area";
    }

    void TearDown() override
    {
        if (host_ && test::engineWindow() && trayKnows(test::engineWindow()))
            forget(test::engineWindow());
        host_.reset();
    }

    std::unique_ptr<NativeRegistryScope> registry_;
    std::unique_ptr<Win32EngineHost> host_;
};

} // namespace quenby::test
