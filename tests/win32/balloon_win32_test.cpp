// The notice after a recovery as a balloon at the tray icon: the record the host
// builds for it, the shell taking it in Wine's notification area (on a virtual X
// display: part of the tray suite, see tray_xvfb_test.cpp), the stored icon
// record staying as it was, and a refused balloon changing nothing; and the
// notice of a hot key that another program holds.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <regex>
#include <string>

#include "common/os/registry.h"
#include "common/settings.h"
#include "common/settings_schema.h"
#include "common/text.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/os/win32/host_win32.h"
#include "engine/recovery.h"
#include "engine/strings.h"
#include "engine/tray.h"
#include "tests/support/native_registry.h"
#include "tests/support/test_env.h"
#include "tests/win32/tray_display.h"
#include "tests/win32/win32_helpers.h"

using namespace quenby;
using namespace quenby::engine;
using namespace quenby::test;

namespace {

std::wstring field(const wchar_t* text)
{
    return text;
}

bool sameRecord(const NOTIFYICONDATAW& a, const NOTIFYICONDATAW& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(BalloonRecord, IsTheIconRecordWithTheNoticeAndTheInformationIconWithoutSound)
{
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = reinterpret_cast<HWND>(0x1234);
    icon.uID = kTrayIconId;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = WM_TRAYICON;
    icon.hIcon = reinterpret_cast<HICON>(0x5678);
    std::wcscpy(icon.szTip, L"RAM Optimizer\nFree RAM: 3417 MB (42%)\nCPU Usage: 7%");
    const struct {
        std::u16string title, text;
        std::wstring sentTitle, sentText;
    } cases[] = {
        {u"RAM Optimizer", u"Recovered 812 MB, 3417 MB free now", L"RAM Optimizer",
         L"Recovered 812 MB, 3417 MB free now"},
        {u"RAM Optimizer", u"No RAM could be recovered", L"RAM Optimizer", L"No RAM could be recovered"},
        // Cut to what the record holds, with room for the terminator.
        {std::u16string(70, u't'), std::u16string(300, u'x'), std::wstring(63, L't'), std::wstring(255, L'x')},
    };
    for (const auto& c : cases) {
        const NOTIFYICONDATAW balloon = balloonRecord(icon, c.title, c.text);
        EXPECT_EQ(balloon.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO));
        EXPECT_EQ(balloon.dwInfoFlags, static_cast<DWORD>(NIIF_INFO | NIIF_NOSOUND | NIIF_RESPECT_QUIET_TIME));
        EXPECT_EQ(field(balloon.szInfoTitle), c.sentTitle);
        EXPECT_EQ(field(balloon.szInfo), c.sentText);
        // Everything else is the icon's record: the same icon, tooltip and callback.
        NOTIFYICONDATAW rest = balloon;
        rest.uFlags = icon.uFlags;
        rest.dwInfoFlags = 0;
        std::memset(rest.szInfoTitle, 0, sizeof rest.szInfoTitle);
        std::memset(rest.szInfo, 0, sizeof rest.szInfo);
        EXPECT_TRUE(sameRecord(rest, icon));
    }
}

// The tray suite's host with its icon in Wine's notification area, as a first
// start leaves it.
class BalloonWithADisplay : public test::TrayWithADisplay {
protected:
    void SetUp() override
    {
        TrayWithADisplay::SetUp();
        if (HasFatalFailure())
            return;
        engineState().ramCeiling = engineState().totalRAM / 4 * 3;
        updateTray(true);
        ASSERT_TRUE(trayKnows(test::engineWindow())) << "the icon was not added";
    }
};

TEST_F(BalloonWithADisplay, ARecoveryShowsItsNoticeAndTheIconRecordStaysAsItWas)
{
    EngineState& s = engineState();
    s.settings.NotifyRecovery = 1;
    s.settings.Disable_CPU_detect = 1;
    // Free memory as the engine last saw it, low enough for one small pass: the
    // pass measures the machine again, and the notice tells the rise.
    s.availRAM = 8;
    recoverRAM(10, RecoveryTrigger::request);
    // The stored record never carries the balloon, so the once-a-second update
    // does not show it again.
    EXPECT_EQ(host_->tray().record().uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP));
    EXPECT_EQ(host_->tray().record().szInfo[0], L'\0');
    EXPECT_EQ(host_->tray().record().szInfoTitle[0], L'\0');

