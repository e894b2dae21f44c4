// The engine's recovery, policy, messages and start-up, driven through a
// recording host: the order of calls and every edge of the rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <tuple>

#include "common/identity.h"
#include "common/settings.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/policy.h"
#include "engine/recovery.h"
#include "engine/tray.h"
#include "tests/engine/recording_host.h"

using namespace quenby;
using namespace quenby::engine;
using test::RecordingHost;

namespace {

class EngineLogic : public testing::Test {
protected:
    void SetUp() override { resetEngineState(host, host.registry); }

    // The engine afresh as setupEngine leaves it, without running start-up.
    void prepare(std::uint32_t total, std::uint32_t avail)
    {
        resetEngineState(host, host.registry);
        host.total = total;
        host.avail = avail;
        EngineState& s = state();
        s.messages = registerMessages();
        setupEngine();
        // Enabled, so that the icon shows the number and its bar.
        s.settings.Quenby_Stat = 1;
        host.events.clear();
        host.passBlocks.clear();
    }

    void setMinimumAndTarget(std::uint32_t minimum, std::uint32_t target)
    {
        state().settings.MinimumFreeRAM = minimum;
        state().settings.TargetFreeRAM = target;
    }

    static EngineState& state() { return engineState(); }

    // The first pass's block count is the recovery's target (below the ceiling).
    std::uint64_t firstPass() const { return host.passBlocks.empty() ? 0 : host.passBlocks[0]; }

