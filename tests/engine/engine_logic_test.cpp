// The engine's recovery, policy, messages and start-up, driven through a
// recording host: the order of calls and every edge of the rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "common/identity.h"
#include "common/settings.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/policy.h"
#include "engine/recovery.h"
#include "engine/tray.h"
#include "tests/engine/recording_host.h"
#include "tests/support/memory_registry.h"

using namespace quenby;
using namespace quenby::engine;
using test::RecordingHost;

namespace {

class EngineLogic : public testing::Test {
protected:
    void SetUp() override { resetEngineState(host, registry); }

    // The engine as setupEngine leaves it, without running start-up.
    void prepare(std::uint32_t total, std::uint32_t avail)
    {
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
    test::MemoryRegistry registry;
};

TEST_F(EngineLogic, LowMemoryRulePicksTargetMidpointOrMinimumPlusTwo)
{
    struct Case {
        std::uint32_t avail;
        std::uint64_t target;
    };
    for (const Case c : {Case{1000, 4096}, Case{400, 3072}, Case{8, 2050}, Case{512, 3072}}) {
        resetEngineState(host, registry);
        prepare(16384, c.avail);
        state().settings.Quenby_Stat = 1;
        setMinimumAndTarget(2048, 4096);
        onPeriodicTimer();
        EXPECT_EQ(firstPass(), c.target) << "available " << c.avail;
        EXPECT_EQ(host.passBlocks.size(), 3u) << "the fake's free RAM never rises: three passes";
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
    EXPECT_TRUE(host.passBlocks.empty());
    EXPECT_EQ(state().autoTicks, 17u);
    EXPECT_EQ(host.count("render recovering 12288"), 0u);
}

TEST_F(EngineLogic, IntervalRecoveryComesOnTheCountedTickAfterTheInterval)
{
    prepare(16384, 6000);
    state().settings.Quenby_Stat = 1;
    setMinimumAndTarget(2048, 4096);
    ASSERT_EQ(state().settings.Freeeverymin_Val2, 240u); // 4 minutes, in seconds
    state().settings.Freeeverymin_Val1 = 7000;           // above what is free: one pass runs

    std::vector<int> recoveryTicks;
    for (int tick = 1; tick <= 482; ++tick) {
        const std::size_t before = host.count("render recovering 50");
        onPeriodicTimer();
        if (host.count("render recovering 50") > before)
            recoveryTicks.push_back(tick);
    }
    EXPECT_EQ(recoveryTicks, (std::vector<int>{241, 482}));
    EXPECT_EQ(state().autoTicks, 0u);
}

TEST_F(EngineLogic, AManualRecoveryRestartsTheInterval)
{
    prepare(16384, 6000);
    state().settings.Quenby_Stat = 1;
    setMinimumAndTarget(2048, 4096);
    for (int tick = 0; tick < 200; ++tick)
        onPeriodicTimer();
    EXPECT_EQ(state().autoTicks, 200u);
    recoverRAM(state().availRAM + 64); // as the menu does
    EXPECT_EQ(state().autoTicks, 0u);
    host.events.clear();
    for (int tick = 0; tick < 240; ++tick)
        onPeriodicTimer();
    EXPECT_EQ(host.count("render recovering 50"), 0u);
    onPeriodicTimer();
    EXPECT_EQ(host.count("render recovering 50"), 1u);
}

TEST_F(EngineLogic, ZeroIntervalSwitchesTheIntervalRecoveryOff)
{
    prepare(16384, 6000);
    state().settings.Quenby_Stat = 1;
    setMinimumAndTarget(2048, 4096);
    state().settings.Freeeverymin_Val2 = 0;
    for (int tick = 0; tick < 300; ++tick)
        onPeriodicTimer();
    EXPECT_EQ(state().autoTicks, 0u);
    EXPECT_EQ(host.count("render recovering 50"), 0u);
}

TEST_F(EngineLogic, TargetBelowMinimumWrapsAndIsClampedToAvailablePlusTwo)
{
    prepare(16384, 300);
    state().settings.Quenby_Stat = 1;
    setMinimumAndTarget(2048, 1024); // 300 <= 2048/4: the midpoint rule, which wraps
    onPeriodicTimer();
    EXPECT_EQ(firstPass(), 302u);
}

TEST_F(EngineLogic, RequestsAboveHalfTheTotalRecoverOnlyALittle)
{
    prepare(16384, 2000);
    recoverRAM(8193);
    EXPECT_EQ(firstPass(), 2002u);
    host.passBlocks.clear();
    recoverRAM(8192); // exactly half is allowed
    EXPECT_EQ(firstPass(), 8192u);
}

TEST_F(EngineLogic, AtTheCeilingEverythingButTheAllocationHappens)
{
    prepare(16384, 12288);
    state().settings.PlaySound = 1;
    state().settings.Music = u"alarm.wav";
    state().settings.AutoclearClipboard = 1;
    state().autoTicks = 99;
    recoverRAM(5000);
    const std::vector<std::string> expected = {
        "render recovering 50", "tray modify", "sound alarm.wav", "clipboard",
        "render normal 50",     "tray modify"};
    EXPECT_EQ(host.events, expected);
    EXPECT_EQ(host.samplersStarted, 2 + 1); // set-up's first sample, then one each end
    EXPECT_TRUE(host.passBlocks.empty());
    EXPECT_EQ(state().autoTicks, 0u);
    EXPECT_FALSE(state().recovering);
}

TEST_F(EngineLogic, NoPassRunsWhenTheTargetIsAlreadyFree)
{
    prepare(16384, 3000);
    recoverRAM(3000);
    EXPECT_TRUE(host.passBlocks.empty());
    EXPECT_EQ(host.count("render normal 50"), 1u);
}

TEST_F(EngineLogic, CpuGuardThresholdsFollowTheFreeShare)
{
    EXPECT_EQ(cpuGuardThreshold(9, 8192), 100u);
    EXPECT_EQ(cpuGuardThreshold(10, 8192), 85u);
    EXPECT_EQ(cpuGuardThreshold(1024, 8192), 85u);
    EXPECT_EQ(cpuGuardThreshold(2048, 8192), 85u); // exactly a quarter
    EXPECT_EQ(cpuGuardThreshold(2049, 8192), 75u);
    EXPECT_EQ(cpuGuardThreshold(4096, 8192), 75u);
    EXPECT_EQ(cpuGuardThreshold(6000, 8192), 65u);
    EXPECT_EQ(cpuGuardThreshold(6144, 8192), 65u);
    EXPECT_EQ(cpuGuardThreshold(6145, 8192), 60u);
}

TEST_F(EngineLogic, BusyProcessorsMakeTheRecoveryGiveWay)
{
    prepare(8192, 1024); // threshold 85
    state().cpuUsage = 86.4;
    recoverRAM(2000);
    EXPECT_TRUE(host.passBlocks.empty());
    EXPECT_EQ(state().autoTicks, 0u);

    state().cpuUsage = 85.9; // 85 is not above 85
    recoverRAM(2000);
    EXPECT_EQ(firstPass(), 2000u);

    host.passBlocks.clear();
    state().settings.Disable_CPU_detect = 2; // any value but 0 switches the guard off
    state().cpuUsage = 100.5;
    recoverRAM(2000);
    EXPECT_EQ(firstPass(), 2000u);
}

TEST_F(EngineLogic, NoCpuSampleBlocksUnlessTheGuardIsOff)
{
    prepare(16384, 5);    // threshold 100 below 10 MB
    host.samplerStarts = false; // every sample now reads -1
    recoverRAM(100);
    EXPECT_TRUE(host.passBlocks.empty());
    state().settings.Disable_CPU_detect = 1;
    recoverRAM(100);
    EXPECT_EQ(firstPass(), 100u);
}

TEST_F(EngineLogic, APassHoldsAtMost32768Blocks)
{
    prepare(131072, 1000);
    recoverRAM(40000);
    ASSERT_EQ(host.passBlocks.size(), 3u);
    for (auto blocks : host.passBlocks)
        EXPECT_EQ(blocks, kMaxBlocksPerPass);
    EXPECT_EQ(host.outstandingBlocks(), 0u);
}

TEST_F(EngineLogic, PassesStopAtTheTargetOrAfterTheThird)
{
    prepare(16384, 1000);
    host.afterPass = [&](int pass) { host.avail = pass == 1 ? 1500 : 2600; };
    recoverRAM(2500);
    EXPECT_EQ(host.passBlocks, (std::vector<std::uint64_t>{2500, 2500}));
    EXPECT_EQ(state().availRAM, 2600u);

    host.passBlocks.clear();
    host.avail = 1000;
    state().availRAM = 1000;
    host.afterPass = [&](int) { host.avail += 10; };
    recoverRAM(2500);
    EXPECT_EQ(host.passBlocks.size(), 3u);
}

TEST_F(EngineLogic, AFailedAllocationEndsOnlyThatPass)
{
    prepare(16384, 1000);
    host.blocksPerPassLimit = 700;
    recoverRAM(2000);
    EXPECT_EQ(host.passBlocks, (std::vector<std::uint64_t>{700, 700, 700}));
    EXPECT_EQ(host.outstandingBlocks(), 0u);
    host.passBlocks.clear();
    host.blocksPerPassLimit = 0;
    recoverRAM(2000);
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
        recoverRAM(3000);
        EXPECT_EQ(host.events, before);
        EXPECT_EQ(state().autoTicks, ticks);
        EXPECT_TRUE(state().recovering);
    };
    recoverRAM(2000);
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
    EXPECT_THROW(recoverRAM(2000), std::runtime_error);
    EXPECT_FALSE(state().recovering);
    EXPECT_EQ(state().autoTicks, 0u);
    EXPECT_EQ(host.events.back(), "tray modify");
    EXPECT_EQ(host.count("render normal 50"), 1u);
}

TEST_F(EngineLogic, StartupRecoveryFiresOnceWhateverTheState)
{
    registry.createKey(kSettingsKey);
    {
        auto key = registry.createKey(kSettingsKey);
        const unsigned char on[4] = {1, 0, 0, 0};
        const unsigned char delay[4] = {30, 0, 0, 0};
        key->setValue(u"FreeonStartup", os::RegType::dword, on, 4);
        key->setValue(u"FreeonStartup_val2", os::RegType::dword, delay, 4);
    }
    host.total = 16384;
    host.avail = 100;
    state().messages = registerMessages();
    setupEngine();
    ASSERT_EQ(host.timers.count(TimerId::startup), 1u);
    EXPECT_EQ(host.timers[TimerId::startup].first, 30000u);
    EXPECT_EQ(host.timers[TimerId::periodic].first, 1000u);
    EXPECT_EQ(state().settings.Quenby_Stat, 0u); // disabled, and still it runs

    host.passBlocks.clear();
    host.timers[TimerId::startup].second();
    EXPECT_EQ(firstPass(), 256u); // FreeonStartup_val1 = T/64
    EXPECT_EQ(host.timers.count(TimerId::startup), 0u);
    EXPECT_EQ(host.timers.count(TimerId::periodic), 1u);
}

TEST_F(EngineLogic, StartupOrderAndShutdownOrder)
{
    host.loop = [&] {
        EXPECT_TRUE(state().tray.trayIconShown);
        return 0;
    };
    EXPECT_EQ(runEngine(host, registry), 0);
    const std::vector<std::string> expected = {
        "register class", "find engine", "create window", "post panel",
        "debug My output string.", "build menu", "render disabled", "tray add",
        "hot key 0", "hot key 0", "set timer 1 1000", "loop",
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
    EXPECT_EQ(runEngine(host, registry), 0);
    EXPECT_EQ(host.events, (std::vector<std::string>{"register class", "find engine"}));
    EXPECT_TRUE(host.posted.empty());

    RecordingHost noWindow;
    noWindow.windowCreation = false;
    EXPECT_EQ(runEngine(noWindow, registry), 0);
    EXPECT_TRUE(noWindow.posted.empty());
}

TEST_F(EngineLogic, TheLoopsQuitCodeIsTheExitCode)
{
    host.loop = [] { return 7; };
    EXPECT_EQ(runEngine(host, registry), 7);
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
    {
        auto key = registry.createKey(kSettingsKey);
        const unsigned char enabled[4] = {1, 0, 0, 0};
        const unsigned char keyF[4] = {'F', 0, 0, 0};
        const unsigned char amount[4] = {100, 0, 0, 0};
        key->setValue(u"Quenby_Stat", os::RegType::dword, enabled, 4);
        key->setValue(u"Hotkey1", os::RegType::dword, keyF, 4);
        key->setValue(u"FreeupZMenu_Val1", os::RegType::dword, amount, 4);
    }
    EXPECT_EQ(handleEngineMessage(state().messages[Message::UpdateData], 0, 0),
              MessageResult::handledThenDefault);
    EXPECT_EQ(state().settings.Quenby_Stat, 1u);
    EXPECT_EQ(host.menuTexts[209], u"Disable RAM Optimizer");
    EXPECT_EQ(host.menuTexts[207], u"Free-up RAM Manually\n");
    const std::vector<std::string> expected = {"render normal 50", "tray modify", "tray modify",
                                               "unregister hot keys", "hot key 70", "hot key 0"};
    EXPECT_EQ(host.events, expected);
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

    resetEngineState(host, registry);
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
    resetEngineState(host, registry);
    host.samplersFinish = true;
    prepare(16384, 8000);
    host.samplerStarts = false;
    sampleStatus(0, freeMB, percent, cpu);
    EXPECT_EQ(state().samplersAlive.load(), 0);
}

TEST_F(EngineLogic, TheFirstSampleReportsNoCpuUsageYet)
{
    host.total = 16384;
    state().messages = registerMessages();
    setupEngine();
    EXPECT_NE(state().tray.tooltip.find(u"CPU Usage: 0%"), std::u16string::npos);
    EXPECT_EQ(state().tray.tooltip, u"RAM Optimizer\nFree RAM: 8000 MB (50%)\nCPU Usage: 0%");
}

} // namespace
