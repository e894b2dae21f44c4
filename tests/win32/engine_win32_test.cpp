// The real engine under Wine, with this suite playing the control panel: a hidden
// window of the panel's class and title that records the registered messages
// the engine posts to it.
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "common/identity.h"
#include "common/os/registry.h"
#include "common/os/windowlink.h"
#include "common/sampling.h"
#include "common/settings.h"
#include "tests/support/native_registry.h"
#include "tests/win32/win32_helpers.h"

using namespace quenby;
using os::win32::wide;
using test::ChildProcess;
using test::TestWindow;

namespace {

const std::wstring kEngine = L"Quenbytray.exe";

// The control panel's main window, as far as the engine can tell.
class FakePanel {
public:
    FakePanel() : window_(wide(panelWindowClass()), wide(kPanelWindowTitle)), numbers_(registerMessages()) {}

    bool open() const { return window_.get() != nullptr; }

    // Handles the window's messages until `done` holds or the time is up.
    bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 10000)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            MSG message{};
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                Message which{};
                if (message.hwnd == window_.get() && numbers_.identify(message.message, which))
                    received.push_back(which);
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            Sleep(10);
        }
        return true;
    }

    bool receivedMessage(Message m) const { return std::find(received.begin(), received.end(), m) != received.end(); }

    std::vector<Message> received;

private:
    TestWindow window_;
    MessageNumbers numbers_;
};

bool engineFound()
{
    return static_cast<bool>(os::findWindow(kEngineWindowClass, kEngineWindowTitle));
}

// Waits until the engine's window exists (or the engine has ended).
bool waitForEngineWindow(const ChildProcess& engine)
{
    return test::pumpMessagesUntil([&] { return engineFound() || !engine.running(); }, 15000) && engineFound();
}

class EngineUnderWine : public testing::Test {
protected:
    void SetUp() override
    {
        // No engine of an earlier test may be left; every test starts clean.
        ASSERT_FALSE(engineFound());
        scope_ = test::makeNativeRegistry();
    }

    void closeEngine(ChildProcess& engine)
    {
        os::postToWindow(kEngineWindowClass, kEngineWindowTitle, kCloseMessage);
        EXPECT_EQ(engine.waitExit(15000), 0);
    }

    static void post(Message m, std::uint64_t wParam = 0)
    {
        EXPECT_TRUE(os::postToWindow(kEngineWindowClass, kEngineWindowTitle, registerMessages()[m], wParam));
    }

    std::unique_ptr<test::NativeRegistryScope> scope_;
};

TEST_F(EngineUnderWine, AnnouncesItsStartAndItsExitToTheRunningPanel)
{
    FakePanel panel;
    ASSERT_TRUE(panel.open());
    ChildProcess engine(test::programBeside(kEngine), L"");
    ASSERT_TRUE(engine.started());
    EXPECT_TRUE(panel.pumpUntil([&] { return panel.receivedMessage(Message::QuenbyStart); }));
    ASSERT_TRUE(waitForEngineWindow(engine));
    // Found by class and title, yet never shown.
    EXPECT_FALSE(IsWindowVisible(FindWindowW(wide(kEngineWindowClass).c_str(), wide(kEngineWindowTitle).c_str())));

    // WM_CLOSE from another process ends it through the whole shutdown.
    os::postToWindow(kEngineWindowClass, kEngineWindowTitle, kCloseMessage);
    EXPECT_TRUE(panel.pumpUntil([&] { return panel.receivedMessage(Message::QuenbyExit); }));
    EXPECT_EQ(engine.waitExit(15000), 0);
    EXPECT_FALSE(engineFound());
    EXPECT_EQ(panel.received, (std::vector<Message>{Message::QuenbyStart, Message::QuenbyExit}));
}

TEST_F(EngineUnderWine, ASecondEngineEndsAtOnceAndTheFirstRunsOn)
{
    ChildProcess first(test::programBeside(kEngine), L"");
    ASSERT_TRUE(waitForEngineWindow(first));
    ChildProcess second(test::programBeside(kEngine), L"");
    ASSERT_TRUE(second.started());
    EXPECT_EQ(second.waitExit(15000), 0);
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(engineFound());
    closeEngine(first);
}