    RecordingHost host;
};

TEST_F(EngineLogic, LowMemoryRuleNeedsBothFiguresAndPicksItsTarget)
{
    struct Case {
        std::uint32_t minimum, target, avail;
        std::uint64_t recovery; // the target asked for; 0: the rule does not fire
    };
    const Case cases[] = {
        {2048, 4096, 1000, 4096}, // above a quarter of the minimum: the target
        {2048, 4096, 513, 4096},
        {2048, 4096, 512, 3072},  // at or below a quarter: the midpoint
        {2048, 4096, 400, 3072},
        {2048, 4096, 10, 3072},   // 10 is no longer "below 10"
        {2048, 4096, 9, 2050},    // below 10: the minimum plus 2
        {2048, 4096, 8, 2050},
        {2048, 1024, 300, 302},   // target below minimum: the midpoint wraps, recoverRAM clamps it
        {2048, 1024, 1500, 0},    // below the minimum only
        {1024, 4096, 2000, 0},    // below the target only
    };
    for (const Case& c : cases) {
        prepare(16384, c.avail);
        setMinimumAndTarget(c.minimum, c.target);
        onPeriodicTimer();
        SCOPED_TRACE(testing::Message() << c.minimum << "/" << c.target << " available " << c.avail);
        if (c.recovery == 0) {
            EXPECT_TRUE(host.passBlocks.empty());
            EXPECT_EQ(state().autoTicks, 1u); // the tick went on to the interval rule
            continue;
        }
        // The fake's free RAM never rises: three passes, each of the target.
        EXPECT_EQ(host.passBlocks, std::vector<std::uint64_t>(3, c.recovery));
        EXPECT_EQ(state().autoTicks, 0u);
    }
}

TEST_F(EngineLogic, PolicyOnlyRefreshesWhenDisabledOrAboveTheCeiling)
{
    prepare(16384, 1000);
    setMinimumAndTarget(2048, 4096);
    state().autoTicks = 17;
    state().settings.Quenby_Stat = 0;
    onPeriodicTimer();
    state().settings.Quenby_Stat = 5; // any value but 1 is disabled
    onPeriodicTimer();
    EXPECT_TRUE(host.passBlocks.empty());
    EXPECT_EQ(state().autoTicks, 17u);

    state().settings.Quenby_Stat = 1;
    host.avail = 12288; // exactly the ceiling
    onPeriodicTimer();
    EXPECT_EQ(state().autoTicks, 17u);
    // Each tick only refreshed the icon: no recovery switched it to its recovering look.
    EXPECT_EQ(host.count("render recovering 50"), 0u);
    EXPECT_EQ(host.count("tray modify"), 3u);
}

TEST_F(EngineLogic, IntervalRecoveryComesOnTheCountedTickAfterTheInterval)
{
    for (const std::uint32_t interval : {240u, 0u}) {
        prepare(16384, 6000);
        setMinimumAndTarget(2048, 4096);
        // The default of 4 minutes, held in seconds; 0 switches the rule off.
        if (interval == 0)
            state().settings.Freeeverymin_Val2 = 0;
        ASSERT_EQ(state().settings.Freeeverymin_Val2, interval);
        state().settings.Freeeverymin_Val1 = 7000; // above what is free: one pass runs

        std::vector<int> recoveryTicks;
        for (int tick = 1; tick <= 482; ++tick) {
            const std::size_t before = host.count("render recovering 50");
            onPeriodicTimer();
            if (host.count("render recovering 50") > before)
                recoveryTicks.push_back(tick);
        }
        EXPECT_EQ(recoveryTicks, (interval ? std::vector<int>{241, 482} : std::vector<int>{}));
        EXPECT_EQ(state().autoTicks, 0u);
    }
}

TEST_F(EngineLogic, AManualRecoveryRestartsTheInterval)
{
    prepare(16384, 6000);
    setMinimumAndTarget(2048, 4096);
    for (int tick = 0; tick < 200; ++tick)
        onPeriodicTimer();
    EXPECT_EQ(state().autoTicks, 200u);
    recoverRAM(state().availRAM + 64, RecoveryTrigger::request); // as the menu does
    EXPECT_EQ(state().autoTicks, 0u);
    host.events.clear();
    for (int tick = 0; tick < 240; ++tick)
        onPeriodicTimer();
    EXPECT_EQ(host.count("render recovering 50"), 0u);
    onPeriodicTimer();
    EXPECT_EQ(host.count("render recovering 50"), 1u);
}

TEST_F(EngineLogic, RequestsAreClampedToHalfTheTotalAndToTheCeiling)
{
    struct Case {
        std::uint32_t avail, request;
        std::uint64_t target;
    };
    const Case cases[] = {
        {2000, 8193, 2002},   // above half of 16384: what is free plus 2
        {2000, 8192, 8192},   // exactly half is allowed
        {12287, 9000, 12288}, // free plus 2 is 12289, above the ceiling of 12288
    };
    for (const Case& c : cases) {
        prepare(16384, c.avail);
        recoverRAM(c.request, RecoveryTrigger::request);
        EXPECT_EQ(host.passBlocks, std::vector<std::uint64_t>(3, c.target))
            << c.avail << " + " << c.request;
    }
}

// Whatever refuses a recovery is asked before the user notices anything: a
// refused one plays no alarm, clears no clipboard, shows no yellow bar and
// leaves the interval's count as it was; the history says why. One that runs
// does all of it, in this order, around its passes.
TEST_F(EngineLogic, ARefusedRecoveryCostsTheUserNothing)
{
    struct Case {
        const char* name;
        std::uint32_t avail;
        double cpu;
        bool lockedElsewhere;
        RecoveryRefusal cause; // none: it runs
    };
    const Case cases[] = {
        {"at the ceiling", 12288, 10.5, false, RecoveryRefusal::enoughFree},
        {"busy processors", 2000, 99.5, false, RecoveryRefusal::busyProcessor},
        {"no CPU sample yet", 2000, -1.0, false, RecoveryRefusal::busyProcessor},
        {"another session's recovery", 2000, 10.5, true, RecoveryRefusal::anotherSession},
        {"free to run", 2000, 10.5, false, RecoveryRefusal::none},
    };
    for (const Case& c : cases) {
        prepare(16384, c.avail);
        state().settings.PlaySound = 1;
        state().settings.Music = u"alarm.wav";
        state().settings.AutoclearClipboard = 1;
        state().cpuUsage = c.cpu;
        host.samplersFinish = false; // the value set above stays the latest
        host.recoveriesLockedElsewhere = c.lockedElsewhere;
        state().autoTicks = 99;
        host.afterPass = [&](int) { host.avail = 9000; };
        recoverRAM(c.avail + 100, RecoveryTrigger::hotKey);
        const bool runs = c.cause == RecoveryRefusal::none;
        const std::vector<std::string> ran = {"render recovering 50", "tray modify", "sound alarm.wav",
                                              "clipboard", "pass 2100", "render normal 50", "tray modify"};
        EXPECT_EQ(host.events, runs ? ran : std::vector<std::string>{}) << c.name;
        // Only one that ran starts the interval afresh.
        EXPECT_EQ(state().autoTicks, runs ? 0u : 99u) << c.name;
        const HistoryEntry& noted = state().history.entries().back();
        EXPECT_EQ(std::tuple(noted.trigger, noted.refusal, noted.freeBeforeMB, noted.freeAfterMB, noted.takenMB),
                  std::tuple(RecoveryTrigger::hotKey, c.cause, c.avail, runs ? 9000u : c.avail, runs ? 2100u : 0u))
            << c.name;
        EXPECT_FALSE(state().recovering) << c.name;
    }
}

// The history outlives a restart through the user's file; a damaged file is
// not trusted but replaced by the next entry.
TEST_F(EngineLogic, TheHistoryOutlivesARestartAndADamagedFileIsReplaced)
{
    const auto recover = [&] {
        state().cpuUsage = 10.5;
        host.samplersFinish = false;
        recoverRAM(2100, RecoveryTrigger::menu);
    };
    prepare(16384, 2000);
    recover();
    const std::deque<HistoryEntry> kept = state().history.entries();
    ASSERT_EQ(kept.size(), 1u);
    prepare(16384, 2000);
    EXPECT_EQ(state().history.entries(), kept);
    host.historyFile = *host.historyFile + "damaged";
    prepare(16384, 2000);
    EXPECT_TRUE(state().history.entries().empty());
    recover();
    EXPECT_EQ(parseHistoryFile(*host.historyFile).size(), 1u);
}

// The machine-wide lock is given way to only so long: a lock someone keeps
// through ten minutes of refusals no longer stops the recoveries; one had
// again starts the count afresh.
TEST_F(EngineLogic, ALockHeldLongerThanAnyRecoveryNoLongerStopsOne)
{
    prepare(16384, 2000);
    host.recoveriesLockedElsewhere = true;
    const std::uint64_t start = state().ticks;
    const struct {
        std::uint64_t tick;
        bool lockedElsewhere;
        bool runs;
    } steps[] = {
        {0, true, false},
        {kRecoveryLockPatienceTicks - 1, true, false},
        {kRecoveryLockPatienceTicks, true, true},
        {kRecoveryLockPatienceTicks + 5, true, true},
        {kRecoveryLockPatienceTicks + 6, false, true},
        {kRecoveryLockPatienceTicks + 7, true, false},
    };
    for (const auto& step : steps) {
        state().ticks = start + step.tick;
        host.recoveriesLockedElsewhere = step.lockedElsewhere;
        host.passBlocks.clear();
        recoverRAM(2100, RecoveryTrigger::request);
        EXPECT_EQ(!host.passBlocks.empty(), step.runs) << "tick " << step.tick;
        EXPECT_EQ(host.recoveryLocksHeld, 0) << "tick " << step.tick;
    }
}

TEST_F(EngineLogic, CpuGuardThresholdsFollowTheFreeShare)
{
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {9, 100}, {10, 85}, {1024, 85}, {2048, 85}, // a quarter of 8192 and less
        {2049, 75}, {4096, 75}, {6000, 65}, {6144, 65}, {6145, 60}};
    for (const auto& [avail, threshold] : cases)
        EXPECT_EQ(cpuGuardThreshold(avail, 8192), threshold) << avail;
}

