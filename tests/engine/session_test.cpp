// The session rule: an engine recovers of its own accord only while its session
// is the one in use, recovers when its user asks whatever the session's state,
// and gives way while another session's recovery runs.
#include <gtest/gtest.h>

#include "engine/commands.h"
#include "engine/engine.h"
#include "engine/policy.h"
#include "engine/recovery.h"
#include "tests/engine/recording_host.h"

namespace quenby::engine {
namespace {

class Session : public testing::Test {
protected:
    // Enabled, 1000 MB free below a minimum of 2048: every tick in use recovers.
    void start(bool inUse)
    {
        host.inUse = inUse;
        host.historyFile.reset();
        host.seed(u"FreeonStartup", 1);
        resetEngineState(host, host.registry);
        host.avail = 1000;
        engineState().messages = registerMessages();
        setupEngine();
        engineState().settings.Quenby_Stat = 1;
        engineState().settings.MinimumFreeRAM = 2048;
        engineState().settings.TargetFreeRAM = 4096;
        host.passBlocks.clear();
        host.events.clear();
    }
    // A notice of WM_WTSSESSION_CHANGE after the session's state became `inUse`.
    void sessionChanged(bool inUse)
    {
        host.inUse = inUse;
        handleEngineMessage(WM_WTSSESSION_CHANGE_MESSAGE, 0, 0);
    }
    test::RecordingHost host;
};

TEST_F(Session, OnlyTheSessionInUseRecoversOfItsOwnAccord)
{
    struct Case {
        const char* name;
        bool atStart;       // in use when the engine started
        int changes;        // session changes before the tick: each flips the state
        bool recovers;
    };
    const Case cases[] = {
        {"in use", true, 0, true},
        {"switched away from, or disconnected", true, 1, false},
        {"started away, then switched back to", false, 1, true},
        {"away, back, away again", true, 3, false},
    };
    for (const Case& c : cases) {
        start(c.atStart);
        bool inUse = c.atStart;
        for (int i = 0; i < c.changes; ++i)
            sessionChanged(inUse = !inUse);
        engineState().autoTicks = 5;
        onPeriodicTimer();
        EXPECT_EQ(!host.passBlocks.empty(), c.recovers) << c.name;
        // Away, the interval rule neither counts nor resets.
        EXPECT_EQ(engineState().autoTicks, c.recovers ? 0u : 5u) << c.name;
    }
}

TEST_F(Session, AwayTheStartupRecoveryIsSkippedButTheUserIsStillObeyed)
{
    start(false);
    engineState().settings.FreeonStartup_val1 = 3000; // above what is free: a pass would run
    host.timers.at(TimerId::startup).second();
    EXPECT_TRUE(host.passBlocks.empty());
    EXPECT_EQ(host.timers.count(TimerId::startup), 0u); // once, whatever happened

    // The menu, the hot key and the request message are the user's own.
    handleCommand(IDM_FREEUP_Z);
    EXPECT_FALSE(host.passBlocks.empty());
}

// While a full-screen program, a game, a presentation or a program the user
// protects runs, the low-memory, interval and start-up rules wait (unless the
// setting is off), and the history says why; what the user asks for still
// runs, and the start-up recovery comes once the pause is over. With nothing
// protected the process list is never read.
TEST_F(Session, TheAutomaticRulesWaitWhileAFullScreenOrAProtectedProgramRuns)
{
    const std::u16string tooLong(300, u'g');
    struct Case {
        const char* name;
        std::uint32_t setting; // PauseWhileFullScreen
        bool fullScreen;
        std::u16string protectedList;
        std::vector<std::u16string> running;
        RecoveryRefusal cause; // none: the rules recover
    };
    const Case cases[] = {
        {"full screen", 1, true, u"", {}, RecoveryRefusal::fullScreen},
        {"any value but 0 pauses", 7, true, u"", {}, RecoveryRefusal::fullScreen},
        {"the setting off", 0, true, u"", {}, RecoveryRefusal::none},
        {"nothing in full screen", 1, false, u"", {}, RecoveryRefusal::none},
        {"protected, another case", 1, false, u"Game.EXE", {u"game.exe"}, RecoveryRefusal::protectedProgram},
        {"protected without .exe", 0, false, u"notes;game", {u"GAME.exe"}, RecoveryRefusal::protectedProgram},
        {"a Linux executable", 1, false, u" obs ;", {u"obs"}, RecoveryRefusal::protectedProgram},
        {"not running", 1, false, u"game.exe", {u"notepad.exe"}, RecoveryRefusal::none},
        {"a path names no program", 1, false, u"C:\\Games\\game.exe", {u"game.exe"}, RecoveryRefusal::none},
        {"longer than a file name", 1, false, tooLong, {tooLong}, RecoveryRefusal::none},
    };
    for (const Case& c : cases) {
        start(true);
        const bool recovers = c.cause == RecoveryRefusal::none;
        engineState().settings.PauseWhileFullScreen = c.setting;
        engineState().settings.PauseWhileRunning = c.protectedList;
        host.fullScreen = c.fullScreen;
        host.running = c.running;
        engineState().settings.MinimumFreeRAM = 100; // no shortage: the interval rule alone
        engineState().settings.Freeeverymin_Val2 = 2;
        engineState().settings.Freeeverymin_Val1 = 3000; // above what is free: a pass would run
        engineState().settings.FreeonStartup_val1 = 3000;
        engineState().autoTicks = 1;
        onPeriodicTimer(); // counts, not due yet: nothing is asked
        EXPECT_EQ(host.count("process list"), 0u) << c.name;
        onPeriodicTimer();
        EXPECT_EQ(!host.passBlocks.empty(), recovers) << c.name << ": interval";
        EXPECT_EQ(engineState().autoTicks, recovers ? 0u : 2u) << c.name;
        engineState().settings.MinimumFreeRAM = 2048; // a shortage: the low-memory rule
        host.passBlocks.clear();
        onPeriodicTimer();
        EXPECT_EQ(!host.passBlocks.empty(), recovers) << c.name << ": shortage";
        host.passBlocks.clear();
        host.timers.at(TimerId::startup).second();
        EXPECT_EQ(!host.passBlocks.empty(), recovers) << c.name << ": start-up";
        EXPECT_EQ(host.timers.count(TimerId::startup), recovers ? 0u : 1u) << c.name;
        if (c.protectedList.empty()) {
            EXPECT_EQ(host.count("process list"), 0u) << c.name;
        }
        if (!recovers) {
            // Each rule held once, each noted once: a pause that lasts is one entry.
            onPeriodicTimer();
            ASSERT_EQ(engineState().history.entries().size(), 3u) << c.name;
            for (const HistoryEntry& noted : engineState().history.entries())
                EXPECT_EQ(noted.refusal, c.cause) << c.name;
        }
    }

    // The user's own request runs; the start-up recovery, put off, comes once
    // the screen is free.
    start(true);
    engineState().settings.FreeonStartup_val1 = 3000;
    engineState().settings.PauseWhileRunning = u"game.exe";
    host.running = {u"game.exe"};
    host.timers.at(TimerId::startup).second();
    EXPECT_TRUE(host.passBlocks.empty());
    handleCommand(IDM_FREEUP_Z);
    EXPECT_FALSE(host.passBlocks.empty());
    host.running.clear();
    host.passBlocks.clear();
    host.timers.at(TimerId::startup).second();
    EXPECT_FALSE(host.passBlocks.empty());
    EXPECT_EQ(host.timers.count(TimerId::startup), 0u);
}

TEST_F(Session, ARecoveryGivesWayWhileAnotherSessionsRuns)
{
    start(true);
    host.recoveriesLockedElsewhere = true;
    const RecoveryOutcome refused = recoverRAM(3000, RecoveryTrigger::request);
    EXPECT_FALSE(refused.ran);
    EXPECT_FALSE(refused.passesRan);
    EXPECT_TRUE(host.passBlocks.empty());

    host.recoveriesLockedElsewhere = false;
    EXPECT_TRUE(recoverRAM(3000, RecoveryTrigger::request).passesRan);
    EXPECT_EQ(host.recoveryLocksHeld, 0); // given back when the passes ended
}

} // namespace
} // namespace quenby::engine
