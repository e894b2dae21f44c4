#include "engine/system_host.h"

#include "common/engine_link.h"
#include "common/identity.h"
#include "common/os/keyboard.h"
#include "common/os/memory.h"
#include "common/os/process_list.h"
#include "common/os/user_file.h"
#include "common/os/windowlink.h"
#include "common/recovery_history.h"
#include "common/sampling.h"

namespace quenby::engine {

bool SystemEngineHost::engineWindowExists()
{
    return static_cast<bool>(engineWindow());
}

void SystemEngineHost::postToPanel(std::uint32_t message)
{
    os::postToWindow(panelWindowClass(), kPanelWindowTitle, message);
}

std::uint32_t SystemEngineHost::totalPhysicalMB()
{
    return quenby::totalPhysicalMB();
}

std::uint32_t SystemEngineHost::availablePhysicalMB()
{
    return quenby::availablePhysicalMB();
}

std::uint32_t SystemEngineHost::freeMemoryPercent()
{
    return quenby::freeMemoryPercent();
}

bool SystemEngineHost::recoveryRoom(os::MemoryRoom& room)
{
    return os::queryRecoveryRoom(room);
}

// The layout of the calling thread, which is the engine window's: the one
// whose keys the user presses while the engine runs.
os::HotKeyChoice SystemEngineHost::hotKeyFor(char16_t character)
{
    return os::ctrlAltHotKey(character);
}

bool SystemEngineHost::protectedProgramRuns(const ProtectedPrograms& programs)
{
    return os::programRunsInSession([&](std::u16string_view name) { return programs.protects(name); });
}

std::optional<std::string> SystemEngineHost::loadHistory()
{
    return os::readUserFile(kHistoryFileName, kHistoryFileMaxBytes);
}

void SystemEngineHost::saveHistory(std::string_view text)
{
    os::replaceUserFile(kHistoryFileName, text);
}

} // namespace quenby::engine
