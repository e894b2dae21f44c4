// The Win32 host in this process, driven by the engine logic as the engine
// drives it: the window and its class, the tray menu read back with the menu
// API, the tray record, the recovery blocks in the working set, the alarm call,
// hot keys pressed through the input queue, the CPU sampler thread, the message
// boxes answered from a second thread, the shutdown privilege in the token, and
// real launches of a stand-in control panel. The power commands themselves
// (ExitWindowsEx, SetSystemPowerState) are never called here: under Wine they
// could end the session every test runs in.
#include <windows.h>
#include <mmsystem.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <utility>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "common/os/keyboard.h"
#include "common/os/process_list.h"
#include "common/os/user_file.h"
#include "common/protected_programs.h"
#include "common/os/registry.h"
#include "common/os/windowlink.h"
#include "common/settings_schema.h"
#include "engine/commands.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/os/win32/gdi_handles.h"
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
        loadStringTable();
        host_->registerWindowClass();
        ASSERT_TRUE(host_->createEngineWindow());
    }

    void TearDown() override
    {
        // A forced update starts a CPU sampler that measures for about a second;
        // it must not write into the next test's state.
        EXPECT_TRUE(test::pumpMessagesUntil([] { return engineState().samplersAlive.load() == 0; }));
        host_.reset();
        // No engine window of this process may be found by later tests.
        EXPECT_FALSE(os::findWindow(kEngineWindowClass, kEngineWindowTitle));
    }

    std::unique_ptr<test::NativeRegistryScope> registry_;
    std::unique_ptr<Win32EngineHost> host_;
};

struct MenuEntry {
    UINT id = 0;
    bool separator = false;
    std::wstring text;
    bool operator==(const MenuEntry&) const = default;
};

void PrintTo(const MenuEntry& entry, std::ostream* out)
{
    *out << entry.id << (entry.separator ? " separator " : " ") << testing::PrintToString(entry.text);
}

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

// The menu the tray shows on a right click, read while it is open (the popup
// window hands out its menu) and then closed with Escape. No handle when no menu
// came up.
struct ShownMenu {
    HMENU handle = nullptr;
    std::vector<MenuEntry> entries;
};
ShownMenu shownMenu;

void CALLBACK readShownMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (const HWND popup = FindWindowW(L"#32768", nullptr)) {
        shownMenu.handle = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        shownMenu.entries = readMenu(shownMenu.handle);
    }
    PostMessageW(test::engineWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
}

ShownMenu rightClickMenu()
{
    shownMenu = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, readShownMenu);
    // The tray callback of a right click shows the menu; it returns when the
    // menu is closed.
    SendMessageW(test::engineWindow(), WM_TRAYICON, 0, WM_RBUTTONDOWN);
    KillTimer(nullptr, timer);
    return shownMenu;
}

// A file of this process's own in the temporary folder.
std::wstring tempPath(const std::wstring& prefix, const std::wstring& suffix)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return temp + prefix + std::to_wstring(GetCurrentProcessId()) + suffix;
}

struct RemoveWhenDone {
    std::wstring path;
    bool folder;
    ~RemoveWhenDone() { folder ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str()); }
};

// What a message box showed, read before it was answered.
void expectBox(DialogAnswerer& answer, const std::wstring& caption, const std::wstring& text,
               const std::vector<int>& buttons, LPCWSTR icon)
{
    const test::DialogSeen& seen = answer.seen();
    ASSERT_TRUE(seen.found) << "no message box came";
    EXPECT_EQ(seen.caption, caption);
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.buttons, buttons);
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, icon));
}