TEST_F(EngineLogic, BusyProcessorsMakeTheRecoveryGiveWayUnlessTheGuardIsOff)
{
    struct Case {
        std::uint32_t total, avail;
        double cpu; // -1: no sample, the sampler could not start
        std::uint32_t guardOff;
        bool runs;
    };
    const Case cases[] = {
        {8192, 1024, 86.4, 0, false}, // threshold 85
        {8192, 1024, 85.9, 0, true},  // 85 is not above 85
        {8192, 1024, 100.5, 2, true}, // any value but 0 switches the guard off
        {16384, 5, -1.0, 0, false},   // threshold 100 below 10 MB: only "no sample" is above
        {16384, 5, -1.0, 1, true},
    };
    for (const Case& c : cases) {
        prepare(c.total, c.avail);
        host.samplerStarts = c.cpu >= 0;
        state().cpuUsage = c.cpu;
        state().settings.Disable_CPU_detect = c.guardOff;
        recoverRAM(c.avail + 100, RecoveryTrigger::request);
        EXPECT_EQ(firstPass(), c.runs ? c.avail + 100 : 0) << c.avail << " at " << c.cpu;
        EXPECT_EQ(state().autoTicks, 0u);
    }
}

TEST_F(EngineLogic, APassHoldsAtMost32768Blocks)
{
    prepare(131072, 1000);
    recoverRAM(40000, RecoveryTrigger::request);
    ASSERT_EQ(host.passBlocks.size(), 3u);
    for (auto blocks : host.passBlocks)
        EXPECT_EQ(blocks, kMaxBlocksPerPass);
    EXPECT_EQ(host.outstandingBlocks(), 0u);
}

