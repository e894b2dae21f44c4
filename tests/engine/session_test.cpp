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
        host.seed(u"FreeonStartup", 1);
        resetEngineState(host, host.registry);
        host.avail = 1000;
        engineState().messages = registerMessages();
        setupEngine();
        engineState().settings.Quenby_Stat = 1;
        engineState().settings.MinimumFreeRAM = 2048;
        engineState().settings.TargetFreeRAM = 4096;
        host.passBlocks.clear();
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

// While a full-screen program, a game or a presentation has the screen, the
// low-memory, interval and start-up rules wait (unless the setting is off);
// what the user asks for still runs, and the start-up recovery comes once the
// screen is free.
TEST_F(Session, TheAutomaticRulesWaitWhileAFullScreenProgramRuns)
{
    struct Case {
        const char* name;
        std::uint32_t setting; // PauseWhileFullScreen
        bool fullScreen;
        bool recovers;
    };
    const Case cases[] = {
        {"full screen", 1, true, false},
        {"any value but 0 pauses", 7, true, false},
        {"the setting off", 0, true, true},
        {"nothing in full screen", 1, false, true},
    };
    for (const Case& c : cases) {
        start(true);
        engineState().settings.PauseWhileFullScreen = c.setting;
        host.fullScreen = c.fullScreen;
        engineState().settings.MinimumFreeRAM = 100; // no shortage: the interval rule alone
        engineState().settings.Freeeverymin_Val2 = 2;
        engineState().settings.Freeeverymin_Val1 = 3000; // above what is free: a pass would run
        engineState().settings.FreeonStartup_val1 = 3000;
        engineState().autoTicks = 2;
        onPeriodicTimer();
        EXPECT_EQ(!host.passBlocks.empty(), c.recovers) << c.name << ": interval";
        EXPECT_EQ(engineState().autoTicks, c.recovers ? 0u : 2u) << c.name;
        engineState().settings.MinimumFreeRAM = 2048; // a shortage: the low-memory rule
        host.passBlocks.clear();
        onPeriodicTimer();
        EXPECT_EQ(!host.passBlocks.empty(), c.recovers) << c.name << ": shortage";
        host.passBlocks.clear();
        host.timers.at(TimerId::startup).second();
        EXPECT_EQ(!host.passBlocks.empty(), c.recovers) << c.name << ": start-up";
        EXPECT_EQ(host.timers.count(TimerId::startup), c.recovers ? 0u : 1u) << c.name;
    }

    // The user's own request runs; the start-up recovery, put off, comes once
    // the screen is free.
    start(true);
    engineState().settings.FreeonStartup_val1 = 3000;
    host.fullScreen = true;
    host.timers.at(TimerId::startup).second();
    EXPECT_TRUE(host.passBlocks.empty());
    handleCommand(IDM_FREEUP_Z);
    EXPECT_FALSE(host.passBlocks.empty());
    host.fullScreen = false;
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
