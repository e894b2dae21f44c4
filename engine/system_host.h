// The part of an engine host that is the same on every real platform: finding
// windows and posting through the window link, and the memory figures of the
// sampling layer, the process list and the user's history file. The Win32 and Linux hosts derive from it.
#pragma once

#include "engine/host.h"

namespace quenby::engine {

class SystemEngineHost : public EngineHost {
public:
    bool engineWindowExists() override;
    void postToPanel(std::uint32_t message) override;
    std::uint32_t totalPhysicalMB() override;
    std::uint32_t availablePhysicalMB() override;
    std::uint32_t freeMemoryPercent() override;
    bool recoveryRoom(os::MemoryRoom& room) override;
    os::HotKeyChoice hotKeyFor(char16_t character) override;
    bool protectedProgramRuns(const ProtectedPrograms& programs) override;
    std::optional<std::string> loadHistory() override;
    void saveHistory(std::string_view text) override;
};

} // namespace quenby::engine
