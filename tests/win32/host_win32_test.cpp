// The Win32 host in this process, driven by the engine logic as the engine
// drives it: the tray menu read back with the menu API, the tray record, the
// message boxes answered from a second thread, the shutdown privilege, and real
// launches of a stand-in control panel. The power commands themselves
// (ExitWindowsEx, SetSystemPowerState) are never called here: under Wine they
// could end the session every test runs in.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/os/registry.h"
#include "common/os/windowlink.h"
#include "common/settings_schema.h"
#include "engine/commands.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/os/win32/host_win32.h"
#include "engine/strings.h"
#include "engine/tray.h"
#include "tests/support/native_registry.h"
#include "tests/win32/win32_helpers.h"

using namespace quenby;
using namespace quenby::engine;
using os::win32::wide;
using test::DialogAnswerer;

namespace {

std::wstring builtIn(unsigned id)
{
    return wide(builtInString(id));
}

// The engine's state around a host of this process with its hidden window, as
// the start-up leaves it before the loop: texts loaded, settings at their zero
// state, no timers (a timer would run the recovery policy inside the menu's and
// the message boxes' own loops).
class EngineHostInProcess : public testing::Test {
protected:
    void SetUp() override
    {
        registry_ = test::makeNativeRegistry();
        host_ = std::make_unique<Win32EngineHost>(GetModuleHandleW(nullptr));
        resetEngineState(*host_, registry_->registry());
        EngineState& s = engineState();
        loadStringTable();
        s.settingsKey = std::u16string(kSettingsKey);
        host_->registerWindowClass();
        ASSERT_TRUE(host_->createEngineWindow());
    }

    void TearDown() override
    {
        host_.reset();
        // No engine window of this process may be found by later tests.
        EXPECT_FALSE(os::findWindow(kEngineWindowClass, kEngineWindowTitle));
    }

    HMENU menu() const { return host_->menu(); }

    std::unique_ptr<test::NativeRegistryScope> registry_;
    std::unique_ptr<Win32EngineHost> host_;
};

struct MenuEntry {
    UINT id = 0;
    bool separator = false;
    std::wstring text;
};

std::vector<MenuEntry> readMenu(HMENU menu)
{
    std::vector<MenuEntry> entries;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 256;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
            break;
        entries.push_back({info.wID, (info.fType & MFT_SEPARATOR) != 0, text});
    }
    return entries;
}

std::wstring labelOf(HMENU menu, UINT id)
{
    wchar_t text[256] = {};
    GetMenuStringW(menu, id, text, 256, MF_BYCOMMAND);
    return text;
}

TEST_F(EngineHostInProcess, TheTrayMenuHasElevenEntriesInOrderWithThreeSeparators)
{
    engineState().settings.Quenby_Stat = 1;
    host_->buildTrayMenu(trayMenuItems());
    updateMenuLabels();
    ASSERT_NE(menu(), nullptr);
    EXPECT_TRUE(IsMenu(menu()));
    ASSERT_EQ(GetMenuItemCount(menu()), 11);

    const std::vector<MenuEntry> entries = readMenu(menu());
    const std::vector<UINT> ids = {201, 202, 203, 0, 204, 0, 207, 0, 208, 209, 210};
    ASSERT_EQ(entries.size(), ids.size());
    int separators = 0;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "position " << i);
        EXPECT_EQ(entries[i].id, ids[i]);
        EXPECT_EQ(entries[i].separator, ids[i] == 0);
        separators += entries[i].separator;
    }
    EXPECT_EQ(separators, 3);

    EXPECT_EQ(entries[0].text, builtIn(IDS_RESTART));
    EXPECT_EQ(entries[1].text, builtIn(IDS_SUSPEND));
    EXPECT_EQ(entries[2].text, builtIn(IDS_SHUTDOWN));
    EXPECT_EQ(entries[4].text, builtIn(IDS_CLEARCLIPBOARD));
    // The label keeps its line feed, as the string table has it.
    EXPECT_EQ(entries[6].text, L"Free-up RAM Manually\n");
    EXPECT_EQ(entries[8].text, builtIn(IDS_CONFIGURATION));
    EXPECT_EQ(entries[9].text, builtIn(IDS_DISABLE));
    EXPECT_EQ(entries[10].text, builtIn(IDS_CLOSE));
    EXPECT_EQ(labelOf(menu(), 210), L"Close RAM Optimizer");
}

