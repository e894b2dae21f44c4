#include "engine/history.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include "engine/engine_state.h"

namespace quenby::engine {
namespace {

std::int64_t now()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void note(const HistoryEntry& entry)
{
    EngineState& s = engineState();
    // A file that can't be written costs the history its next restart, not
    // the recovery anything.
    if (s.history.add(entry))
        s.host->saveHistory(historyFileText(s.history.entries()));
}

} // namespace

void loadHistory()
{
    EngineState& s = engineState();
    const auto text = s.host->loadHistory();
    s.history.assign(text ? parseHistoryFile(*text) : std::vector<HistoryEntry>{});
}

void noteRefusal(RecoveryTrigger trigger, RecoveryRefusal refusal)
{
    const std::uint32_t free = engineState().availRAM;
    note({now(), trigger, refusal, free, free, 0, 0});
}

void noteRecovery(RecoveryTrigger trigger, std::uint32_t freeBeforeMB, std::uint32_t freeAfterMB,
                  std::uint64_t blocks, std::uint32_t tenthsOfSecond)
{
    const auto taken = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(blocks, std::numeric_limits<std::uint32_t>::max()));
    note({now(), trigger, RecoveryRefusal::none, freeBeforeMB, freeAfterMB, taken, tenthsOfSecond});
}

} // namespace quenby::engine