// The menu as the start-up builds and labels it, read back with the menu API.
// Relabelling (the enable entry as the state turns; ids that are not in the
// menu) keeps every entry where it was, with its id and type.
TEST_F(EngineHostInProcess, TheTrayMenuHasElevenEntriesAndRelabellingMovesNone)
{
    host_->tray().buildMenu(trayMenuItems());
    const HMENU built = rightClickMenu().handle;
    ASSERT_TRUE(IsMenu(built));
    std::vector<MenuEntry> expected = {
        {201, false, L"Restart Windows"}, {202, false, L"Suspend Windows"}, {203, false, L"Shutdown Windows"},
        {0, true, L""}, {204, false, L"Clear Clipboard"}, {0, true, L""},
        {207, false, L"Free-up RAM Manually\n"}, // the line feed of the string table stays
        {0, true, L""}, {208, false, L"Configuration..."}, {209, false, L"Enable RAM Optimizer"},
        {210, false, L"Close RAM Optimizer"}};
    EXPECT_EQ(shownMenu.entries, expected);
    // 205 and 206 are relabelled at every start-up, yet are not in the menu.
    updateMenuLabels();
    EXPECT_EQ(rightClickMenu().entries, expected);
    EXPECT_EQ(GetMenuState(built, IDM_FREEUP_X, MF_BYCOMMAND), static_cast<UINT>(-1));

    toggleEngineEnabled();
    EXPECT_EQ(engineState().settings.Quenby_Stat, 1u);
    expected[9].text = L"Disable RAM Optimizer";
    EXPECT_EQ(rightClickMenu().entries, expected);
    toggleEngineEnabled();
    expected[9].text = L"Enable RAM Optimizer";
    EXPECT_EQ(rightClickMenu().entries, expected);

    // Destroyed, it is freed and no longer shown; nothing is left to relabel or
    // destroy, and both are harmless.
    host_->tray().destroyMenu();
    EXPECT_FALSE(IsMenu(built));
    EXPECT_EQ(rightClickMenu().handle, nullptr);
    host_->tray().setMenuItemText(IDM_ENABLE, u"x");
    host_->tray().destroyMenu();
}

// The shown menu, driven by the keyboard as a user would: the chosen entry comes
// back to the engine window as its command. Clear Clipboard is chosen because it
// is harmless; Return is pressed only once that very entry is highlighted.
namespace menu_drive {
HWND owner = nullptr;
int ticks = 0;
bool highlightedBeforeReturn = false;
RECT shownAt{}; // where the menu's window is

void CALLBACK step(HWND, UINT, UINT_PTR timer, DWORD)
{
    ++ticks;
    if (ticks == 1) {
        GetWindowRect(FindWindowW(L"#32768", nullptr), &shownAt);
        // From no selection, Down goes to the first entry; separators are skipped.
        for (int i = 0; i < 4; ++i) {
            PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(owner, WM_KEYUP, VK_DOWN, 0xC0000000);
        }
        return;
    }
    KillTimer(nullptr, timer);
    const HMENU shown = reinterpret_cast<HMENU>(SendMessageW(FindWindowW(L"#32768", nullptr), MN_GETHMENU, 0, 0));
    highlightedBeforeReturn = (GetMenuState(shown, IDM_CLEARCLIPBOARD, MF_BYCOMMAND) & MF_HILITE) != 0;
    PostMessageW(owner, WM_KEYDOWN, highlightedBeforeReturn ? VK_RETURN : VK_ESCAPE, 0);
}
} // namespace menu_drive

// Shift+F10 or the menu key on the icon, as the shell's version 4 protocol
// sends it (the icon's position in wParam), and a right click of the old one.
struct MenuCallback {
    const char* name;
    WPARAM wParam;
    LPARAM lParam;
    POINT at; // where the menu must open; {-1, -1}: at the pointer
};

class MenuOpened : public EngineHostInProcess, public testing::WithParamInterface<MenuCallback> {};

INSTANTIATE_TEST_SUITE_P(ByMouseAndKeyboard, MenuOpened,
                         testing::Values(MenuCallback{"right click", 0, WM_RBUTTONDOWN, {-1, -1}},
                                         MenuCallback{"menu key", MAKEWPARAM(300, 200),
                                                      MAKELPARAM(WM_CONTEXTMENU, 1010), {300, 200}}),
                         [](const testing::TestParamInfo<MenuCallback>& info) {
                             return std::string(info.param.lParam == WM_RBUTTONDOWN ? "RightClick" : "MenuKey");
                         });

TEST_P(MenuOpened, AnEntryChosenFromTheShownMenuComesBackAsItsCommand)
{
    const MenuCallback callback = GetParam();
    POINT at = callback.at;
    if (at.x < 0)
        GetCursorPos(&at);
    host_->tray().buildMenu(trayMenuItems());
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

    menu_drive::owner = test::engineWindow();
    menu_drive::ticks = 0;
    menu_drive::highlightedBeforeReturn = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, menu_drive::step);
    ASSERT_NE(timer, 0u);
    // The tray callback shows the menu; it returns when the menu is closed.
    SendMessageW(test::engineWindow(), WM_TRAYICON, callback.wParam, callback.lParam);
    KillTimer(nullptr, timer);
    EXPECT_EQ(menu_drive::ticks, 2);
    ASSERT_TRUE(menu_drive::highlightedBeforeReturn);
    // Its top left corner at the point, where the screen allows.
    EXPECT_EQ(menu_drive::shownAt.left, at.x) << callback.name;
    EXPECT_EQ(menu_drive::shownAt.top, at.y) << callback.name;
    // The command is posted to the engine window; its handling empties the clipboard.
    EXPECT_TRUE(test::pumpMessagesUntil([] { return !IsClipboardFormatAvailable(CF_UNICODETEXT); }, 5000));
}

