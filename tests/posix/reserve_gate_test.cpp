// The safety reserve of the Linux engine's recovery blocks, against memory
// figures the test sets: where the line lies, how often it is looked at, and that
// every pass starts with a fresh look.
#include <gtest/gtest.h>

#include "engine/os/posix/reserve_gate.h"

namespace quenby::engine {
namespace {

constexpr std::uint64_t MiB = std::uint64_t{1} << 20;

os::MemoryStatus shown;
bool readable = true;
int looks = 0;

bool fakeStatus(os::MemoryStatus& status)
{
    ++looks;
    status = shown;
    return readable;
}

class Reserve : public testing::Test {
protected:
    void SetUp() override
    {
        shown = {};
        shown.totalPhys = 16384 * MiB;
        readable = true;
        looks = 0;
    }
    // The least available memory at which a look allows blocks.
    static std::uint64_t line() { return safetyReserve(shown.totalPhys) + 16 * MiB; }
};

TEST_F(Reserve, TheLineIsTheReservePlusOneAllowance)
{
    EXPECT_EQ(safetyReserve(16384 * MiB), 16384 * MiB / 20);
    EXPECT_EQ(safetyReserve(2048 * MiB), 256 * MiB); // small machines keep 256 MiB

    struct Case {
        std::uint64_t avail;
        bool readable;
        bool allowed;
    };
    for (const Case& c : {Case{line(), true, true}, Case{line() - 1, true, false},
                          Case{line() + 1000 * MiB, false, false}}) {
        shown.availPhys = c.avail;
        readable = c.readable;
        ReserveGate gate(fakeStatus);
        EXPECT_EQ(gate.mayObtain(), c.allowed) << c.avail << (c.readable ? "" : " unreadable");
    }
}

TEST_F(Reserve, EverySixteenBlocksAndEveryNewPassLookAgain)
{
    ReserveGate gate(fakeStatus);
    shown.availPhys = line();
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(gate.mayObtain());
    EXPECT_EQ(looks, 1);
    EXPECT_TRUE(gate.mayObtain());
    EXPECT_EQ(looks, 2);

    // The pass ends with 15 blocks of its allowance unspent, and by the next pass
    // memory has fallen below the line: the first block of that pass is refused.
    gate.released();
    shown.availPhys = line() - 1;
    EXPECT_FALSE(gate.mayObtain());
    EXPECT_EQ(looks, 3);
}

} // namespace
} // namespace quenby::engine
