// The notice after a recovery (NotifyRecovery): which recoveries give one, its
// text, and where it comes among the recovery's calls.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/recovery.h"
#include "tests/engine/recording_host.h"

using namespace quenby;
using namespace quenby::engine;
using test::RecordingHost;

namespace {

class RecoveryFeedback : public testing::Test {
protected:
    void SetUp() override { resetEngineState(host, host.registry); }

    // The engine as start-up leaves it on a 16384 MB machine (ceiling 12288),
    // with the stored NotifyRecovery (none: not stored at all).
    void prepare(std::uint32_t avail, std::optional<std::uint32_t> notify)
    {
        resetEngineState(host, host.registry);
        host.avail = avail;
        host.registry.deleteTree(kSettingsKey);
        if (notify)
            host.seed(u"NotifyRecovery", *notify);
        setupEngine();
        engineState().settings.Quenby_Stat = 1; // enabled: the icon shows the number
        host.events.clear();
    }

    std::vector<std::string> notices() const
    {
        std::vector<std::string> found;
        for (const auto& event : host.events) {
            if (event.rfind("notice ", 0) == 0)
                found.push_back(event);
        }
        return found;
    }

    RecordingHost host;
};

TEST_F(RecoveryFeedback, OnlyARecoveryWhosePassesRanGivesANoticeAndOnlyWhenAskedFor)
{
    struct Case {
        const char* what;
        std::optional<std::uint32_t> notify;
        std::uint32_t avail, target;
        double cpu;
        std::uint32_t afterPasses; // free MB once a pass has run
        const char* notice;        // null: none
    };
    const Case cases[] = {
        {"free memory rose", 1, 1000, 3000, 0, 1812, "Recovered 812 MB, 1812 MB free now"},
        {"free memory stayed", 1, 1000, 3000, 0, 1000, "No RAM could be recovered"},
        {"free memory fell", 1, 1000, 3000, 0, 900, "No RAM could be recovered"},
        {"target reached in one pass", 1, 1000, 2000, 0, 2500, "Recovered 1500 MB, 2500 MB free now"},
        {"the CPU guard gave way", 1, 1000, 3000, 86.4, 1812, nullptr},
        {"at the ceiling", 1, 12288, 8000, 0, 13000, nullptr},
        {"the target already free", 1, 3000, 3000, 0, 3500, nullptr},
        {"not stored: the default", std::nullopt, 1000, 3000, 0, 1812, nullptr},
        {"switched off", 0, 1000, 3000, 0, 1812, nullptr},
        {"only 1 switches it on", 2, 1000, 3000, 0, 1812, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prepare(c.avail, c.notify);
        engineState().cpuUsage = c.cpu;
        host.afterPass = [&](int) { host.avail = c.afterPasses; };
        recoverRAM(c.target, RecoveryTrigger::request);
        if (c.notice)
            EXPECT_EQ(notices(), std::vector<std::string>{std::string("notice RAM Optimizer: ") + c.notice});
        else
            EXPECT_EQ(notices(), std::vector<std::string>{});
    }
}

TEST_F(RecoveryFeedback, TheNoticeFollowsTheEndStatesIconAndComesBeforeTheRecoveryEnds)
{
    prepare(1000, 1);
    host.afterPass = [&](int pass) { host.avail = pass == 1 ? 1500 : 2600; };
    engineState().autoTicks = 7;
    bool recoveringDuringNotice = false;
    host.duringNotice = [&] { recoveringDuringNotice = engineState().recovering; };
    recoverRAM(2500, RecoveryTrigger::request);
    const std::vector<std::string> expected = {
        "render recovering 50", "tray modify", "pass 2500", "pass 2500", "render normal 50",
        "tray modify", "notice RAM Optimizer: Recovered 1600 MB, 2600 MB free now"};
    EXPECT_EQ(host.events, expected);
    // Another recovery can't start while the notice is given; afterwards the end
    // state is the usual one.
    EXPECT_TRUE(recoveringDuringNotice);
    EXPECT_FALSE(engineState().recovering);
    EXPECT_EQ(engineState().autoTicks, 0u);
    // The notice is no part of the icon: the tooltip keeps its three lines.
    EXPECT_EQ(engineState().tray.tooltip, u"RAM Optimizer\nFree RAM: 1000 MB (50%)\nCPU Usage: 0%");
}

TEST_F(RecoveryFeedback, PassesLeftByUnwindingGiveNoNotice)
{
    prepare(1000, 1);
    host.afterPass = [](int) { throw std::runtime_error("out of the pass"); };
    EXPECT_THROW(recoverRAM(2000, RecoveryTrigger::request), std::runtime_error);
    EXPECT_EQ(notices(), std::vector<std::string>{});
    EXPECT_EQ(host.events.back(), "tray modify");
}

TEST_F(RecoveryFeedback, TextsForEveryRiseAndForNone)
{
    prepare(1000, 1); // loads the string table
    const struct {
        std::uint32_t before, after;
        std::u16string_view text;
    } cases[] = {
        {1000, 1812, u"Recovered 812 MB, 1812 MB free now"},
        {0, 1, u"Recovered 1 MB, 1 MB free now"},
        {0, 4294967295u, u"Recovered 4294967295 MB, 4294967295 MB free now"},
        {3000, 3000, u"No RAM could be recovered"},
        {3000, 2999, u"No RAM could be recovered"},
        {4294967295u, 0, u"No RAM could be recovered"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(recoveryFeedbackText(c.before, c.after), c.text) << c.before << " -> " << c.after;
}

} // namespace