TEST_F(EngineHostInProcess, TheTrayRecordNamesTheWindowTheIdTheCallbackAndTheIcon)
{
    engineState().settings.Quenby_Stat = 1;
    host_->tray().renderImage(trayPictureFor(true, false, false, 0, 42));
    std::u16string longTip;
    for (int i = 0; i < 200; ++i)
        longTip += static_cast<char16_t>(u'a' + i % 26);
    // No notification area under the null driver: the add is refused, and
    // the host says so, so that the engine tries again.
    EXPECT_FALSE(host_->tray().notify(TrayAction::add, longTip));

    const NOTIFYICONDATAW& record = host_->tray().record();
    EXPECT_EQ(record.hWnd, test::engineWindow());
    EXPECT_EQ(record.uID, 1010u);
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP));
    EXPECT_EQ(record.uCallbackMessage, 1034u);
    EXPECT_NE(record.hIcon, nullptr);
    EXPECT_EQ(record.hIcon, host_->tray().icon());
    // The keyboard's protocol: Enter, Space and Shift+F10 as their own events.
    EXPECT_EQ(record.uVersion, static_cast<UINT>(NOTIFYICON_VERSION_4));
    EXPECT_EQ(std::wstring(record.szTip), wide(longTip.substr(0, 127)));

    // A shorter tooltip leaves nothing of the longer one behind.
    host_->tray().notify(TrayAction::modify, u"RAM Optimizer\nFree RAM: 1 MB (1%)\n");
    EXPECT_EQ(std::wstring(record.szTip), L"RAM Optimizer\nFree RAM: 1 MB (1%)\n");
}

// The icon is drawn at the scale of the taskbar's monitor, read afresh on each
// display change; the scale WM_DPICHANGED brings is that of the monitor the
// hidden window happens to sit on, and is not taken. (Without a taskbar, as
// here, the system's scale.)
TEST_F(EngineHostInProcess, TheIconFollowsTheTaskbarsScaleNotTheMessages)
{
    engineState().settings.Quenby_Stat = 1;
    updateTray(true);
    const auto iconWidth = [&] {
        ICONINFO parts{};
        if (!GetIconInfo(host_->tray().icon(), &parts))
            return 0L;
        const win32::UniqueBitmap colour(parts.hbmColor), mask(parts.hbmMask);
        BITMAP size{};
        GetObjectW(parts.hbmColor, sizeof size, &size);
        return size.bmWidth;
    };
    const long system = GetSystemMetrics(SM_CXSMICON);
    ASSERT_EQ(iconWidth(), system);
    ASSERT_NE(GetSystemMetricsForDpi(SM_CXSMICON, 192), system) << "Wine gave no other size for another scale";
    for (const auto& [message, dpi] : {std::pair<UINT, UINT>{WM_DPICHANGED, 192}, {WM_DISPLAYCHANGE, 0},
                                       {WM_DPICHANGED, 144}}) {
        RECT suggested{0, 0, 100, 100};
        SendMessageW(test::engineWindow(), message, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(iconWidth(), system) << message << " " << dpi;
    }
}

TEST_F(EngineHostInProcess, TheQuestionBoxConfirmsOnlyOnYesAndTheErrorBoxHasOneButton)
{
    for (const int button : {IDYES, IDNO}) {
        DialogAnswerer answer(button);
        EXPECT_EQ(host_->confirm(text(IDS_CONFIRM_SHUTDOWN), text(IDS_CONFIRM)), button == IDYES);
        expectBox(answer, L"Confirm", L"Do you want to shutdown your computer now?", {IDYES, IDNO}, IDI_QUESTION);
    }
    DialogAnswerer answer(IDOK);
    host_->showError(u"CreateProcess failed (2).", u"Error");
    expectBox(answer, L"Error", L"CreateProcess failed (2).", {IDOK}, IDI_ERROR);
}

// The texts Windows picks follow the user's display language, and the menu and
// the boxes read the way those texts do. The suite runs once more under Arabic
// and under Hebrew; QUENBY_EXPECT_LANGUAGE then names the language it must see.
TEST_F(EngineHostInProcess, TheMenuAndTheBoxesReadTheWayOfTheTextsLanguage)
{
    const char* name = std::getenv("QUENBY_EXPECT_LANGUAGE");
    const std::string language = name ? name : "";
    const bool rtl = language == "ar" || language == "he" || language == "fa";
    ASSERT_EQ(host_->loadString(IDS_CLOSE), translatedString(IDS_CLOSE, language)) << "not the texts of " << language;
    EXPECT_EQ(host_->loadString(IDS_TIP_TITLE), translatedString(IDS_TIP_TITLE, language));

    host_->tray().buildMenu(trayMenuItems());
    const HMENU menu = rightClickMenu().handle;
    ASSERT_TRUE(IsMenu(menu));
    host_->tray().setMenuItemText(IDM_ENABLE, u"x"); // relabelled, it keeps its order
    const UINT wanted = rtl ? MFT_RIGHTORDER | MFT_RIGHTJUSTIFY : 0;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
        EXPECT_EQ(info.fType & (MFT_RIGHTORDER | MFT_RIGHTJUSTIFY), wanted) << position;
    }

    DialogAnswerer answer(IDNO);
    host_->confirm(text(IDS_CONFIRM_RESTART), text(IDS_CONFIRM));
    const test::DialogSeen& seen = answer.seen();
    ASSERT_TRUE(seen.found);
    // The box in the language's words. Whether it reads right to left Wine
    // cannot show: its message box takes MB_RTLREADING and MB_RIGHT without
    // changing the box's or the text's style.
    EXPECT_EQ(seen.text, wide(translatedString(IDS_CONFIRM_RESTART, language)));
}