TEST_F(EngineLogic, PassesStopAtTheTargetOrAfterTheThird)
{
    prepare(16384, 1000);
    host.afterPass = [&](int pass) { host.avail = pass == 1 ? 1500 : 2600; };
    recoverRAM(2500, RecoveryTrigger::request);
    EXPECT_EQ(host.passBlocks, (std::vector<std::uint64_t>{2500, 2500}));
    EXPECT_EQ(state().availRAM, 2600u);

    host.passBlocks.clear();
    host.avail = 1000;
    state().availRAM = 1000;
    host.afterPass = [&](int) { host.avail += 10; };
    recoverRAM(2500, RecoveryTrigger::request);
    EXPECT_EQ(host.passBlocks.size(), 3u);
}

TEST_F(EngineLogic, AFailedAllocationEndsOnlyThatPass)
{
    prepare(16384, 1000);
    host.blocksPerPassLimit = 700;
    recoverRAM(2000, RecoveryTrigger::request);
    EXPECT_EQ(host.passBlocks, (std::vector<std::uint64_t>{700, 700, 700}));
    EXPECT_EQ(host.outstandingBlocks(), 0u);
    host.passBlocks.clear();
    host.blocksPerPassLimit = 0;
    recoverRAM(2000, RecoveryTrigger::request);
    EXPECT_EQ(host.passBlocks, (std::vector<std::uint64_t>{0, 0, 0}));
}

TEST_F(EngineLogic, ARecoveryEnteredWhileOneRunsChangesNothing)
{
    prepare(16384, 1000);
    state().settings.PlaySound = 1;
    state().autoTicks = 5;
    host.duringSound = [&] {
        const auto before = host.events;
        const auto ticks = state().autoTicks;
        recoverRAM(3000, RecoveryTrigger::request);
        EXPECT_EQ(host.events, before);
        EXPECT_EQ(state().autoTicks, ticks);
        EXPECT_TRUE(state().recovering);
    };
    recoverRAM(2000, RecoveryTrigger::request);
    EXPECT_EQ(host.count("sound "), 1u);
    EXPECT_EQ(host.passBlocks.size(), 3u);
    EXPECT_FALSE(state().recovering);
}

TEST_F(EngineLogic, TheEndStateIsRestoredWhenTheRecoveryIsLeftByUnwinding)
{
    prepare(16384, 1000);
    state().settings.AutoclearClipboard = 1;
    state().autoTicks = 9;
    host.afterPass = [](int) { throw std::runtime_error("out of the pass"); };
    EXPECT_THROW(recoverRAM(2000, RecoveryTrigger::request), std::runtime_error);
    EXPECT_FALSE(state().recovering);
    EXPECT_EQ(state().autoTicks, 0u);
    EXPECT_EQ(host.events.back(), "tray modify");
    EXPECT_EQ(host.count("render normal 50"), 1u);
}