TEST_F(EngineUnderWine, TwoEnginesStartedAtTheSameMomentLeaveOne)
{
    // Both held at their first instruction and let go together, so that both
    // look for a window before either has made one: the lock decides.
    for (int round = 0; round < 20; ++round) {
        ChildProcess a(test::programBeside(kEngine), L"", CREATE_SUSPENDED);
        ChildProcess b(test::programBeside(kEngine), L"", CREATE_SUSPENDED);
        ASSERT_TRUE(a.started() && b.started())
            << "round " << round << ": CreateProcessW failed with " << a.startError() << " and " << b.startError();
        a.resume();
        b.resume();
        // One of them ends at once with 0; the other makes its window.
        ASSERT_TRUE(test::pumpMessagesUntil([&] { return !a.running() || !b.running(); }, 15000))
            << "round " << round << ": both engines stay";
        ChildProcess& left = a.running() ? a : b;
        ChildProcess& ended = a.running() ? b : a;
        EXPECT_EQ(ended.waitExit(0), 0) << "round " << round;
        ASSERT_TRUE(waitForEngineWindow(left)) << "round " << round;
        closeEngine(left);
    }
}

TEST_F(EngineUnderWine, AnEngineThatHoldsTheLockButHasNoWindowYetKeepsASecondOneOut)
{
    // The moment of the race, held still: this process is the engine that won
    // the lock and has not made its window yet. Two real starts meet in that
    // moment only now and then (without the lock, once in 20 rounds here).
    const std::wstring name = L"Local\\" + wide(kEngineWindowClass);
    const os::win32::UniqueHandle held(CreateMutexW(nullptr, TRUE, name.c_str()));
    ASSERT_TRUE(held);
    ChildProcess second(test::programBeside(kEngine), L"");
    EXPECT_EQ(second.waitExit(15000), 0);
    EXPECT_FALSE(engineFound());
    ReleaseMutex(held.get());
}

TEST_F(EngineUnderWine, ALockLeftByAnEngineThatDiedIsTakenOver)
{
    // A thread that takes the lock and ends without letting go, as an engine
    // that crashed would; this process keeps the lock object alive meanwhile.
    const std::wstring name = L"Local\\" + wide(kEngineWindowClass);
    const os::win32::UniqueHandle kept(CreateMutexW(nullptr, FALSE, name.c_str()));
    ASSERT_TRUE(kept);
    std::thread([&] { ASSERT_EQ(WaitForSingleObject(kept.get(), 0), WAIT_OBJECT_0); }).join();

    ChildProcess engine(test::programBeside(kEngine), L"");
    ASSERT_TRUE(waitForEngineWindow(engine)) << "the engine refused an abandoned lock";
    closeEngine(engine);
}

TEST_F(EngineUnderWine, ASettingsChangeTakesEffectAfterTheNotification)
{
    // Whether the engine holds Ctrl+Alt plus the key: this process can't have it then.
    const auto engineHolds = [](UINT key) {
        if (!RegisterHotKey(nullptr, 7, MOD_ALT | MOD_CONTROL, key))
            return true;
        UnregisterHotKey(nullptr, 7);
        return false;
    };
    Settings settings;
    readSettings(os::currentUserRegistry(), settings, totalPhysicalMB(), Deliverable::panel);
    settings.Hotkey1 = 'w';
    writeSettings(os::currentUserRegistry(), settings);
    ChildProcess engine(test::programBeside(kEngine), L"");
    ASSERT_TRUE(waitForEngineWindow(engine));
    // Holding Ctrl+Alt+W, it has read its settings.
    ASSERT_TRUE(test::pumpMessagesUntil([&] { return engineHolds('W'); }, 15000));

    // The panel's way: write everything, then tell the engine. Written but not
    // yet told, the engine goes on with what it read.
    settings.Hotkey1 = 'q';
    writeSettings(os::currentUserRegistry(), settings);
    test::pumpMessagesUntil([] { return false; }, 1500);
    EXPECT_FALSE(engineHolds('Q'));
    post(Message::UpdateData);
    EXPECT_TRUE(test::pumpMessagesUntil([&] { return engineHolds('Q'); }, 15000));
    EXPECT_FALSE(engineHolds('W'));
    closeEngine(engine);
}