TEST_F(EngineHostInProcess, TheWindowIsAHiddenTopLevelWindowOfTheEngineClass)
{
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"TQuenbyEngine", &type));
    EXPECT_EQ(type.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(type.cbClsExtra, 0);
    EXPECT_EQ(type.cbWndExtra, 0);
    EXPECT_EQ(type.hIcon, nullptr);
    EXPECT_EQ(type.hIconSm, nullptr);
    EXPECT_EQ(type.hCursor, LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(type.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EXPECT_EQ(type.lpszMenuName, nullptr);

    const HWND window = test::engineWindow();
    wchar_t text[64] = {};
    GetClassNameW(window, text, 64);
    EXPECT_EQ(std::wstring(text), L"TQuenbyEngine");
    GetWindowTextW(window, text, 64);
    EXPECT_EQ(std::wstring(text), L"Harlowe Quenby Pro");
    // The system adds clipping of siblings to every top-level window, and the
    // edge to every overlapped one; nothing else may be there.
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & ~WS_CLIPSIBLINGS, WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow()); // top-level, not message-only
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(window), nullptr);
}

TEST_F(EngineHostInProcess, TheTrayFollowsALightOrDarkSwitchAnnouncedAsImmersiveColorSet)
{
    // Windows 10 and 11 send WM_SETTINGCHANGE with this text when the user
    // switches the taskbar between light and dark; other areas leave it alone.
    EngineState& s = engineState();
    s.settings.TrayIconTextColor = 2; // by the taskbar
    const HWND window = FindWindowW(L"TQuenbyEngine", L"Harlowe Quenby Pro");
    ASSERT_NE(window, nullptr);
    auto personalize = registry_->registry().createKey(kPersonalizeKey);
    ASSERT_TRUE(personalize);
    const struct {
        const wchar_t* area;
        DWORD light;
        bool dark;
    } steps[] = {{L"ImmersiveColorSet", 1, false}, {L"Environment", 0, false},
                 {L"intl", 0, false}, {L"ImmersiveColorSet", 0, true}};
    for (const auto& step : steps) {
        personalize->setValue(kLightThemeValue, os::RegType::dword, &step.light, sizeof step.light);
        SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(step.area));
        EXPECT_EQ(s.settings.darkTheme, step.dark) << "step " << (&step - steps);
    }
    // Nothing to read: the message says nothing, and nothing changes.
    SendMessageW(window, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_TRUE(s.settings.darkTheme);
    personalize->deleteValue(kLightThemeValue);
}

SIZE_T workingSet()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

TEST_F(EngineHostInProcess, ABlockIsOneMegabyteOfTheHeapWithEveryPageWrittenAndGoesBackWhenReleased)
{
    constexpr int kBlocks = 64;
    constexpr SIZE_T kMiB = 1 << 20;
    const SIZE_T before = workingSet();
    std::vector<void*> blocks;
    for (int i = 0; i < kBlocks; ++i) {
        void* block = host_->obtainBlock();
        ASSERT_NE(block, nullptr);
        blocks.push_back(block);
    }
    // A page counts in the working set only once written: every one of them was.
    const SIZE_T held = workingSet();
    EXPECT_GE(held, before + kBlocks * kMiB - kMiB) << before / 1024 << " KB before, " << held / 1024 << " KB held";
    for (void* block : blocks) {
        EXPECT_EQ(_msize(block), kMiB); // the C runtime's heap, exactly 1 MiB
        const auto* bytes = static_cast<const unsigned char*>(block);
        for (SIZE_T page = 0; page < kMiB; page += 4096)
            ASSERT_EQ(bytes[page], 1) << "page at " << page;
    }
    for (void* block : blocks)
        host_->releaseBlock(block);
    const SIZE_T after = workingSet();
    EXPECT_LE(after, before + kMiB) << after / 1024 << " KB after release";
}

