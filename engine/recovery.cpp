#include "engine/recovery.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "engine/engine_state.h"
#include "engine/history.h"
#include "engine/reserve_gate.h"
#include "engine/strings.h"
#include "engine/tray.h"

namespace quenby::engine {
namespace {

// The recovering look (yellow bar) on or off: a fresh display value, a forced
// redraw, and the record sent to the shell. The sample's memory figures are not
// kept.
void showRecoveringLook(bool recovering)
{
    EngineState& s = engineState();
    std::uint32_t freeMB = 0, freePercent = 0;
    std::int32_t cpu = 0;
    s.tray.shownValue = sampleStatus(s.settings.TrayIconInfo, freeMB, freePercent, cpu);
    refreshTrayImage(recovering, s.settings.TrayIconTextColor, true);
    s.host->tray().notify(TrayAction::modify, s.tray.tooltip);
}

// A notice's text holds what the shell's balloon does: 255 characters and the
// terminator.
constexpr std::size_t kFeedbackCapacity = 256;

// The end state of a recovery, reached on every way out of it, unwinding included.
struct RecoveryEnd {
    // The notice to give, once the passes are over; empty for none (no pass ran,
    // the user did not ask for it, or the passes were left by unwinding).
    std::u16string feedback;
    // The recovering look was put on and must come off.
    bool lookShown = false;

    ~RecoveryEnd()
    {
        EngineState& s = engineState();
        if (lookShown)
            showRecoveringLook(false);
        // After the green bar is back, so that the notice's record carries the
        // icon as it stays; still inside the recovery, so that nothing can start
        // another one meanwhile.
        if (!feedback.empty())
            s.host->tray().showNotice(text(IDS_RECOVERED_TITLE), feedback);
        // Only a recovery that ran starts the interval afresh: one refused is
        // tried again on a later tick.
        if (lookShown)
            s.autoTicks = 0;
        s.recovering = false;
    }
};

// One pass: obtain up to `count` committed blocks, as long as the reserve
// allows, then release exactly those. Returns how many it obtained.
std::size_t recoveryPass(std::uint32_t count, ReserveGate& reserve, std::vector<void*>& blocks)
{
    EngineHost& host = *engineState().host;
    blocks.clear();
    reserve.newPass();
    for (std::uint32_t i = 0; i < count; ++i) {
        // The pass ends above the reserve, before the system has to refuse
        // anyone an allocation, not at our own failed one.
        if (!reserve.mayObtain())
            break;
        void* block = host.obtainBlock();
        if (!block)
            break; // no more memory to be had in this pass
        blocks.push_back(block);
    }
    for (void* block : blocks)
        host.releaseBlock(block);
    const std::size_t obtained = blocks.size();
    blocks.clear();
    return obtained;
}

// The machine-wide lock, so that the recoveries of two sessions do not trim
// the same programs twice over: a recovery gives way while another session's
// runs, as to a busy processor. But any signed-in user may take the lock and
// keep it, so it is awaited only so long: held by someone else through
// refusals spread over more than kRecoveryLockPatienceTicks, it no longer
// counts, and the recovery runs without it.
struct MachineLock {
    EngineHost& host;
    bool held = host.lockRecoveries();

    bool mayRun() const
    {
        EngineState& s = engineState();
        if (held) {
            s.recoveryLockRefusedSince.reset();
            return true;
        }
        if (!s.recoveryLockRefusedSince)
            s.recoveryLockRefusedSince = s.ticks;
        return s.ticks - *s.recoveryLockRefusedSince >= kRecoveryLockPatienceTicks;
    }
    ~MachineLock()
    {
        if (held)
            host.unlockRecoveries();
    }
};

} // namespace

std::uint32_t cpuGuardThreshold(std::uint32_t availMB, std::uint32_t totalMB)
{
    if (availMB < 10)
        return 100;
    const double share = static_cast<double>(availMB) / static_cast<double>(totalMB);
    if (share <= 0.25)
        return 85;
    if (share <= 0.5)
        return 75;
    if (share <= 0.75)
        return 65;
    return 60;
}

std::u16string recoveryFeedbackText(std::uint32_t before, std::uint32_t after)
{
    if (after <= before)
        return text(IDS_NOTHING_RECOVERED);
    return formatText(text(IDS_RECOVERED), {decimal(after - before), decimal(after)},
                      kFeedbackCapacity);
}

RecoveryOutcome recoverRAM(std::uint32_t target, RecoveryTrigger trigger, NothingRecoveredNotice nothingNotice)
{
    EngineState& s = engineState();
    if (target > s.totalRAM / 2)
        target = s.availRAM + 2; // a request that big recovers only a little
    RecoveryOutcome outcome;
    if (s.recovering)
        return outcome;
    s.recovering = true;
    outcome.freeAfter = s.availRAM;
    RecoveryEnd end;

    // Everything that may refuse the recovery is asked first: a refused one
    // must cost the user nothing, neither the alarm nor what they copied.
    std::uint32_t freeMB = 0, freePercent = 0;
    std::int32_t cpu = 0;
    sampleStatus(s.settings.TrayIconInfo, freeMB, freePercent, cpu);
    const std::uint32_t threshold = cpuGuardThreshold(s.availRAM, s.totalRAM);
    // No sample (-1) compares as the largest number and so always gives way.
    const auto refused = [&](RecoveryRefusal cause) {
        noteRefusal(trigger, cause);
        return outcome;
    };
    if (static_cast<std::uint32_t>(cpu) > threshold && s.settings.Disable_CPU_detect == 0)
        return refused(RecoveryRefusal::busyProcessor);

    target = std::min(target, s.ramCeiling);
    if (s.availRAM >= s.ramCeiling)
        return refused(RecoveryRefusal::enoughFree);

    MachineLock machineLock{*s.host};
    if (!machineLock.mayRun())
        return refused(RecoveryRefusal::anotherSession);

    outcome.ran = true;
    end.lookShown = true;
    showRecoveringLook(true);
    if (s.settings.PlaySound == 1)
        s.host->playSound(s.settings.Music);
    if (s.settings.AutoclearClipboard == 1)
        s.host->clearClipboard();

    const std::uint32_t before = s.availRAM;
    const auto started = std::chrono::steady_clock::now();
    std::vector<void*> blocks;
    blocks.reserve(std::min(target, kMaxBlocksPerPass));
    ReserveGate reserve([&host = *s.host](os::MemoryRoom& room) { return host.recoveryRoom(room); });
    int pass = 1;
    for (; s.availRAM < target && pass <= kMaxPasses; ++pass) {
        outcome.blocks += recoveryPass(std::min(target, kMaxBlocksPerPass), reserve, blocks);
        s.availRAM = s.host->availablePhysicalMB();
    }
    outcome.passesRan = pass > 1;
    outcome.freeAfter = s.availRAM;
    outcome.freedMemory = s.availRAM > before;
    const auto tenths = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                              started).count() / 100;
    noteRecovery(trigger, before, s.availRAM, outcome.blocks, static_cast<std::uint32_t>(tenths));
    const bool saysNothing = outcome.passesRan && !outcome.freedMemory &&
                             nothingNotice == NothingRecoveredNotice::skip;
    if (outcome.passesRan && s.settings.NotifyRecovery == 1 && !saysNothing)
        end.feedback = recoveryFeedbackText(before, s.availRAM);
    return outcome;
}

} // namespace quenby::engine
