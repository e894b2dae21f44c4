// The recovery history: its bound, what counts as one episode, and its file,
// which is read back whole or not at all.
#include <gtest/gtest.h>

#include "common/recovery_history.h"

namespace quenby {
namespace {

HistoryEntry ran(std::int64_t time)
{
    return {time, RecoveryTrigger::menu, RecoveryRefusal::none, 800, 2100, 1400, 32};
}

TEST(RecoveryHistory, KeepsTheLatestHundredAndOneEntryAnEpisode)
{
    RecoveryHistory history;
    for (int i = 0; i < 150; ++i)
        EXPECT_TRUE(history.add(ran(i)));
    ASSERT_EQ(history.entries().size(), kHistoryLimit);
    EXPECT_EQ(history.entries().front().time, 50);

    const HistoryEntry busy{200, RecoveryTrigger::lowMemory, RecoveryRefusal::busyProcessor, 700, 700, 0, 0};
    const HistoryEntry paused{201, RecoveryTrigger::startup, RecoveryRefusal::fullScreen, 700, 700, 0, 0};
    EXPECT_TRUE(history.add(busy));
    EXPECT_TRUE(history.add(paused));
    // The same rule refused for the same cause again, in between another's: one episode.
    EXPECT_FALSE(history.add(busy));
    EXPECT_FALSE(history.add(paused));
    HistoryEntry rested = busy;
    rested.refusal = RecoveryRefusal::resting;
    EXPECT_TRUE(history.add(rested));
    EXPECT_TRUE(history.add(busy));
    EXPECT_TRUE(history.add(ran(300))); // what ran is always noted
    EXPECT_TRUE(history.add(ran(300)));
}

TEST(RecoveryHistory, TheFileIsReadBackWholeOrStartedAfresh)
{
    RecoveryHistory history;
    for (int i = 0; i < 100; ++i)
        history.add({1765360000 + i, static_cast<RecoveryTrigger>(i % 6), static_cast<RecoveryRefusal>(i % 7),
                     4294967295u, 0, 1400, 32});
    const std::string file = historyFileText(history.entries());
    const std::vector<HistoryEntry> read = parseHistoryFile(file);
    EXPECT_EQ(std::deque<HistoryEntry>(read.begin(), read.end()), history.entries());
    EXPECT_LE(file.size(), kHistoryFileMaxBytes);

    const std::string header = file.substr(0, file.find('\n') + 1);
    const std::string line = "1765360000 menu ran 800 2100 1400 32\n";
    ASSERT_EQ(parseHistoryFile(header + line).size(), 1u);
    const struct {
        const char* name;
        std::string text;
    } damaged[] = {
        {"not ours", "1765360000 menu ran 800 2100 1400 32\n"},
        {"cut short", header + line.substr(0, 20)},
        {"a line too many", file + line},
        {"larger than the bound", header + std::string(kHistoryFileMaxBytes, '#')},
        {"an unknown cause", header + "1765360000 menu slept 800 2100 1400 32\n"},
        {"a field too many", header + "1765360000 menu ran 800 2100 1400 32 7\n"},
        {"a negative figure", header + "1765360000 menu ran -800 2100 1400 32\n"},
        {"a figure beyond 32 bits", header + "1765360000 menu ran 4294967296 2100 1400 32\n"},
        {"binary", header + std::string("1765360000 menu ran 800 2100 1400 32\0\xff\n", 40)},
        {"a line too long", header + "1765360000 menu ran 800 2100 1400 " + std::string(90, '3') + "\n"},
    };
    for (const auto& d : damaged)
        EXPECT_TRUE(parseHistoryFile(d.text).empty()) << d.name;
}

} // namespace
} // namespace quenby
