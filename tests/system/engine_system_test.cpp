// The engine as a real process: one per session, how it tells a running panel
// that it starts and ends, the two ways it is ended, and settings that change
// while it runs. The test plays the panel with an endpoint of the panel's
// window class and title.
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "common/os/posix/endpoint.h"
#include "common/os/session_lock.h"
#include "common/os/windowlink.h"
#include "common/text.h"
#include "engine/strings.h"
#include "tests/support/endpoint_wait.h"
#include "tests/system/system_support.h"

namespace quenby::systest {
namespace {

namespace fs = std::filesystem;
using os::posix::Endpoint;

os::WindowRef engineWindow()
{
    return os::findWindow(kEngineWindowClass, kEngineWindowTitle);
}

class EngineProcess : public SystemTest {
protected:
    // Starts the engine with the test in the panel's place, and takes its start notice.
    std::unique_ptr<Process> startSeenBy(Endpoint& panel)
    {
        EXPECT_TRUE(panel.isOpen());
        auto engine = startEngine();
        const auto started = quenby::test::waitFor(panel, 20000);
        EXPECT_TRUE(started) << "WM_QUENBY_START never arrived";
        if (started) {
            EXPECT_EQ(started->message, messageNumber(Message::QuenbyStart));
            EXPECT_EQ(started->wParam, 0u);
            EXPECT_EQ(started->lParam, 0);
        }
        return engine;
    }
};

TEST_F(EngineProcess, SecondEngineEndsAtOnceWhileTheFirstKeepsRunning)
{
    Endpoint panel(panelWindowClass(), kPanelWindowTitle);
    auto first = startSeenBy(panel);
    ASSERT_TRUE(first->running());

    Process second({enginePath()});
    ASSERT_TRUE(second.started());
    EXPECT_EQ(second.waitExit(), 0) << second.error();
    EXPECT_EQ(second.error(), "") << "a second engine should end without a word";

    // The first one is untouched: still running, still the window found, and the
    // panel heard nothing from the second one.
    EXPECT_TRUE(first->running());
    EXPECT_EQ(pidOfWindow(engineWindow().address), first->pid());
    EXPECT_FALSE(panel.receive()) << "the second engine posted to the panel";

    // And it still answers: a close ends it normally.
    ASSERT_TRUE(os::postToWindow(kEngineWindowClass, kEngineWindowTitle, kCloseMessage));
    EXPECT_EQ(first->waitExit(), 0) << first->error();
}

TEST_F(EngineProcess, AnEngineThatHoldsTheLockButHasNoWindowYetKeepsASecondOneOut)
{
    // The moment two engines started together meet in, held still: this
    // process is the one that took the lock and has no window yet.
    os::SessionLock lock(kEngineLockName);
    ASSERT_EQ(lock.tryTake(), os::SessionLock::State::held);
    Process second({enginePath()});
    EXPECT_EQ(second.waitExit(), 0) << second.error();
    EXPECT_FALSE(engineWindow());
}

// WM_CLOSE from another process (this one) and SIGTERM end it the same way.
TEST_F(EngineProcess, ClosedOrTerminatedItTellsTheRunningPanelAndEndsCleanly)
{
    for (const bool bySignal : {false, true}) {
        SCOPED_TRACE(bySignal ? "SIGTERM" : "WM_CLOSE");
        Endpoint panel(panelWindowClass(), kPanelWindowTitle);
        auto engine = startSeenBy(panel);
        const std::string socket = engineWindow().address;
        ASSERT_FALSE(socket.empty());

        ASSERT_TRUE(bySignal ? engine->signal(SIGTERM)
                             : os::postToWindow(kEngineWindowClass, kEngineWindowTitle, kCloseMessage));
        EXPECT_EQ(engine->waitExit(), 0) << engine->error();
        const auto ended = quenby::test::waitFor(panel, 20000);
        ASSERT_TRUE(ended) << "WM_QUENBY_EXIT never arrived";
        EXPECT_EQ(ended->message, messageNumber(Message::QuenbyExit));
        EXPECT_FALSE(panel.receive()) << "more than start and exit reached the panel";
        EXPECT_FALSE(engineWindow()) << "the window of an ended engine is still found";
        EXPECT_FALSE(fs::exists(fs::symlink_status(socket))) << "the engine left its socket behind";
        EXPECT_NE(engine->error().find("tray icon removed"), std::string::npos)
            << "the tray icon was not removed at the end:\n"
            << engine->error();
    }
}

// (With no panel from start to exit the notices go nowhere and it still ends
// normally: Quenbyctl.DrivesARealEngine and the Recovery cases close it so.)
TEST_F(EngineProcess, APanelThatOpensAfterTheStartHearsOnlyTheExit)
{
    auto engine = startEngine();
    Endpoint panel(panelWindowClass(), kPanelWindowTitle);
    ASSERT_TRUE(panel.isOpen());
    EXPECT_FALSE(panel.receive());
    ASSERT_TRUE(engine->signal(SIGTERM));
    EXPECT_EQ(engine->waitExit(), 0) << engine->error();
    const auto ended = quenby::test::waitFor(panel, 20000);
    ASSERT_TRUE(ended);
    EXPECT_EQ(ended->message, messageNumber(Message::QuenbyExit));
    EXPECT_FALSE(panel.receive());
}

TEST_F(EngineProcess, ChangedSettingsTakeEffectOnTheUpdateMessage)
{
    auto engine = startEngine();
    const auto update = messageNumber(Message::UpdateData);

    // Stored but not announced: nothing changes yet.
    saveSettings([](Settings& s) { s.HideTrayIcon = 1; });
    EXPECT_FALSE(engine->waitForError("tray icon removed", 1000))
        << "the engine took a change that was never announced";

    ASSERT_TRUE(os::postToWindow(kEngineWindowClass, kEngineWindowTitle, update));
    EXPECT_TRUE(engine->waitForError("tray icon removed")) << engine->error();

    saveSettings([](Settings& s) { s.HideTrayIcon = 0; });
    ASSERT_TRUE(os::postToWindow(kEngineWindowClass, kEngineWindowTitle, update));
    EXPECT_TRUE(engine->waitForError("tray icon added")) << engine->error();

    // Hot keys come from the settings too.
    saveSettings([](Settings& s) { s.Hotkey1 = 'Q'; });
    ASSERT_TRUE(os::postToWindow(kEngineWindowClass, kEngineWindowTitle, update));
    EXPECT_TRUE(engine->waitForError("hot key Ctrl+Alt+81")) << engine->error();

    EXPECT_TRUE(engine->running());
    ASSERT_TRUE(os::postToWindow(kEngineWindowClass, kEngineWindowTitle, kCloseMessage));
    EXPECT_EQ(engine->waitExit(), 0);
}

TEST_F(EngineProcess, ItSpeaksTheLanguageOfTheLocale)
{
    // LC_ALL over LC_MESSAGES over LANG, as POSIX has it; English where we
    // have no translation.
    const struct {
        const char* all;
        const char* messages;
        const char* lang;
        const char* table; // the table whose texts it shows; empty: English
    } cases[] = {
        {"", "", "de_DE.UTF-8", "de"},
        {"ja_JP.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8", "ja"},
        {"", "pt_BR.UTF-8", "de_DE.UTF-8", "pt_BR"},
        {"", "", "ar_EG.UTF-8", "ar"},
        {"", "", "ca_ES.UTF-8", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lang);
        test::ScopedEnv all("LC_ALL", c.all), messages("LC_MESSAGES", c.messages), lang("LANG", c.lang);
        auto engine = startEngine(); // until its icon is added
        // The tooltip's first line, and its second up to the figures.
        const std::string title = toUtf8(engine::translatedString(engine::IDS_TIP_TITLE, c.table));
        const std::string free = toUtf8(engine::translatedString(engine::IDS_TIP_FREE, c.table));
        EXPECT_NE(engine->error().find("tray icon added: " + title + free.substr(0, free.find('%'))),
                  std::string::npos)
            << engine->error();
        ASSERT_TRUE(os::postToWindow(kEngineWindowClass, kEngineWindowTitle, kCloseMessage));
        EXPECT_EQ(engine->waitExit(), 0);
    }
}

TEST_F(EngineProcess, ARefusedRuntimeFolderEndsItWithAFailureAndAReason)
{
    // A folder that others could write to: anyone could plant a window there.
    const fs::path folder = runtime_ / "quenby";
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms::all);
    Process engine({enginePath()});
    ASSERT_TRUE(engine.started());
    EXPECT_EQ(engine.waitExit(), 1) << engine.error();
    EXPECT_NE(engine.error().find("cannot open the engine window"), std::string::npos) << engine.error();
    EXPECT_FALSE(engineWindow());
}

// The threads of a process now, from its status.
int threadsOf(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Threads:", 0) == 0)
            return std::stoi(line.substr(8));
    }
    return -1;
}

