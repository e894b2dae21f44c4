#include "engine/tray.h"

#include "common/sampling.h"
#include "engine/engine_state.h"
#include "engine/strings.h"
#include "engine/tray_picture.h"

namespace quenby::engine {
namespace {

// The shell keeps 127 characters of a tooltip, plus the terminator.
constexpr std::size_t kTooltipCapacity = 128;
constexpr std::size_t kLineCapacity = 64;

// Clears the re-entry guard of updateTray on every way out.
struct UpdateGuard {
    bool& busy;
    ~UpdateGuard() { busy = false; }
};

} // namespace

void runCpuSampler()
{
    EngineState& s = engineState();
    s.cpuUsage = measureCpuUsage();
    --s.samplersAlive;
}

std::int32_t sampleStatus(std::uint32_t mode, std::uint32_t& freeMB, std::uint32_t& freePercent,
                          std::int32_t& cpu)
{
    EngineState& s = engineState();
    freeMB = s.host->availablePhysicalMB();
    freePercent = s.host->freeMemoryPercent();
    // Any process of the desktop can post the messages that force an update, so
    // updates can come far faster than once a second. Each sampler lives about a
    // second: with two still measuring, a third would only add a thread, not a
    // fresher figure, so none starts and the latest finished value is shown.
    if (s.samplersAlive.load() < kMaxSamplersAlive) {
        ++s.samplersAlive;
        if (!s.host->startCpuSampler()) {
            --s.samplersAlive;
            s.cpuUsage = -1.0;
        }
    }
    // The latest finished sample, not the one just started.
    cpu = static_cast<std::int32_t>(s.cpuUsage.load());
    if (mode == 0)
        return cpu;
    if (mode == 1 && s.largeRAM)
        return static_cast<std::int32_t>(freePercent);
    return static_cast<std::int32_t>(freeMB);
}

std::u16string buildTooltip(std::uint32_t freeMB, std::uint32_t freePercent, std::int32_t cpu)
{
    std::u16string tip = text(IDS_TIP_TITLE);
    tip += formatText(text(IDS_TIP_FREE), {decimal(freeMB), decimal(freePercent)}, kLineCapacity);
    tip += formatText(text(IDS_TIP_CPU), {decimal(cpu)}, kLineCapacity);
    if (tip.size() > kTooltipCapacity - 1)
        tip.resize(kTooltipCapacity - 1);
    return tip;
}

void refreshTrayImage(bool recovering, std::uint16_t textColor, bool force)
{
    EngineState& s = engineState();
    if (s.tray.shownValue == s.tray.lastDrawnValue && !force)
        return;
    // The old image goes first, so the engine holds one image at a time; if it
    // can't go, it stays in use and the next update tries again.
    if (!s.host->tray().destroyImage())
        return;
    s.host->tray().renderImage(trayPictureFor(optimizerEnabled(), s.settings.darkTheme, recovering,
                                           textColor, s.tray.shownValue, s.tray.contrast));
    s.tray.lastDrawnValue = s.tray.shownValue;
}

void updateTray(bool force)
{
    EngineState& s = engineState();
    TrayState& tray = s.tray;
    if (tray.trayUpdateBusy)
        return;
    tray.trayUpdateBusy = true;
    UpdateGuard guard{tray.trayUpdateBusy};

    if (s.settings.HideTrayIcon != 0 && tray.trayIconShown) {
        s.host->tray().notify(TrayAction::remove, tray.tooltip);
        tray.trayIconShown = false;
        return;
    }

    std::uint32_t freePercent = 0;
    std::int32_t cpu = 0;
    tray.shownValue = sampleStatus(s.settings.TrayIconInfo, s.availRAM, freePercent, cpu);
    refreshTrayImage(s.recovering, s.settings.TrayIconTextColor, force);
    tray.tooltip = buildTooltip(s.availRAM, freePercent, cpu);

    if (!tray.trayIconShown && s.settings.HideTrayIcon != 0)
        return;
    // What the shell answers decides, not what the engine assumed. An add is
    // refused for an icon that is still there (Explorer announces a new taskbar
    // also after a change of scale or a remote connection, keeping the icons),
    // a modify for one that is gone (a shell that restarted unnoticed): each
    // refusal is followed by the other request, once. Both refused (a
    // notification area not ready yet at logon): the next tick tries again.
    const bool wasShown = tray.trayIconShown;
    const TrayAction first = wasShown ? TrayAction::modify : TrayAction::add;
    const TrayAction second = wasShown ? TrayAction::add : TrayAction::modify;
    tray.trayIconShown = s.host->tray().notify(first, tray.tooltip) || s.host->tray().notify(second, tray.tooltip);
    if (tray.trayIconShown && tray.pendingNotice) {
        const auto [title, body] = std::move(*tray.pendingNotice);
        tray.pendingNotice.reset();
        s.host->tray().showNotice(title, body);
    }
}

void tellUser(const std::u16string& title, const std::u16string& text)
{
    EngineState& s = engineState();
    if (s.tray.trayIconShown)
        s.host->tray().showNotice(title, text);
    else
        s.tray.pendingNotice.emplace(title, text); // the latest one is what counts
}

} // namespace quenby::engine