// PlaySoundW as the host calls it, seen through this program's import slot of
// it and passed on to the real one: Wine here has no wave device, so what the
// host passes is all there is to see (on a machine with one, the sound plays).
extern "C" decltype(&PlaySoundW) __imp_PlaySoundW;

struct SoundCall {
    std::wstring name;
    HMODULE module = nullptr;
    DWORD flags = ~0u;
    BOOL result = FALSE;
    int count = 0;
};
SoundCall soundCall;
decltype(&PlaySoundW) realPlaySound = nullptr;

BOOL WINAPI recordPlaySound(LPCWSTR name, HMODULE module, DWORD flags)
{
    soundCall.name = name ? name : L"";
    soundCall.module = module;
    soundCall.flags = flags;
    soundCall.result = realPlaySound(name, module, flags);
    ++soundCall.count;
    return soundCall.result;
}

// Points an import slot of this program at `with` for as long as it lives,
// keeping the function that was there in `real` for the stand-in to call on.
template <typename Function>
class ImportSlotSwap {
public:
    ImportSlotSwap(Function& slot, Function with, Function& real) : slot_(slot), real_(real) { real_ = set(with); }
    ~ImportSlotSwap() { set(real_); }
    ImportSlotSwap(const ImportSlotSwap&) = delete;
    ImportSlotSwap& operator=(const ImportSlotSwap&) = delete;

private:
    Function set(Function with)
    {
        DWORD protection = 0;
        VirtualProtect(&slot_, sizeof with, PAGE_READWRITE, &protection);
        const Function old = slot_;
        slot_ = with;
        VirtualProtect(&slot_, sizeof with, protection, &protection);
        return old;
    }
    Function& slot_;
    Function& real_;
};

// A wave file of 10 ms of silence, 8 kHz, 8-bit mono.
void writeWave(const std::wstring& path)
{
    std::vector<unsigned char> wave = {'R', 'I', 'F', 'F', 116, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                       16, 0, 0, 0, 1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0,
                                       1, 0, 8, 0, 'd', 'a', 't', 'a', 80, 0, 0, 0};
    wave.insert(wave.end(), 80, 128);
    const test::UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ASSERT_TRUE(file && WriteFile(file.get(), wave.data(), static_cast<DWORD>(wave.size()), &written, nullptr));
}

TEST_F(EngineHostInProcess, TheAlarmIsPlayedSynchronouslyByNameWithTheProgramsInstance)
{
    const std::wstring path = tempPath(L"quenby-alarm-", L".wav");
    writeWave(path);
    const RemoveWhenDone remove{path, false};

    soundCall = {};
    {
        ImportSlotSwap<decltype(&PlaySoundW)> spy(__imp_PlaySoundW, recordPlaySound, realPlaySound);
        host_->playSound(std::u16string(path.begin(), path.end()));
    }
    ASSERT_EQ(soundCall.count, 1);
    EXPECT_EQ(soundCall.name, path);
    EXPECT_EQ(soundCall.module, GetModuleHandleW(nullptr));
    EXPECT_EQ(soundCall.flags, 0u); // synchronous; an alias, else a file name
    if (waveOutGetNumDevs() > 0) {
        EXPECT_TRUE(soundCall.result);
    }
    std::printf("PlaySoundW of a real wave file gave %d with %u wave devices\n", soundCall.result,
                waveOutGetNumDevs());
}

// The WM_HOTKEY messages that reach this thread's queue from the presses so far.
// The input queue posts them while SendInput runs, so a message of our own
// posted afterwards comes behind every one of them.
std::vector<MSG> hotKeysArrived()
{
    const HWND window = test::engineWindow();
    PostMessageW(window, WM_APP + 7, 0, 0);
    std::vector<MSG> arrived;
    bool marker = false;
    // The marker is in the queue already: the limit only guards a broken queue.
    const ULONGLONG end = GetTickCount64() + 10000;
    while (!marker && GetTickCount64() < end) {
        MSG message{};
        while (!marker && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_HOTKEY)
                arrived.push_back(message);
            marker = message.message == WM_APP + 7 && message.hwnd == window;
            DispatchMessageW(&message);
        }
        if (!marker)
            Sleep(10);
    }
    EXPECT_TRUE(marker);
    return arrived;
}