    // Wine's notification area shows it (what the record carries besides is
    // pinned by BalloonRecord above).
    std::wstring shown;
    EXPECT_TRUE(test::pumpMessagesUntil([&] { return !(shown = shownBalloon()).empty(); }, 15000))
        << "no balloon appeared";
    const std::string notice = toUtf8(std::u16string(shown.begin(), shown.end()));
    EXPECT_TRUE(std::regex_match(notice, std::regex("Recovered [0-9]+ MB, [0-9]+ MB free now"))) << notice;
}

TEST_F(BalloonWithADisplay, TheStoredRecordIsUnchangedWhetherTheShellTakesTheNoticeOrNot)
{
    const NOTIFYICONDATAW before = host_->tray().record();
    host_->tray().showNotice(u"RAM Optimizer", u"No RAM could be recovered");
    EXPECT_TRUE(test::pumpMessagesUntil([] { return shownBalloon() == L"No RAM could be recovered"; }, 15000));
    EXPECT_TRUE(sameRecord(host_->tray().record(), before));

    // Without the icon (hidden, or a restarted shell) the shell refuses: nothing
    // else changes, and the next update goes on as before.
    NOTIFYICONDATAW gone{};
    gone.cbSize = sizeof gone;
    gone.hWnd = test::engineWindow();
    gone.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
    host_->tray().showNotice(u"RAM Optimizer", u"Recovered 812 MB, 3417 MB free now");
    EXPECT_TRUE(sameRecord(host_->tray().record(), before));
    EXPECT_TRUE(engineState().tray.trayIconShown);
    EXPECT_FALSE(trayKnows(test::engineWindow()));
}

// The child: `--quenby-child=hold-hot-key <key>` holds Ctrl+Alt+<key> (a virtual
// key in decimal) as another program would, until it is ended, for 60 s at most.
int holdHotKeyChild(int argc, char** argv)
{
    if (argc < 1)
        return 2;
    if (!RegisterHotKey(nullptr, 1, MOD_ALT | MOD_CONTROL, static_cast<UINT>(std::atoi(argv[0]))))
        return 3;
    Sleep(60000);
    return 0;
}
quenby::test::ChildRole holdHotKeyRole("hold-hot-key", holdHotKeyChild);

TEST_F(BalloonWithADisplay, AHotKeyAnotherProgramHoldsIsToldAtTheIconNamingTheKeys)
{
    test::ChildProcess holder(test::selfPathW(), L"--quenby-child=hold-hot-key 82"); // R
    ASSERT_TRUE(holder.started());
    // Held once this process can no longer have it (or the child gave up).
    ASSERT_TRUE(test::pumpMessagesUntil([&] {
        if (!holder.running())
            return true;
        if (!RegisterHotKey(nullptr, 9, MOD_ALT | MOD_CONTROL, 'R'))
            return true;
        UnregisterHotKey(nullptr, 9);
        return false;
    }));
    ASSERT_TRUE(holder.running()) << "the child could not take Ctrl+Alt+R";

    EngineState& s = engineState();
    s.settings.Hotkey1 = 'r';
    s.settings.Hotkey2 = 0;
    registerHotKeys();
    EXPECT_EQ(s.freeUpHotKey.registeredKey, 0u);
    const std::wstring told = L"The hot key Ctrl+Alt+R could not be registered: another program uses it.";
    std::wstring shown;
    EXPECT_TRUE(test::pumpMessagesUntil([&] { return (shown = shownBalloon()) == told; }, 15000))
        << "shown: " << toUtf8(std::u16string(shown.begin(), shown.end()));
    host_->unregisterHotKeys();
}

} // namespace
