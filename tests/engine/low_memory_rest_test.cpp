// The low-memory rule's rest under a shortage, driven tick by tick through the
// recording host: on which ticks it recovers, what other recoveries leave of a
// rest, and the one "No RAM could be recovered" notice of a shortage.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "engine/commands.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/policy.h"
#include "engine/recovery.h"
#include "tests/engine/recording_host.h"

using namespace quenby;
using namespace quenby::engine;
using test::RecordingHost;

namespace {

constexpr std::uint32_t kShort = 1000;   // below the minimum of 2048
constexpr std::uint32_t kPlenty = 5000;  // above the minimum and the target

class LowMemoryRestTest : public testing::Test {
protected:
    // A 16384 MB machine, the optimizer enabled, minimum 2048 and target 4096,
    // the interval rule off; each pass obtains one block and so costs nothing.
    void prepare(std::optional<std::uint32_t> backoff)
    {
        resetEngineState(host, host.registry);
        host.avail = kShort;
        host.blocksPerPassLimit = 1;
        if (backoff)
            host.seed(u"RecoveryBackoff", *backoff);
        host.seed(u"Quenby_Stat", 1);
        host.seed(u"MinimumFreeRAM", 2048);
        host.seed(u"TargetFreeRAM", 4096);
        host.seed(u"Freeeverymin_Val2", 0);
        host.seed(u"NotifyRecovery", 1);
        setupEngine();
        host.events.clear();
    }

    // The icon shows the fake's 50 % free; every recovery draws it on yellow.
    std::size_t recoveries() const { return host.count("render recovering 50"); }

    // Runs `ticks` ticks; `between` runs before each one. Returns the ticks on
    // which the timer itself recovered.
    std::vector<int> run(int ticks, const std::function<void(int)>& between = {})
    {
        std::vector<int> recovered;
        for (int tick = 0; tick < ticks; ++tick) {
            now = tick;
            if (between)
                between(tick);
            const std::size_t before = recoveries();
            onPeriodicTimer();
            if (recoveries() > before)
                recovered.push_back(tick);
        }
        return recovered;
    }

    std::vector<std::string> notices() const
    {
        std::vector<std::string> found;
        for (const auto& event : host.events)
            if (event.rfind("notice ", 0) == 0)
                found.push_back(event.substr(std::string("notice RAM Optimizer: ").size()));
        return found;
    }