TEST_F(EngineProcess, AFloodOfForcedUpdatesDoesNotPileUpSamplerThreads)
{
    auto engine = startEngine();
    ASSERT_TRUE(engine->running());
    // Each theme change forces a tray update, as any program of the desktop may
    // ask. As many as the queue takes, until 1,500 went in: a count, not a time,
    // so that a slow or busy machine floods the engine as much as a fast one.
    constexpr std::uint32_t kThemeChanged = 0x031A;
    int most = 0;
    long posted = 0;
    const auto giveUpFlood = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (posted < 1500 && std::chrono::steady_clock::now() < giveUpFlood) {
        for (int i = 0; i < 50; ++i)
            posted += os::postToWindow(kEngineWindowClass, kEngineWindowTitle, kThemeChanged) ? 1 : 0;
        most = std::max(most, threadsOf(engine->pid()));
    }
    EXPECT_GE(posted, 1500);
    // The engine's own thread, two samplers measuring, and at most one more that
    // has stored its figure and is on its way out.
    EXPECT_GE(most, 1);
    EXPECT_LE(most, 4) << posted << " updates posted";
    // The flood may still fill the queue: the close waits for room.
    bool closed = false;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!closed && std::chrono::steady_clock::now() < giveUp) {
        closed = os::postToWindow(kEngineWindowClass, kEngineWindowTitle, kCloseMessage);
        if (!closed)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_TRUE(closed);
    EXPECT_EQ(engine->waitExit(), 0) << engine->error();
}

} // namespace
} // namespace quenby::systest
