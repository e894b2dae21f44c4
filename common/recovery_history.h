// What each recovery did, and what kept one from running: the last
// kHistoryLimit of them. The engine records them and keeps them in a file of
// the user's own; the control panel and quenbyctl read that file.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quenby {

inline constexpr std::size_t kHistoryLimit = 100;
// The file's name in the user's settings folder, and the most of it ever read:
// a header and kHistoryLimit lines of at most 80 characters fit with room.
inline constexpr std::u16string_view kHistoryFileName = u"history.txt";
inline constexpr std::size_t kHistoryFileMaxBytes = 16 * 1024;

// What started a recovery.
enum class RecoveryTrigger : std::uint8_t { lowMemory, interval, startup, menu, hotKey, request };

// Why a recovery did not run; `none` for one that ran.
enum class RecoveryRefusal : std::uint8_t {
    none,
    busyProcessor,    // the CPU guard: the processor was busier than free RAM allows
    anotherSession,   // another session's recovery held the machine-wide lock
    fullScreen,       // a full-screen program, game or presentation had the screen
    protectedProgram, // a program the user protects was running
    resting,          // the low-memory rule rests after a recovery that did not help
    enoughFree,       // more than three quarters of the RAM was free already
};

struct HistoryEntry {
    std::int64_t time = 0; // seconds since 1970 (UTC)
    RecoveryTrigger trigger = RecoveryTrigger::menu;
    RecoveryRefusal refusal = RecoveryRefusal::none;
    std::uint32_t freeBeforeMB = 0;
    std::uint32_t freeAfterMB = 0;  // as before, for a refusal
    std::uint32_t takenMB = 0;      // the blocks obtained over all passes
    std::uint32_t tenthsOfSecond = 0; // how long it took

    bool operator==(const HistoryEntry&) const = default;
};

class RecoveryHistory {
public:
    // Adds an entry, dropping the oldest beyond the limit. A refusal whose
    // cause is that of the latest entry of the same trigger is the same
    // episode (a shortage through a game asks every second): it is not added.
    // Returns whether the history changed.
    bool add(const HistoryEntry& entry);
    const std::deque<HistoryEntry>& entries() const { return entries_; }
    void assign(std::vector<HistoryEntry> entries);

private:
    std::deque<HistoryEntry> entries_;
};

// The file's text, oldest first.
std::string historyFileText(const std::deque<HistoryEntry>& entries);

// The entries of a file's text; none when it is not such a file or any part of
// it is damaged: a history that can't be trusted whole is started afresh.
std::vector<HistoryEntry> parseHistoryFile(std::string_view text);

// One entry in plain English words on one line, local time first, as
// quenbyctl prints it.
std::string describeInEnglish(const HistoryEntry& entry);

} // namespace quenby
