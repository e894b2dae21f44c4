// The engine's side of the recovery history: what each recovery did and why
// one did not run, kept across restarts in the user's history file.
#pragma once

#include <cstdint>

#include "common/recovery_history.h"

namespace quenby::engine {

// Reads the file a previous engine left; a damaged one is started afresh.
void loadHistory();

// Records a refusal, with free RAM as it stood: the file is rewritten only
// when the history changed (a refusal repeating the last one does not).
void noteRefusal(RecoveryTrigger trigger, RecoveryRefusal refusal);

// Records a recovery that ran.
void noteRecovery(RecoveryTrigger trigger, std::uint32_t freeBeforeMB, std::uint32_t freeAfterMB,
                  std::uint64_t blocks, std::uint32_t tenthsOfSecond);

} // namespace quenby::engine