TEST_F(EngineLogic, StartupRecoveryFiresOnceWhateverTheState)
{
    host.seed(u"FreeonStartup", 1);
    host.total = 16384;
    host.avail = 100;
    state().messages = registerMessages();
    setupEngine();
    ASSERT_EQ(host.timers.count(TimerId::startup), 1u);
    EXPECT_EQ(state().settings.Quenby_Stat, 0u); // disabled, and still it runs

    host.events.clear();
    host.timers[TimerId::startup].second();
    // The timer ends itself; an unforced refresh, then a recovery of T/64.
    const std::vector<std::string> expected = {
        "kill timer 2", "tray modify", "render disabled", "tray modify", "pass 256",
        "pass 256",     "pass 256",    "render disabled", "tray modify"};
    EXPECT_EQ(host.events, expected);
}

TEST_F(EngineLogic, StartupOrderAndShutdownOrder)
{
    host.seed(u"FreeonStartup", 1);
    host.seed(u"FreeonStartup_val2", 30);
    host.seed(u"Hotkey1", 'F');
    host.seed(u"Hotkey2", 'E');
    host.loop = [&] {
        EXPECT_TRUE(state().tray.trayIconShown);
        return 7;
    };
    EXPECT_EQ(runEngine(host, host.registry), 7); // the loop's quit code
    // The labels before the first icon, the start-up timer before the hot keys,
    // the periodic timer last.
    const std::vector<std::string> expected = {
        "register class", "find engine", "claim lock", "create window", "post panel",
        "debug My output string.", "build menu", "menu 209 Enable RAM Optimizer",
        "menu 205 Free-up RAM Manually\\n", "menu 206 Free-up RAM Manually\\n",
        "menu 207 Free-up RAM Manually\\n", "render disabled", "tray add", "set timer 2 30000",
        "hot key 70", "hot key 69", "set timer 1 1000", "loop",
        "post panel", "kill timer 1", "kill timer 2", "unregister hot keys", "destroy menu",
        "tray remove"};
    EXPECT_EQ(host.events, expected);
    const MessageNumbers numbers = registerMessages();
    EXPECT_EQ(host.posted,
              (std::vector<std::uint32_t>{numbers[Message::QuenbyStart], numbers[Message::QuenbyExit]}));
    EXPECT_EQ(state().ramCeiling, 12288u);
    EXPECT_TRUE(state().largeRAM);
    EXPECT_EQ(text(113), u"Close RAM Optimizer");
}

TEST_F(EngineLogic, ASecondEngineEndsAtOnceTellingNobody)
{
    host.existingEngine = true;
    EXPECT_EQ(runEngine(host, host.registry), 0);
    EXPECT_EQ(host.events, (std::vector<std::string>{"register class", "find engine"}));
    EXPECT_TRUE(host.posted.empty());

    // One started at the same moment: no window yet, but it holds the lock.
    RecordingHost racing;
    racing.engineLockHeld = true;
    EXPECT_EQ(runEngine(racing, racing.registry), 0);
    EXPECT_EQ(racing.events, (std::vector<std::string>{"register class", "find engine", "claim lock"}));
    EXPECT_TRUE(racing.posted.empty());

    RecordingHost noWindow;
    noWindow.windowCreation = false;
    EXPECT_EQ(runEngine(noWindow, noWindow.registry), 0);
    EXPECT_TRUE(noWindow.posted.empty());
}

TEST_F(EngineLogic, RecoveryRequestMessageAddsTheLow32BitsToWhatIsFree)
{
    prepare(16384, 2000);
    const auto request = state().messages[Message::StartDefragRAM];
    EXPECT_EQ(handleEngineMessage(request, 300, 0), MessageResult::handledThenDefault);
    EXPECT_EQ(firstPass(), 2300u);

    host.events.clear();
    handleEngineMessage(request, 0, 0);
    EXPECT_TRUE(host.events.empty());

    // Upper bits set, low 32 bits 0: a request of nothing more than is free now.
    host.passBlocks.clear();
    handleEngineMessage(request, 0x100000000ull, 0);
    EXPECT_TRUE(host.passBlocks.empty());
    EXPECT_EQ(host.count("render recovering 50"), 1u);

    host.passBlocks.clear();
    handleEngineMessage(request, 0xFFFFFFFF00000064ull, 0);
    EXPECT_EQ(firstPass(), 2100u);
}