TEST_F(EngineHostInProcess, TheEnableItemFollowsTheStateAndOtherLabelsStay)
{
    EngineState& s = engineState();
    s.settings.Quenby_Stat = 0;
    host_->buildTrayMenu(trayMenuItems());
    EXPECT_EQ(labelOf(menu(), IDM_ENABLE), builtIn(IDS_ENABLE));
    const std::vector<MenuEntry> before = readMenu(menu());

    toggleEngineEnabled();
    EXPECT_EQ(s.settings.Quenby_Stat, 1u);
    EXPECT_EQ(labelOf(menu(), IDM_ENABLE), L"Disable RAM Optimizer");
    toggleEngineEnabled();
    EXPECT_EQ(labelOf(menu(), IDM_ENABLE), L"Enable RAM Optimizer");

    // Relabelling keeps the entry where it was, with its id and type.
    const std::vector<MenuEntry> after = readMenu(menu());
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].id, before[i].id);
        EXPECT_EQ(after[i].separator, before[i].separator);
        EXPECT_EQ(after[i].text, before[i].text);
    }
}

TEST_F(EngineHostInProcess, ALabelForAnIdNotInTheMenuChangesNothing)
{
    host_->buildTrayMenu(trayMenuItems());
    const std::vector<MenuEntry> before = readMenu(menu());
    // 205 and 206 are relabelled at every start-up, yet are not in the menu.
    host_->setMenuItemText(IDM_FREEUP_X, u"Free 100 MB");
    host_->setMenuItemText(IDM_FREEUP_Y, u"Free 200 MB");
    EXPECT_EQ(GetMenuState(menu(), IDM_FREEUP_X, MF_BYCOMMAND), static_cast<UINT>(-1));
    const std::vector<MenuEntry> after = readMenu(menu());
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].id, before[i].id);
        EXPECT_EQ(after[i].text, before[i].text);
    }
}

TEST_F(EngineHostInProcess, DestroyingTheMenuFreesIt)
{
    host_->buildTrayMenu(trayMenuItems());
    const HMENU built = menu();
    ASSERT_TRUE(IsMenu(built));
    host_->destroyTrayMenu();
    EXPECT_EQ(menu(), nullptr);
    EXPECT_FALSE(IsMenu(built));
    // Nothing left to relabel or destroy: both are harmless.
    host_->setMenuItemText(IDM_ENABLE, u"x");
    host_->destroyTrayMenu();
}

// The shown menu, driven by the keyboard as a user would: the chosen entry comes
// back to the engine window as its command. Clear Clipboard is chosen because it
// is harmless; Return is pressed only once that very entry is highlighted.
namespace menu_drive {
HMENU shownMenu = nullptr;
HWND owner = nullptr;
int ticks = 0;
bool highlightedBeforeReturn = false;

void CALLBACK step(HWND, UINT, UINT_PTR timer, DWORD)
{
    ++ticks;
    if (ticks == 1) {
        // From no selection, Down goes to the first entry; separators are skipped.
        for (int i = 0; i < 4; ++i) {
            PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(owner, WM_KEYUP, VK_DOWN, 0xC0000000);
        }
        return;
    }
    KillTimer(nullptr, timer);
    highlightedBeforeReturn = (GetMenuState(shownMenu, IDM_CLEARCLIPBOARD, MF_BYCOMMAND) & MF_HILITE) != 0;
    PostMessageW(owner, WM_KEYDOWN, highlightedBeforeReturn ? VK_RETURN : VK_ESCAPE, 0);
}
} // namespace menu_drive

