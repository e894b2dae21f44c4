// The safety reserve that every recovery block passes, against figures the test
// sets: where the line lies, how often it is looked at, that every pass starts
// with a fresh look, and that a recovery's passes end at it.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/recovery.h"
#include "engine/reserve_gate.h"
#include "tests/engine/recording_host.h"

namespace quenby::engine {
namespace {

constexpr std::uint64_t MiB = std::uint64_t{1} << 20;
constexpr std::uint64_t GiB = std::uint64_t{1} << 30;

TEST(Reserve, IsATwentiethOfTheLimitAndNeverLessThan512MiB)
{
    struct Case {
        std::uint64_t limit;
        std::uint64_t reserve;
    };
    for (const Case& c : {Case{32 * GiB, 32 * GiB / 20}, Case{10240 * MiB, 512 * MiB},
                          Case{8 * GiB, 512 * MiB}, Case{0, 512 * MiB}})
        EXPECT_EQ(safetyReserve(c.limit), c.reserve) << c.limit;
}

TEST(Reserve, EverySixteenBlocksAndEveryNewPassLookAgain)
{
    os::MemoryRoom shown{16 * GiB, 0};
    const std::uint64_t line = safetyReserve(shown.limit) + 16 * MiB;
    shown.available = line;
    int looks = 0;
    ReserveGate gate([&](os::MemoryRoom& room) {
        ++looks;
        room = shown;
        return true;
    });
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(gate.mayObtain());
    EXPECT_EQ(looks, 1);
    EXPECT_TRUE(gate.mayObtain());
    EXPECT_EQ(looks, 2);

    // The pass ends with 15 blocks of its allowance unspent, and by the next pass
    // the room has fallen below the line: the first block of that pass is refused.
    gate.newPass();
    shown.available = line - 1;
    EXPECT_FALSE(gate.mayObtain());
    EXPECT_EQ(looks, 3);
}

// A recovery of three passes of 8100 blocks each, on a machine whose room the
// case sets; each block held takes 1 MiB of it.
class RecoveryReserve : public testing::Test {
protected:
    void SetUp() override
    {
        resetEngineState(host, host.registry);
        setupEngine();
        host.roomLimit = 16 * GiB;
        host.lowestRoom = ~std::uint64_t{0};
        host.passBlocks.clear();
    }
    std::uint64_t line() const { return safetyReserve(host.roomLimit) + 16 * MiB; }
    test::RecordingHost host;
};

TEST_F(RecoveryReserve, PassesEndAtTheReserveAndNeverGoBelowIt)
{
    struct Case {
        const char* name;
        std::int64_t aboveLine; // MiB of room above the line when the recovery starts
        bool readable;
        std::uint64_t blocks;   // obtained over the three passes
    };
    const Case cases[] = {
        {"plenty", 100000, true, 3 * 8100},
        {"100 MiB above", 100, true, 3 * 112}, // looks at +100, +84 ... +4: 7 allowances
        {"at the line", 0, true, 3 * 16},
        {"just below", -1, true, 0},
        {"unreadable", 100000, false, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        host.roomAvailable = line() + c.aboveLine * static_cast<std::int64_t>(MiB);
        host.roomReadable = c.readable;
        const RecoveryOutcome outcome = recoverRAM(8100);
        EXPECT_EQ(outcome.blocks, c.blocks) << c.name;
        if (c.blocks > 0) {
            EXPECT_GE(host.lowestRoom, safetyReserve(host.roomLimit)) << c.name;
        }
        EXPECT_EQ(host.outstandingBlocks(), 0u) << c.name;
    }
}

TEST_F(RecoveryReserve, ALimitThatChangesDuringThePassIsFollowed)
{
    // Windows grows a page file that may grow when commit runs short: after the
    // first allowance the limit and the room grow by 4 GiB, and the pass goes on
    // to the new line instead of stopping at the old one.
    host.roomAvailable = line();
    int looks = 0;
    host.duringRoomLook = [&] {
        if (++looks == 2) {
            host.roomLimit += 4 * GiB;
            host.roomAvailable += 4 * GiB;
            host.lowestRoom = ~std::uint64_t{0}; // from here on the new line counts
        }
    };
    recoverRAM(8100);
    ASSERT_FALSE(host.passBlocks.empty());
    EXPECT_GT(host.passBlocks[0], 16u);
    EXPECT_GE(host.lowestRoom, safetyReserve(host.roomLimit));
}

TEST_F(RecoveryReserve, RoomThatShrinksUnderAPassEndsItAtTheNextLook)
{
    // Another program took the room an allowance assumed: the pass stops at the
    // next look, not at the end of its count.
    host.roomAvailable = line() + 1000 * MiB;
    int looks = 0;
    host.duringRoomLook = [&] {
        if (++looks == 2)
            host.roomAvailable = line() - 1;
    };
    const RecoveryOutcome outcome = recoverRAM(8100);
    EXPECT_EQ(host.passBlocks.at(0), 16u);
    EXPECT_LT(outcome.blocks, 3u * 8100);
}

} // namespace
} // namespace quenby::engine