    RecordingHost host;
    int now = 0;
};

std::vector<int> every(int step, int until)
{
    std::vector<int> ticks;
    for (int t = 0; t < until; t += step)
        ticks.push_back(t);
    return ticks;
}

TEST_F(LowMemoryRestTest, RecoversOnTheTicksTheRestAllows)
{
    // A rest of an hour after each: 1 recovery an hour from the start.
    const std::vector<int> neverLifts = {0, 3600};
    const int twoHours = 7200;
    struct Case {
        const char* what;
        std::optional<std::uint32_t> backoff; // none: not stored, the default
        int liftsFor;      // ticks one recovery lifts the shortage; 0 never, -1 for good
        int busyTicks;     // the CPU guard gives way on the ticks before this one
        bool manualRecoveries; // menu and hot key between the rule's recoveries
        int switchedOnAt;  // the tick from which RecoveryBackoff is 1; -1 never
        int ticks;
        std::vector<int> expected;
    };
    std::vector<int> switchedOn = every(1, 102); // the tick it is switched on recovers too
    switchedOn.insert(switchedOn.end(), {3701});
    const Case cases[] = {
        {"a shortage that never lifts", std::nullopt, 0, 0, false, -1, twoHours, neverLifts},
        {"any value but 0 rests", 7, 0, 0, false, -1, twoHours, neverLifts},
        {"busy processors: refused each time, and nothing of it shows", 1, 0, twoHours, false, -1, twoHours, {}},
        // A refused recovery earns no rest: the first calm tick recovers.
        {"busy when the shortage starts: met on the first calm tick", 1, 0, 10, false, -1, twoHours, {10, 3610}},
        {"lifted for 30 seconds each time: it did not help", 1, 30, 0, false, -1, twoHours, neverLifts},
        {"lifted for four minutes each time: it did not help", 1, 240, 0, false, -1, twoHours, neverLifts},
        {"menu and hot key recoveries leave the rest as it is", 1, 0, 0, true, -1, twoHours, neverLifts},
        {"back after six quiet minutes: handled on its first tick", 1, 360, 0, false, -1, twoHours,
         every(361, twoHours)}, // 360 quiet ticks, back on the 361st
        {"one recovery lifts it for good", 1, -1, 0, false, -1, 600, {0}},
        {"RecoveryBackoff 0: every tick", 0, 0, 0, false, -1, 600, every(1, 600)},
        {"switched on in a shortage: the first rest is an hour", 0, 0, 0, false, 101, 3800, switchedOn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prepare(c.backoff);
        int liftedUntil = -1; // the tick from which the shortage is back
        bool liftedForGood = false;
        host.afterPass = [&](int) {
            if (c.liftsFor == -1)
                liftedForGood = true;
            else if (c.liftsFor > 0)
                liftedUntil = now + 1 + c.liftsFor;
            if (c.liftsFor != 0)
                host.avail = kPlenty;
        };
        const auto machine = [&](int tick) {
            host.avail = liftedForGood || tick < liftedUntil ? kPlenty : kShort;
            engineState().cpuUsage = tick < c.busyTicks ? 99.5 : 10.5;
            if (tick == c.switchedOnAt)
                engineState().settings.RecoveryBackoff = 1;
            if (c.manualRecoveries && tick % 50 == 25) {
                handleCommand(IDM_FREEUP_X);
                handleHotKey(static_cast<std::int64_t>('R') << 16 | kHotKeyModifiers);
            }
        };
        engineState().settings.Hotkey1 = 'R';
        EXPECT_EQ(run(c.ticks, machine), c.expected);
    }
}

TEST_F(LowMemoryRestTest, AShortageThatOneRecoveryLiftsGoesAsItDidWithoutTheRest)
{
    std::vector<std::vector<std::string>> events;
    for (std::uint32_t backoff : {0u, 1u}) {
        prepare(backoff);
        host.afterPass = [&](int) { host.avail = kPlenty; };
        run(900, [&](int tick) {
            if (tick == 0 || tick == 400)
                host.avail = kShort; // and a second one, after a quiet spell
        });
        events.push_back(host.events);
    }
    EXPECT_EQ(events[0], events[1]);
}

TEST_F(LowMemoryRestTest, OneNothingRecoveredNoticeAShortage)
{
    const std::string nothing = "No RAM could be recovered";
    // Every tick fruitless: one notice for the whole run, with or without the rest.
    for (std::uint32_t backoff : {0u, 1u}) {
        SCOPED_TRACE(backoff);
        prepare(backoff);
        EXPECT_GE(run(3601).size(), 2u);
        EXPECT_EQ(notices(), std::vector<std::string>{nothing});
    }

    // A recovery that frees memory still says so, and a fruitless one after it
    // starts a new run; a menu recovery always gives its own notice; after a
    // quiet spell the next shortage is a new one.
    prepare(0);
    int tick = 0;
    host.afterPass = [&](int) {
        if (tick == 3)
            host.avail = kShort + 500;
    };
    run(8, [&](int t) {
        tick = t;
        host.avail = kShort;
        if (t == 6)
            handleCommand(IDM_FREEUP_X);
    });
    const std::string freed = "Recovered 500 MB, 1500 MB free now";
    EXPECT_EQ(notices(), (std::vector<std::string>{nothing, freed, nothing, nothing}));
    host.events.clear();
    run(301, [&](int t) { host.avail = t < 300 ? kPlenty : kShort; });
    EXPECT_EQ(notices(), std::vector<std::string>{nothing});
}

} // namespace