// Ctrl+Alt+key pressed as a user would, through the system's input queue.
void pressCtrlAlt(WORD key)
{
    std::vector<INPUT> inputs;
    const auto add = [&](WORD vk, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    add(VK_CONTROL, 0);
    add(VK_MENU, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    add(VK_MENU, KEYEVENTF_KEYUP);
    add(VK_CONTROL, KEYEVENTF_KEYUP);
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
}

// RegisterHotKey as the host calls it, seen through this program's import slot
// and passed on to the real one. Wine 8 ignores MOD_NOREPEAT (a held key gives
// a WM_HOTKEY per repeat there), so the flag can only be seen at the call.
extern "C" decltype(&RegisterHotKey) __imp_RegisterHotKey;
std::vector<UINT> hotKeyModifiersAsked;
decltype(&RegisterHotKey) realRegisterHotKey = nullptr;

BOOL WINAPI recordRegisterHotKey(HWND window, int id, UINT modifiers, UINT key)
{
    hotKeyModifiersAsked.push_back(modifiers);
    return realRegisterHotKey(window, id, modifiers, key);
}


// Wine keeps one hot key per window and id, so there the second key, which
// shares id 0, replaces the first (Windows keeps both): this case uses one.
TEST_F(EngineHostInProcess, ALowercaseLetterIsTheLettersKeyWithoutRepeatAndAPressReachesTheHandler)
{
    EngineState& s = engineState();
    s.settings.Hotkey1 = 0;
    s.settings.Hotkey2 = 'r'; // 0x72, which as a key code would be F3
    s.settings.Quenby_Stat = 0;
    hotKeyModifiersAsked.clear();
    {
        ImportSlotSwap<decltype(&RegisterHotKey)> spy(__imp_RegisterHotKey, recordRegisterHotKey, realRegisterHotKey);
        registerHotKeys();
    }
    EXPECT_EQ(hotKeyModifiersAsked, std::vector<UINT>{MOD_ALT | MOD_CONTROL | MOD_NOREPEAT});
    // Ctrl+Alt+R is taken, with no other modifiers; F3 is not.
    EXPECT_FALSE(RegisterHotKey(nullptr, 7, MOD_ALT | MOD_CONTROL, 'R'));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
    for (const auto& [modifiers, key] : {std::pair<UINT, UINT>{MOD_ALT, 'R'}, {MOD_CONTROL, 'R'},
                                         {MOD_ALT | MOD_CONTROL | MOD_SHIFT, 'R'},
                                         {MOD_ALT | MOD_CONTROL, VK_F3}}) {
        EXPECT_TRUE(RegisterHotKey(nullptr, 7, modifiers, key)) << modifiers << " " << key;
        UnregisterHotKey(nullptr, 7);
    }

    // A press arrives at the engine window with id 0, Ctrl+Alt (no repeat flag)
    // and the R key, and switches the optimizer on.
    pressCtrlAlt('R');
    const std::vector<MSG> arrived = hotKeysArrived();
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived[0].hwnd, test::engineWindow());
    EXPECT_EQ(arrived[0].wParam, 0u);
    EXPECT_EQ(arrived[0].lParam, MAKELPARAM(MOD_ALT | MOD_CONTROL, 'R'));
    EXPECT_EQ(s.settings.Quenby_Stat, 1u);

    host_->unregisterHotKeys();
    EXPECT_TRUE(RegisterHotKey(nullptr, 7, MOD_ALT | MOD_CONTROL, 'R')) << "still taken";
    UnregisterHotKey(nullptr, 7);
}

// The layout check as both programs use it, on the layout Wine gives every
// thread (US English).
TEST(HotKeyLayout, LettersOfBothCasesAreTheirKeyAndAMissingCharacterIsRefused)
{
    const struct {
        char16_t character;
        os::HotKeyVerdict verdict;
        std::uint32_t key;
    } cases[] = {
        {u'r', os::HotKeyVerdict::usable, 'R'},
        {u'R', os::HotKeyVerdict::usable, 'R'},
        {u'a', os::HotKeyVerdict::usable, 'A'}, // not VK_NUMPAD1 (0x61)
        {u'7', os::HotKeyVerdict::usable, '7'},
        {u'!', os::HotKeyVerdict::usable, '1'}, // the key, without the Shift it needs
        {u'\u00A7', os::HotKeyVerdict::notOnLayout, 0}, // section sign: no key on a US layout
        {u'\u00E9', os::HotKeyVerdict::notOnLayout, 0},
    };
    for (const auto& c : cases) {
        const os::HotKeyChoice choice = os::ctrlAltHotKey(c.character);
        EXPECT_EQ(choice.verdict, c.verdict) << static_cast<unsigned>(c.character);
        EXPECT_EQ(choice.virtualKey, c.key) << static_cast<unsigned>(c.character);
    }
}

TEST_F(EngineHostInProcess, ASamplerThreadStoresTheCpuUsageForTheNextSample)
{
    EngineState& s = engineState();
    s.cpuUsage = -7.0; // no sampler writes this
    std::uint32_t freeMB = 0, freePercent = 0;
    std::int32_t cpu = 0;
    // The sample shows the latest finished measurement and starts the next one,
    // which measures for about a second on a thread of its own.
    EXPECT_EQ(sampleStatus(0, freeMB, freePercent, cpu), -7);
    EXPECT_EQ(s.cpuUsage.load(), -7.0) << "the measurement ran on the caller's thread";
    ASSERT_TRUE(test::pumpMessagesUntil([&] { return s.samplersAlive.load() == 0; }, 10000));
    const double stored = s.cpuUsage.load();
    EXPECT_GE(stored, 0.5); // a percentage with 0.5 added
    EXPECT_LE(stored, 101.0);
    EXPECT_EQ(sampleStatus(0, freeMB, freePercent, cpu), static_cast<std::int32_t>(stored));
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
    // Every process token of a Wine session holds it (so does an interactive
    // user's on Windows): each switch is decided, none may be refused.
    ASSERT_TRUE(shutdownPrivilege().held);
    for (const bool enable : {true, false, true, false}) {
        SCOPED_TRACE(enable ? "on" : "off");
        EXPECT_EQ(host_->setShutdownPrivilege(enable), 0u);
        const PrivilegeState after = shutdownPrivilege();
        EXPECT_TRUE(after.held);
        EXPECT_EQ(after.enabled, enable);
    }
}

TEST_F(EngineHostInProcess, RecoveriesOfTwoEnginesTakeTheMachineWideLockInTurn)
{
    // Another session's engine, played by a second host on a thread of its own
    // (the lock belongs to a thread, as it does to each engine's one thread).
    Win32EngineHost other(GetModuleHandleW(nullptr));
    auto otherTries = [&] {
        bool got = false;
        std::thread([&] {
            got = other.lockRecoveries();
            if (got)
                other.unlockRecoveries();
        }).join();
        return got;
    };
    ASSERT_TRUE(host_->lockRecoveries());
    EXPECT_FALSE(otherTries());
    host_->unlockRecoveries();
    EXPECT_TRUE(otherTries());
    // A test session is the one at the screen, told or assumed.
    EXPECT_TRUE(host_->sessionInUse());
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

// The stand-in's report (UTF-16 lines), once it has written one; it appears whole.
std::vector<std::wstring> readReport(const std::wstring& path)
{
    std::vector<std::wstring> lines;
    test::pumpMessagesUntil([&] {
        std::ifstream in(std::filesystem::path(path), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
        std::wistringstream split(text);
        for (std::wstring line; std::getline(split, line);)
            lines.push_back(line);
        return !lines.empty();
    }, 15000);
    return lines;
}

class ControlPanelLaunch : public EngineHostInProcess {
protected:
    void SetUp() override
    {
        EngineHostInProcess::SetUp();
        DeleteFileW(report_.c_str());
        SetEnvironmentVariableW(L"QUENBY_STANDIN_REPORT", report_.c_str());
    }
    void TearDown() override
    {
        SetEnvironmentVariableW(L"QUENBY_STANDIN_REPORT", nullptr);
        DeleteFileW(report_.c_str());
        EngineHostInProcess::TearDown();
    }

    const std::wstring report_ = tempPath(L"quenby-standin-", L".txt");
};

TEST_F(ControlPanelLaunch, ThePanelStartsFromTheInstallFolderWithTheArgumentRam)
{
    // Where the stand-in Quenby.exe was built: a folder with spaces in its name.
    const std::wstring folder = test::programBeside(L"panel stand-in");
    ASSERT_NE(folder.find(L' '), std::wstring::npos);
    ASSERT_NE(GetFileAttributesW((folder + L"\\Quenby.exe").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the stand-in was not built";
    storeInstallFolder(registry_->registry(), folder);

    // No message box may come: a failure would show one and block here.
    DialogAnswerer unexpected(IDOK);
    launchControlPanel();
    const test::DialogSeen& box = unexpected.seen();
    EXPECT_FALSE(box.found) << "an error box came: " << std::string(box.text.begin(), box.text.end());

    const std::vector<std::wstring> expected = {
        L"command=\"" + folder + L"\\Quenby.exe\" RAM",
        L"argument=RAM",
        L"folder=" + folder,
        L"console=own", // CREATE_NEW_CONSOLE; the normal priority class is not seen under Wine
    };
    EXPECT_EQ(readReport(report_), expected) << "the stand-in never reported, or not this";
}

TEST_F(ControlPanelLaunch, EnterOnTheIconStartsThePanelAsADoubleClickDoes)
{
    // The icon focused from the keyboard (Win+B, arrows) and Enter pressed: the
    // shell's version 4 protocol sends NIN_SELECT with the icon's id above it.
    storeInstallFolder(registry_->registry(), test::programBeside(L"panel stand-in"));
    DialogAnswerer unexpected(IDOK);
    SendMessageW(test::engineWindow(), WM_TRAYICON, 0, MAKELPARAM(NIN_SELECT, 1010));
    const std::vector<std::wstring> report = readReport(report_);
    ASSERT_FALSE(report.empty()) << "no panel was started";
    EXPECT_EQ(report[1], L"argument=RAM");
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
    expectBox(answer, L"Error", L"CreateProcess failed (206).", {IDOK}, IDI_ERROR);

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
    const std::wstring folder = test::programBeside(L"no panel here ") + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    const RemoveWhenDone remove{folder, true};
    ASSERT_EQ(GetFileAttributesW((folder + L"\\Quenby.exe").c_str()), INVALID_FILE_ATTRIBUTES);
    storeInstallFolder(registry_->registry(), folder);

    LaunchRequest request = *controlPanelLaunch(std::u16string(folder.begin(), folder.end()));
    const std::uint32_t error = host_->startProcess(request);
    EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    DialogAnswerer answer(IDOK);
    launchControlPanel();
    expectBox(answer, L"Error", L"CreateProcess failed (" + std::to_wstring(error) + L").", {IDOK}, IDI_ERROR);
}

} // namespace

// GetMessageW failing (-1) ends the loop with a code of its own, not with the
// wParam of a message; the usual end (0) gives WM_QUIT's own code.
TEST(EngineMessageLoop, AFailedGetMessageEndsTheLoopWithItsOwnCode)
{
    static int calls = 0;
    static BOOL secondResult = 0;
    const auto getMessage = [](MSG* message) -> BOOL {
        *message = MSG{};
        message->message = ++calls == 1 ? WM_NULL : WM_QUIT;
        message->wParam = calls == 1 ? 7 : 3;
        return calls == 1 ? TRUE : secondResult;
    };
    for (const auto& [result, code] : {std::pair{-1, engine::kMessageLoopFailed}, std::pair{0, 3}}) {
        calls = 0;
        secondResult = result;
        EXPECT_EQ(engine::runMessageLoopWith(getMessage), code) << result;
        EXPECT_EQ(calls, 2);
    }
}

// The process list finds a program of this session by its file name as a user
// types it; the user's own file is read whole within its bound, and a folder
// in its place is not read.
TEST(UserSession, AProgramIsFoundByNameAndTheUsersFileReadOnlyWhole)
{
    wchar_t self[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    std::u16string name = std::filesystem::path(self).stem().u16string();
    for (char16_t& c : name)
        c = static_cast<char16_t>(std::towupper(c));
    for (const auto& [list, found] : {std::pair{name, true}, std::pair{std::u16string(u"quenby-no-such-program"), false}}) {
        const ProtectedPrograms programs = parseProtectedPrograms(list);
        EXPECT_EQ(os::programRunsInSession([&](std::u16string_view n) { return programs.protects(n); }), found)
            << std::string(list.begin(), list.end());
    }

    ASSERT_TRUE(os::replaceUserFile(u"quenby-test.txt", "one\ntwo\n"));
    ASSERT_TRUE(os::replaceUserFile(u"quenby-test.txt", "three\n")); // over what is there
    EXPECT_EQ(os::readUserFile(u"quenby-test.txt", 100), std::optional<std::string>("three\n"));
    EXPECT_EQ(os::readUserFile(u"quenby-test.txt", 5), std::nullopt);
    wchar_t local[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH), 0u);
    const std::wstring folder = std::wstring(local) + L"\\Quenby\\quenby-test-folder";
    CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_EQ(os::readUserFile(u"quenby-test-folder", 100), std::nullopt);
    RemoveDirectoryW(folder.c_str());
    DeleteFileW((std::wstring(local) + L"\\Quenby\\quenby-test.txt").c_str());
}