TEST_F(EngineUnderWine, ARequestAboveTheCeilingAllocatesNothing)
{
    const std::uint32_t total = totalPhysicalMB();
    const std::uint32_t avail = availablePhysicalMB();
    std::printf("total %u MB, available %u MB, ceiling %u MB\n", total, avail, total / 4 * 3);
    if (avail < total / 4 * 3 + 256)
        GTEST_SKIP() << "this machine has too little free memory to be above the ceiling";

    ChildProcess engine(test::programBeside(kEngine), L"");
    ASSERT_TRUE(waitForEngineWindow(engine));
    post(Message::StartDefragRAM, 300);
    Sleep(1500);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ASSERT_TRUE(GetProcessMemoryInfo(engine.handle(), &counters, sizeof counters));
    std::printf("engine peak working set %llu KB\n",
                static_cast<unsigned long long>(counters.PeakWorkingSetSize / 1024));
    if (counters.PeakWorkingSetSize == 0)
        GTEST_SKIP() << "this Wine reports no working set for other processes";
    EXPECT_LT(counters.PeakWorkingSetSize, 64u << 20);
    EXPECT_TRUE(engine.running());
    closeEngine(engine);
}

// The threads of a process now.
int threadsOf(DWORD pid)
{
    const test::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot || snapshot.get() == INVALID_HANDLE_VALUE)
        return -1;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry))
        count += entry.th32OwnerProcessID == pid;
    return count;
}

TEST_F(EngineUnderWine, AFloodOfThemeChangesDoesNotPileUpSamplerThreads)
{
    ChildProcess engine(test::programBeside(kEngine), L"");
    ASSERT_TRUE(waitForEngineWindow(engine));
    const DWORD pid = GetProcessId(engine.handle());
    // What the process has besides samplers: its least over two idle seconds,
    // when at most one sampler is measuring now and then.
    int idle = threadsOf(pid);
    for (int i = 0; i < 20; ++i, Sleep(100))
        idle = std::min(idle, threadsOf(pid));
    ASSERT_GT(idle, 0);

    // Any program of the desktop may post WM_THEMECHANGED; each forces an update.
    HWND window = FindWindowW(wide(kEngineWindowClass).c_str(), wide(kEngineWindowTitle).c_str());
    int most = 0;
    long posted = 0;
    // A count, not a time, so that a busy machine floods it as much as a quiet one.
    const ULONGLONG giveUp = GetTickCount64() + 60000;
    while (posted < 1500 && GetTickCount64() < giveUp) {
        for (int i = 0; i < 50; ++i)
            posted += PostMessageW(window, WM_THEMECHANGED, 0, 0) ? 1 : 0;
        most = std::max(most, threadsOf(pid));
    }
    EXPECT_GE(posted, 1500);
    // Two samplers measuring, and at most one more on its way out.
    EXPECT_LE(most, idle + 3) << posted << " posted, " << idle << " threads when idle";
    closeEngine(engine);
}

TEST(EngineResources, TheStringTableHoldsTheTextsTheUserSees)
{
    const std::pair<unsigned, std::wstring> table[] = {
        {104, L"Restart Windows"}, {105, L"Suspend Windows"}, {106, L"Shutdown Windows"}, {107, L"Clear Clipboard"},
        {108, L"Free-up RAM Manually\n"}, {110, L"Configuration..."}, {111, L"Disable RAM Optimizer"},
        {112, L"Enable RAM Optimizer"}, {113, L"Close RAM Optimizer"},
        {114, L"Do you want to restart your computer now?"}, {115, L"Do you want to suspend your computer now?"},
        {116, L"Do you want to shutdown your computer now?"}, {117, L"Confirm"}, {118, L"RAM Optimizer\n"},
        {119, L"Free RAM: %1 MB (%2%)\n"}, {121, L"CPU Usage: %1%"}, {122, L"CreateProcess failed (%1)."},
        {123, L"Error"}, {124, L"RAM Optimizer"}, {125, L"Recovered %1 MB, %2 MB free now"},
        {126, L"No RAM could be recovered"},
        {109, L""}, {120, L""}, // gaps in the numbering stay empty
    };
    const std::wstring path = test::programBeside(kEngine);
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    for (const auto& [id, expected] : table) {
        wchar_t buffer[100] = {};
        const int length = LoadStringW(module, id, buffer, 100);
        EXPECT_EQ(std::wstring(buffer, static_cast<std::size_t>(length)), expected) << id;
    }
    FreeLibrary(module);
}

} // namespace
