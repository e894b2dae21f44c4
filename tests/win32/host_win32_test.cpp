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
#include <malloc.h>
#include <memory>
#include <ostream>
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
        // A forced update starts a CPU sampler that measures for about a second;
        // it must not write into the next test's state.
        EXPECT_TRUE(test::pumpMessagesUntil([] { return engineState().samplersAlive.load() == 0; }));
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
    ASSERT_TRUE(IsMenu(menu()));
    const std::vector<MenuEntry> expected = {
        {201, false, L"Restart Windows"},
        {202, false, L"Suspend Windows"},
        {203, false, L"Shutdown Windows"},
        {0, true, L""},
        {204, false, L"Clear Clipboard"},
        {0, true, L""},
        {207, false, L"Free-up RAM Manually\n"}, // the line feed of the string table stays
        {0, true, L""},
        {208, false, L"Configuration..."},
        {209, false, L"Disable RAM Optimizer"},
        {210, false, L"Close RAM Optimizer"},
    };
    EXPECT_EQ(readMenu(menu()), expected);
}

TEST_F(EngineHostInProcess, TheEnableItemFollowsTheStateAndOtherLabelsStay)
{
    EngineState& s = engineState();
    s.settings.Quenby_Stat = 0;
    host_->buildTrayMenu(trayMenuItems());
    EXPECT_EQ(labelOf(menu(), IDM_ENABLE), L"Enable RAM Optimizer");
    const std::vector<MenuEntry> before = readMenu(menu());

    toggleEngineEnabled();
    EXPECT_EQ(s.settings.Quenby_Stat, 1u);
    EXPECT_EQ(labelOf(menu(), IDM_ENABLE), L"Disable RAM Optimizer");
    toggleEngineEnabled();
    EXPECT_EQ(labelOf(menu(), IDM_ENABLE), L"Enable RAM Optimizer");
    // Relabelling keeps the entry where it was, with its id and type.
    EXPECT_EQ(readMenu(menu()), before);
}

TEST_F(EngineHostInProcess, ALabelForAnIdNotInTheMenuChangesNothing)
{
    host_->buildTrayMenu(trayMenuItems());
    const std::vector<MenuEntry> before = readMenu(menu());
    // 205 and 206 are relabelled at every start-up, yet are not in the menu.
    host_->setMenuItemText(IDM_FREEUP_X, u"Free 100 MB");
    host_->setMenuItemText(IDM_FREEUP_Y, u"Free 200 MB");
    EXPECT_EQ(GetMenuState(menu(), IDM_FREEUP_X, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(readMenu(menu()), before);
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

    const HWND window = host_->window();
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

class ImportSlotSwap {
public:
    ImportSlotSwap() { swap(recordPlaySound, &realPlaySound); }
    ~ImportSlotSwap() { swap(realPlaySound, nullptr); }
    ImportSlotSwap(const ImportSlotSwap&) = delete;
    ImportSlotSwap& operator=(const ImportSlotSwap&) = delete;

private:
    static void swap(decltype(&PlaySoundW) with, decltype(&PlaySoundW)* old)
    {
        DWORD protection = 0;
        VirtualProtect(&__imp_PlaySoundW, sizeof with, PAGE_READWRITE, &protection);
        if (old)
            *old = __imp_PlaySoundW;
        __imp_PlaySoundW = with;
        VirtualProtect(&__imp_PlaySoundW, sizeof with, protection, &protection);
    }
};

// A wave file of 10 ms of silence, 8 kHz, 8-bit mono.
void writeWave(const std::wstring& path)
{
    std::vector<unsigned char> wave;
    const auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wave.push_back(static_cast<unsigned char>(value >> (8 * i)));
    };
    const auto tag = [&](const char* four) { wave.insert(wave.end(), four, four + 4); };
    tag("RIFF"), put(36 + 80, 4), tag("WAVE"), tag("fmt "), put(16, 4), put(1, 2), put(1, 2);
    put(8000, 4), put(8000, 4), put(1, 2), put(8, 2), tag("data"), put(80, 4);
    wave.insert(wave.end(), 80, 128);
    const test::UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ASSERT_TRUE(file && WriteFile(file.get(), wave.data(), static_cast<DWORD>(wave.size()), &written, nullptr));
}

TEST_F(EngineHostInProcess, TheAlarmIsPlayedSynchronouslyByNameWithTheProgramsInstance)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"quenby-alarm-" + std::to_wstring(GetCurrentProcessId()) + L".wav";
    writeWave(path);
    struct Remove {
        std::wstring path;
        ~Remove() { DeleteFileW(path.c_str()); }
    } remove{path};

    soundCall = {};
    {
        ImportSlotSwap spy;
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

// Presses a key combination as a user would, through the system's input queue.
void press(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
}

TEST_F(EngineHostInProcess, TheHotKeyIsCtrlAltOnTheEngineWindowAndAPressReachesTheHandler)
{
    EngineState& s = engineState();
    s.settings.Hotkey1 = VK_F13;
    s.settings.Hotkey2 = VK_F14;
    s.settings.Quenby_Stat = 0;
    registerHotKeys();
    // Wine keeps one hot key per window and id, so there the second key, which
    // shares id 0, replaces the first (Windows keeps both). Ctrl+Alt+F14 is
    // taken, and with no other modifiers.
    EXPECT_FALSE(RegisterHotKey(nullptr, 7, MOD_ALT | MOD_CONTROL, VK_F14));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
    for (const UINT other : {MOD_ALT, MOD_CONTROL, MOD_ALT | MOD_CONTROL | MOD_SHIFT}) {
        EXPECT_TRUE(RegisterHotKey(nullptr, 7, other, VK_F14)) << other;
        UnregisterHotKey(nullptr, 7);
    }

    // A press arrives at the engine window with id 0 and switches the optimizer on.
    press({VK_CONTROL, VK_MENU, VK_F14});
    MSG hotKey{};
    const ULONGLONG end = GetTickCount64() + 5000;
    while (hotKey.message != WM_HOTKEY && GetTickCount64() < end) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_HOTKEY)
                hotKey = message;
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    ASSERT_EQ(hotKey.message, static_cast<UINT>(WM_HOTKEY));
    EXPECT_EQ(hotKey.hwnd, host_->window());
    EXPECT_EQ(hotKey.wParam, 0u);
    EXPECT_EQ(hotKey.lParam, MAKELPARAM(MOD_ALT | MOD_CONTROL, VK_F14));
    EXPECT_EQ(s.settings.Quenby_Stat, 1u);

    host_->unregisterHotKeys();
    EXPECT_TRUE(RegisterHotKey(nullptr, 7, MOD_ALT | MOD_CONTROL, VK_F14)) << "still taken";
    UnregisterHotKey(nullptr, 7);
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
        L"console=own", // CREATE_NEW_CONSOLE; the normal priority class is not seen under Wine
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