TEST_F(EngineHostInProcess, AnEntryChosenFromTheShownMenuComesBackAsItsCommand)
{
    host_->buildTrayMenu(trayMenuItems());
    test::TestWindow clipboardOwner(L"QuenbyMenuTestClipboardOwner", L"clipboard owner");
    ASSERT_TRUE(OpenClipboard(clipboardOwner.get()));
    EmptyClipboard();
    const wchar_t text[] = L"menu test";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    ASSERT_NE(memory, nullptr);
    std::copy(std::begin(text), std::end(text), static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory); // the clipboard owns it from here
    CloseClipboard();
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    menu_drive::shownMenu = menu();
    menu_drive::owner = host_->window();
    menu_drive::ticks = 0;
    menu_drive::highlightedBeforeReturn = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, menu_drive::step);
    ASSERT_NE(timer, 0u);
    // The tray callback of a right click shows the menu; it returns when the
    // menu is closed.
    SendMessageW(host_->window(), WM_TRAYICON, 0, WM_RBUTTONDOWN);
    KillTimer(nullptr, timer);
    EXPECT_EQ(menu_drive::ticks, 2);
    ASSERT_TRUE(menu_drive::highlightedBeforeReturn);
    // The command is posted to the engine window; its handling empties the clipboard.
    EXPECT_TRUE(test::pumpMessagesUntil([] { return !IsClipboardFormatAvailable(CF_UNICODETEXT); }, 5000));
}

TEST_F(EngineHostInProcess, TheTrayRecordNamesTheWindowTheIdTheCallbackAndTheIcon)
{
    engineState().settings.Quenby_Stat = 1;
    host_->renderTrayImage(trayPictureFor(true, false, false, 0, 42));
    std::u16string longTip;
    for (int i = 0; i < 200; ++i)
        longTip += static_cast<char16_t>(u'a' + i % 26);
    host_->notifyTray(TrayAction::add, longTip);

    const NOTIFYICONDATAW& record = host_->trayIconData();
    EXPECT_EQ(record.cbSize, sizeof(NOTIFYICONDATAW));
    EXPECT_EQ(record.hWnd, host_->window());
    EXPECT_EQ(record.uID, 1010u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 1034u);
    EXPECT_NE(record.hIcon, nullptr);
    EXPECT_EQ(record.hIcon, host_->trayIcon());
    EXPECT_EQ(record.uVersion, 0u) << "no NOTIFYICON_VERSION is set";
    EXPECT_EQ(std::wstring(record.szTip), wide(longTip.substr(0, 127)));
    ASSERT_TRUE(host_->lastTrayAction().has_value());
    EXPECT_EQ(*host_->lastTrayAction(), TrayAction::add);

    // A shorter tooltip leaves nothing of the longer one behind.
    host_->notifyTray(TrayAction::modify, u"RAM Optimizer\nFree RAM: 1 MB (1%)\n");
    EXPECT_EQ(std::wstring(record.szTip), L"RAM Optimizer\nFree RAM: 1 MB (1%)\n");
    EXPECT_EQ(*host_->lastTrayAction(), TrayAction::modify);
    host_->notifyTray(TrayAction::remove, u"");
    EXPECT_EQ(*host_->lastTrayAction(), TrayAction::remove);
}

TEST_F(EngineHostInProcess, TaskbarCreatedReachesTheLogicThroughTheWindowProcedure)
{
    EngineState& s = engineState();
    s.settings.Quenby_Stat = 1;
    s.taskbarCreated = os::registerMessage(u"TaskbarCreated");
    ASSERT_NE(s.taskbarCreated, 0u);
    updateTray(true); // the first add
    ASSERT_TRUE(s.tray.trayIconShown);
    host_->notifyTray(TrayAction::modify, s.tray.tooltip);
    ASSERT_EQ(*host_->lastTrayAction(), TrayAction::modify);

    // The registered number is the same for every process: a broadcast from the
    // shell arrives as this message.
    SendMessageW(host_->window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_TRUE(host_->lastTrayAction().has_value());
    EXPECT_EQ(*host_->lastTrayAction(), TrayAction::add);
    EXPECT_TRUE(s.tray.trayIconShown);
    EXPECT_NE(host_->trayIconData().hIcon, nullptr);
}

TEST_F(EngineHostInProcess, TheQuestionBoxAsksYesOrNoAndOnlyYesConfirms)
{
    {
        DialogAnswerer answer(IDYES);
        EXPECT_TRUE(host_->confirm(u"Do you want to restart your computer now?", u"Confirm"));
        const test::DialogSeen& seen = answer.seen();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.caption, L"Confirm");
        EXPECT_EQ(seen.text, L"Do you want to restart your computer now?");
        EXPECT_EQ(seen.buttons, (std::vector<int>{IDYES, IDNO}));
        EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_QUESTION));
    }
    {
        DialogAnswerer answer(IDNO);
        EXPECT_FALSE(host_->confirm(text(IDS_CONFIRM_SHUTDOWN), text(IDS_CONFIRM)));
        const test::DialogSeen& seen = answer.seen();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.text, L"Do you want to shutdown your computer now?");
    }
}