TEST_F(EngineLogic, SettingsChangeMessageReloadsAndRefreshesEverything)
{
    prepare(16384, 2000);
    state().settings.Quenby_Stat = 0;
    host.seed(u"Quenby_Stat", 1);
    host.seed(u"Hotkey1", 'F');
    EXPECT_EQ(handleEngineMessage(state().messages[Message::UpdateData], 0, 0),
              MessageResult::handledThenDefault);
    const std::vector<std::string> expected = {
        "menu 209 Disable RAM Optimizer", "menu 205 Free-up RAM Manually\\n",
        "menu 206 Free-up RAM Manually\\n", "menu 207 Free-up RAM Manually\\n",
        "render normal 50", "tray modify", "tray modify",
        "unregister hot keys", "hot key 70"}; // 0 is no hot key: nothing registered
    EXPECT_EQ(host.events, expected);
}

TEST_F(EngineLogic, ThemeChangeRereadsTheThemeRedrawsAndResendsTheIcon)
{
    // WM_THEMECHANGED, and the light/dark switch of Windows 10 and 11, which
    // comes as WM_SETTINGCHANGE "ImmersiveColorSet"; other setting changes only
    // have the screen's scale looked at again (here it has not changed).
    const struct {
        const char* what;
        std::function<void()> deliver;
        bool follows;
    } cases[] = {
        {"WM_THEMECHANGED",
         [] { EXPECT_EQ(handleEngineMessage(WM_THEMECHANGED_MESSAGE, 0, 0), MessageResult::handled); }, true},
        {"ImmersiveColorSet", [] { handleSettingChange(u"ImmersiveColorSet"); }, true},
        {"WM_SYSCOLORCHANGE",
         [] { EXPECT_EQ(handleEngineMessage(WM_SYSCOLORCHANGE_MESSAGE, 0, 0), MessageResult::handled); }, true},
        {"Environment", [] { handleSettingChange(u"Environment"); }, false},
        {"no area named", [] { handleSettingChange(u""); }, false},
        {"another spelling", [] { handleSettingChange(u"ImmersiveColorSetX"); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host.registry.deleteTree(kPersonalizeKey);
        prepare(16384, 2000);
        state().settings.TrayIconTextColor = 2; // by the taskbar
        ASSERT_TRUE(state().settings.darkTheme); // no theme value reads as dark
        host.seed(kLightThemeValue, 1, kPersonalizeKey);
        host.displaySizeChanges = false;
        c.deliver();
        if (!c.follows) {
            EXPECT_EQ(host.events, std::vector<std::string>{"display"});
            EXPECT_TRUE(state().settings.darkTheme);
            continue;
        }
        // The number is unchanged: only a forced update redraws it.
        EXPECT_EQ(host.events, (std::vector<std::string>{"render normal 50", "tray modify", "tray modify"}));
        EXPECT_EQ(host.lastPicture.textColour, kBlack);
    }

    // A contrast theme switched on and off is followed the same way.
    const ContrastColours contrast{{255, 255, 0}, {0, 0, 0}};
    host.contrast = contrast;
    handleEngineMessage(WM_SYSCOLORCHANGE_MESSAGE, 0, 0);
    EXPECT_EQ(host.lastPicture.textColour, contrast.text);
    EXPECT_EQ(host.lastPicture.background, contrast.background);
    host.contrast.reset();
    handleEngineMessage(WM_THEMECHANGED_MESSAGE, 0, 0);
    EXPECT_FALSE(host.lastPicture.background.has_value());
}

TEST_F(EngineLogic, ANewScaleRedrawsTheIconOnlyWhenItsSizeChanges)
{
    struct Case {
        std::uint32_t message;
        std::uint64_t wParam;
        bool sizeChanges;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        // The scale a WM_DPICHANGED brings is the hidden window's monitor's:
        // the host reads the taskbar's instead.
        {WM_DPICHANGED_MESSAGE, 0x00C000C0, true, {"display", "render normal 50", "tray modify"}},
        {WM_DPICHANGED_MESSAGE, 0x00C000C0, false, {"display"}},
        {WM_DISPLAYCHANGE_MESSAGE, 0x00000020, true, {"display", "render normal 50", "tray modify"}},
    };
    for (const Case& c : cases) {
        prepare(16384, 2000);
        host.displaySizeChanges = c.sizeChanges;
        EXPECT_EQ(handleEngineMessage(c.message, c.wParam, 0), MessageResult::handled);
        EXPECT_EQ(host.events, c.events) << c.message;
    }
}

TEST_F(EngineLogic, OtherMessagesAreLeftToDefaultProcessing)
{
    prepare(16384, 2000);
    for (Message m : {Message::QuenbyStart, Message::QuenbyExit, Message::QuenbyDisable,
                      Message::QuenbyEnable})
        EXPECT_EQ(handleEngineMessage(state().messages[m], 1, 1), MessageResult::notHandled);
    EXPECT_EQ(handleEngineMessage(kCloseMessage, 0, 0), MessageResult::notHandled);
    EXPECT_EQ(handleEngineMessage(0xBEEF, 0, 0), MessageResult::notHandled);
    EXPECT_TRUE(host.events.empty());
}

TEST_F(EngineLogic, SampleStatusShowsWhatTheModeAsks)
{
    prepare(1024, 700);
    host.freePercent = 42;
    state().cpuUsage = 12.9;
    std::uint32_t freeMB = 0, percent = 0;
    std::int32_t cpu = 0;
    EXPECT_EQ(sampleStatus(1, freeMB, percent, cpu), 42); // 1024 MB counts as large
    EXPECT_EQ(sampleStatus(0, freeMB, percent, cpu), 12);
    EXPECT_EQ(sampleStatus(2, freeMB, percent, cpu), 700);
    EXPECT_EQ(freeMB, 700u);
    EXPECT_EQ(percent, 42u);

    prepare(1023, 700);
    EXPECT_EQ(sampleStatus(1, freeMB, percent, cpu), 700);

    host.samplerStarts = false;
    EXPECT_EQ(sampleStatus(0, freeMB, percent, cpu), -1);
    EXPECT_EQ(cpu, -1);
}

TEST_F(EngineLogic, AFloodOfUpdatesKeepsAtMostTwoSamplersMeasuring)
{
    prepare(16384, 8000);
    host.samplersFinish = false;
    const int before = host.samplersStarted;
    std::uint32_t freeMB = 0, percent = 0;
    std::int32_t cpu = 0;
    state().cpuUsage = 33.7;
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(sampleStatus(0, freeMB, percent, cpu), 33);
    EXPECT_EQ(host.samplersStarted - before, 2);
    EXPECT_EQ(state().samplersAlive.load(), 2);

    // One finishes with a new figure: the next update shows it and starts one more.
    state().cpuUsage = 71.5;
    --state().samplersAlive;
    EXPECT_EQ(sampleStatus(0, freeMB, percent, cpu), 71);
    EXPECT_EQ(host.samplersStarted - before, 3);

    // A sampler that can't start is not counted as measuring.
    host.samplersFinish = true;
    prepare(16384, 8000);
    host.samplerStarts = false;
    sampleStatus(0, freeMB, percent, cpu);
    EXPECT_EQ(state().samplersAlive.load(), 0);
}

TEST_F(EngineLogic, StartingWithDefaultsReportsNoCpuUsageYetAndArmsNoStartupTimer)
{
    host.total = 16384;
    state().messages = registerMessages();
    setupEngine();
    EXPECT_EQ(state().tray.tooltip, u"RAM Optimizer\nFree RAM: 8000 MB (50%)\nCPU Usage: 0%");
    EXPECT_EQ(host.timers.count(TimerId::startup), 0u);
}

} // namespace
