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

// Linux's room: RAM and swap together, so that with swap on a recovery can push
// idle pages out, while without swap everything stays as on RAM alone.
TEST(Reserve, FreeSwapCountsBesideRamAndWithoutSwapNothingChanges)
{
    constexpr std::uint64_t ram = 24 * GiB;
    constexpr std::uint64_t swapLine = 2 * GiB + 16 * MiB; // a twentieth of 40 GiB, one allowance
    const std::uint64_t ramLine = safetyReserve(ram) + 16 * MiB;
    struct Case {
        const char* name;
        std::uint64_t available; // of RAM
        std::uint64_t swapTotal;
        std::uint64_t swapFree;
        std::uint64_t roomLimit;
        std::uint64_t roomAvailable;
        bool mayObtain;
    };
    const Case cases[] = {
        // No swap: the room is the physical one, to the byte.
        {"no swap, 1000 MiB", 1000 * MiB, 0, 0, ram, 1000 * MiB, false},
        {"no swap, at the line", ramLine, 0, 0, ram, ramLine, true},
        {"no swap, a byte below", ramLine - 1, 0, 0, ram, ramLine - 1, false},
        // Swap on: the limit and the room grow by the swap.
        {"16 GiB swap free, 1000 MiB", 1000 * MiB, 16 * GiB, 16 * GiB, ram + 16 * GiB, 1000 * MiB + 16 * GiB, true},
        {"swap full, 1000 MiB", 1000 * MiB, 16 * GiB, 0, ram + 16 * GiB, 1000 * MiB, false},
        // The line is a twentieth of RAM and swap together: stricter than RAM's alone.
        {"swap full, RAM at its old line", ramLine, 16 * GiB, 0, ram + 16 * GiB, ramLine, false},
        {"RAM and swap at the line", 1000 * MiB, 16 * GiB, swapLine - 1000 * MiB, ram + 16 * GiB, swapLine, true},
        {"RAM and swap a byte below", 1000 * MiB, 16 * GiB, swapLine - 1000 * MiB - 1, ram + 16 * GiB, swapLine - 1,
         false},
        // A torn reading with more free than total counts no more than the total.
        {"free above total", 1000 * MiB, 1 * GiB, 2 * GiB, ram + 1 * GiB, 1000 * MiB + 1 * GiB, true},
    };
    for (const Case& c : cases) {
        const os::MemoryRoom room = os::roomWithSwap({ram, c.available}, c.swapTotal, c.swapFree);
        EXPECT_EQ(room.limit, c.roomLimit) << c.name;
        EXPECT_EQ(room.available, c.roomAvailable) << c.name;
        ReserveGate gate([&](os::MemoryRoom& shown) {
            shown = room;
            return true;
        });
        EXPECT_EQ(gate.mayObtain(), c.mayObtain) << c.name;
    }
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
        const RecoveryOutcome outcome = recoverRAM(8100, RecoveryTrigger::request);
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
    recoverRAM(8100, RecoveryTrigger::request);
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
    const RecoveryOutcome outcome = recoverRAM(8100, RecoveryTrigger::request);
    EXPECT_EQ(host.passBlocks.at(0), 16u);
    EXPECT_LT(outcome.blocks, 3u * 8100);
}

} // namespace
} // namespace quenby::engine