TEST_F(EngineHostInProcess, TheErrorBoxShowsTheTextWithAnErrorIconAndOneButton)
{
    DialogAnswerer answer(IDOK);
    host_->showError(u"CreateProcess failed (2).", u"Error");
    const test::DialogSeen& seen = answer.seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, L"Error");
    EXPECT_EQ(seen.text, L"CreateProcess failed (2).");
    EXPECT_EQ(seen.buttons, (std::vector<int>{IDOK}));
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_ERROR));
}

// Whether the process token has the shutdown privilege, and if so whether it is on.
struct PrivilegeState {
    bool held = false;
    bool enabled = false;
};

PrivilegeState shutdownPrivilege()
{
    PrivilegeState state;
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw))
        return state;
    const test::UniqueHandle token(raw);
    LUID shutdown{};
    LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdown);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    if (size == 0 || !GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), size, &size))
        return state;
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& entry = privileges->Privileges[i];
        if (entry.Luid.LowPart == shutdown.LowPart && entry.Luid.HighPart == shutdown.HighPart) {
            state.held = true;
            state.enabled = (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
        }
    }
    return state;
}

TEST_F(EngineHostInProcess, TheShutdownPrivilegeIsSwitchedOnAndOffInTheToken)
{
    const std::uint32_t on = host_->setShutdownPrivilege(true);
    EXPECT_TRUE(on == 0 || on == 1627) << on;
    const PrivilegeState afterOn = shutdownPrivilege();
    const std::uint32_t off = host_->setShutdownPrivilege(false);
    EXPECT_TRUE(off == 0 || off == 1627) << off;
    const PrivilegeState afterOff = shutdownPrivilege();
    std::printf("shutdown privilege: %s; set on -> %u, off -> %u\n",
                afterOn.held ? "held" : "not held", on, off);
    if (on == 0 && afterOn.held) {
        EXPECT_TRUE(afterOn.enabled);
    }
    if (off == 0 && afterOff.held) {
        EXPECT_FALSE(afterOff.enabled);
    }
}

// Where the stand-in Quenby.exe was built: a folder with spaces in its name.
std::wstring standInFolder()
{
    return test::programBeside(L"panel stand-in");
}

void storeInstallFolder(os::Registry& registry, const std::wstring& folder)
{
    auto key = registry.createKey(kSettingsKey);
    ASSERT_TRUE(key);
    const std::u16string value(folder.begin(), folder.end());
    ASSERT_EQ(key->setValue(kPathValue, os::RegType::sz, value.c_str(),
                            static_cast<std::uint32_t>((value.size() + 1) * sizeof(char16_t))),
              os::RegStatus::ok);
}

// The stand-in's report, once it has written one.
bool readReport(const std::wstring& path, std::vector<std::wstring>& lines, int timeoutMs)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
    for (;;) {
        const test::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            std::wstring text(64 * 1024, L'\0');
            DWORD bytes = 0;
            ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &bytes, nullptr);
            text.resize(bytes / sizeof(wchar_t));
            lines.clear();
            for (std::size_t start = 0; start < text.size();) {
                const std::size_t stop = text.find(L'\n', start);
                lines.push_back(text.substr(start, stop - start));
                start = stop == std::wstring::npos ? text.size() : stop + 1;
            }
            return true;
        }
        if (static_cast<LONG>(GetTickCount() - end) > 0)
            return false;
        Sleep(50);
    }
}

class ControlPanelLaunch : public EngineHostInProcess {
protected:
    void SetUp() override
    {
        EngineHostInProcess::SetUp();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        report_ = std::wstring(temp) + L"quenby-standin-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
        DeleteFileW(report_.c_str());
        SetEnvironmentVariableW(L"QUENBY_STANDIN_REPORT", report_.c_str());
    }
    void TearDown() override
    {
        SetEnvironmentVariableW(L"QUENBY_STANDIN_REPORT", nullptr);
        DeleteFileW(report_.c_str());
        EngineHostInProcess::TearDown();
    }

    std::wstring report_;
};

TEST_F(ControlPanelLaunch, ThePanelStartsFromTheInstallFolderWithTheArgumentRam)
{
    const std::wstring folder = standInFolder();
    ASSERT_NE(folder.find(L' '), std::wstring::npos);
    ASSERT_NE(GetFileAttributesW((folder + L"\\Quenby.exe").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the stand-in was not built";
    storeInstallFolder(registry_->registry(), folder);

    // No message box may come: a failure would show one and block here.
    DialogAnswerer unexpected(IDOK);
    launchControlPanel();
    const test::DialogSeen& box = unexpected.seen();
    EXPECT_FALSE(box.found) << "an error box came: " << std::string(box.text.begin(), box.text.end());

    std::vector<std::wstring> lines;
    ASSERT_TRUE(readReport(report_, lines, 15000)) << "the stand-in never reported";
    const std::vector<std::wstring> expected = {
        L"command=\"" + folder + L"\\Quenby.exe\" RAM",
        L"argument=RAM",
        L"folder=" + folder,
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(ControlPanelLaunch, AnInstallFolderTooLongForTheCommandLineShowsError206)
{
    // The quoted line would take 260 characters: one more than the buffer holds.
    const std::wstring quotedRest = L"\\Quenby.exe\" RAM";
    std::wstring folder = L"C:\\";
    folder += std::wstring(260 - 1 - quotedRest.size() - folder.size(), L'x');
    ASSERT_EQ(1 + folder.size() + quotedRest.size(), 260u);
    storeInstallFolder(registry_->registry(), folder);

    DialogAnswerer answer(IDOK);
    launchControlPanel();
    const test::DialogSeen& seen = answer.seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, L"Error");
    EXPECT_EQ(seen.text, L"CreateProcess failed (206).");
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_ERROR));

    // One character less fits, and is really tried (and fails: no such folder).
    folder.pop_back();
    storeInstallFolder(registry_->registry(), folder);
    DialogAnswerer second(IDOK);
    launchControlPanel();
    ASSERT_TRUE(second.seen().found);
    EXPECT_NE(second.seen().text, L"CreateProcess failed (206).");
}

TEST_F(ControlPanelLaunch, AMissingPanelShowsTheSystemsErrorCode)
{
    // A folder that exists, without Quenby.exe in it (the real panel is built
    // beside this suite): an empty one of its own.
    const std::wstring withoutSlash =
        test::programBeside(L"no panel here ") + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(withoutSlash.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    struct Remove {
        std::wstring folder;
        ~Remove() { RemoveDirectoryW(folder.c_str()); }
    } remove{withoutSlash};
    ASSERT_EQ(GetFileAttributesW((withoutSlash + L"\\Quenby.exe").c_str()), INVALID_FILE_ATTRIBUTES);
    storeInstallFolder(registry_->registry(), withoutSlash);

    LaunchRequest request = *controlPanelLaunch(std::u16string(withoutSlash.begin(), withoutSlash.end()));
    const std::uint32_t error = host_->startProcess(request);
    EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));

    DialogAnswerer answer(IDOK);
    launchControlPanel();
    const test::DialogSeen& seen = answer.seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, L"Error");
    EXPECT_EQ(seen.text, L"CreateProcess failed (" + std::to_wstring(error) + L").");
}

} // namespace

// GetMessageW failing ends the loop with a code of its own, not with the wParam
// of whatever message came before.
TEST(EngineMessageLoop, AFailedGetMessageEndsTheLoopWithItsOwnCode)
{
    static int calls = 0;
    calls = 0;
    const auto failingAfterOne = [](MSG* message) -> BOOL {
        if (++calls == 1) {
            *message = MSG{};
            message->message = WM_NULL;
            message->wParam = 7;
            return TRUE;
        }
        return -1;
    };
    EXPECT_EQ(engine::runMessageLoopWith(failingAfterOne), engine::kMessageLoopFailed);
    EXPECT_EQ(calls, 2);

    // The usual end: WM_QUIT's own code.
    calls = 0;
    const auto quitting = [](MSG* message) -> BOOL {
        *message = MSG{};
        message->message = ++calls == 1 ? WM_NULL : WM_QUIT;
        message->wParam = calls == 1 ? 7 : 3;
        return calls == 1 ? TRUE : FALSE;
    };
    EXPECT_EQ(engine::runMessageLoopWith(quitting), 3);
}
