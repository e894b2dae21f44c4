#include "engine/commands.h"

#include "common/os/process.h"
#include "common/settings.h"
#include "engine/engine_state.h"
#include "engine/recovery.h"
#include "engine/strings.h"
#include "engine/tray.h"

namespace quenby::engine {
namespace {

// The icon's events.
constexpr std::uint32_t WM_CONTEXTMENU = 0x007B;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
constexpr std::uint32_t NIN_SELECT = 0x0400;    // WM_USER: selected by click, Enter or Space
constexpr std::uint32_t NIN_KEYSELECT = 0x0401; // NIN_SELECT | NINF_KEY
constexpr std::size_t kErrorTextCapacity = 100;
// A power failure's text carries the system's own description, which may be long.
constexpr std::size_t kPowerErrorCapacity = 512;
constexpr std::size_t kLongPathChars = 32768;

void recoverBeyondFree(std::uint32_t amount)
{
    EngineState& s = engineState();
    // The latest sample's figure: no new one is taken first.
    recoverRAM(s.availRAM + amount, RecoveryTrigger::menu);
}

// The power commands ask first; only Yes goes on.
bool confirmed(unsigned question)
{
    return engineState().host->confirm(text(question), text(IDS_CONFIRM));
}

// A power command the system refused is said, with the system's reason: else
// the user waits for a restart that never comes.
void reportPowerFailure(unsigned message, std::uint32_t error)
{
    if (error == 0)
        return;
    EngineHost& host = *engineState().host;
    std::u16string shown = formatText(text(message), {decimal(error), host.errorText(error)}, kPowerErrorCapacity);
    while (!shown.empty() && (shown.back() == u' ' || shown.back() == u'\n' || shown.back() == u'\r'))
        shown.pop_back();
    host.showError(shown, text(IDS_ERROR));
}

// Sleep as this machine sleeps. A machine with Modern Standby has no sleep a
// program may start: the system's sleep call hibernates it instead, or does
// nothing with hibernation off. Hibernation instead of sleep is never done
// without the user's word.
void suspendWindows()
{
    EngineHost& host = *engineState().host;
    const SleepRoute route = sleepRouteFor(host.sleepSupport());
    if (route == SleepRoute::modernStandby) {
        host.inform(text(IDS_MODERN_STANDBY), text(IDS_SUSPEND));
        return;
    }
    if (!confirmed(route == SleepRoute::sleep ? IDS_CONFIRM_SUSPEND : IDS_CONFIRM_HIBERNATE_INSTEAD))
        return;
    // Without the privilege the call can only fail: its refusal is said.
    if (const std::uint32_t refused = host.setShutdownPrivilege(true); refused != 0) {
        reportPowerFailure(IDS_SUSPEND_FAILED, refused);
        return;
    }
    const std::uint32_t error = host.suspend();
    host.setShutdownPrivilege(false);
    reportPowerFailure(IDS_SUSPEND_FAILED, error);
}

} // namespace

SleepRoute sleepRouteFor(const SleepSupport& support)
{
    if (!support.known)
        return SleepRoute::askHibernation;
    if (support.sleep)
        return SleepRoute::sleep;
    if (support.modernStandby)
        return SleepRoute::modernStandby;
    // Neither sleep nor hibernation: nothing to put in sleep's place, so the
    // call is made and the system's refusal said.
    return support.hibernate ? SleepRoute::askHibernation : SleepRoute::sleep;
}

std::vector<MenuItem> trayMenuItems()
{
    return {
        {IDM_RESTART, text(IDS_RESTART)},
        {IDM_SUSPEND, text(IDS_SUSPEND)},
        {IDM_SHUTDOWN, text(IDS_SHUTDOWN)},
        {0, {}},
        {IDM_CLEARCLIPBOARD, text(IDS_CLEARCLIPBOARD)},
        {0, {}},
        {IDM_FREEUP_Z, text(IDS_FREEUP)},
        {0, {}},
        {IDM_CONFIGURATION, text(IDS_CONFIGURATION)},
        {IDM_ENABLE, text(optimizerEnabled() ? IDS_DISABLE : IDS_ENABLE)},
        {IDM_CLOSE, text(IDS_CLOSE)},
    };
}

void handleCommand(unsigned id)
{
    EngineState& s = engineState();
    EngineHost& host = *s.host;
    switch (id) {
    case IDM_RESTART:
        if (confirmed(IDS_CONFIRM_RESTART)) {
            host.setShutdownPrivilege(true); // a refusal is no reason not to try
            reportPowerFailure(IDS_RESTART_FAILED, host.exitWindows(kRestartFlags, kShutdownReason));
        }
        break;
    case IDM_SUSPEND:
        suspendWindows();
        break;
    case IDM_SHUTDOWN:
        if (confirmed(IDS_CONFIRM_SHUTDOWN)) {
            host.setShutdownPrivilege(true);
            reportPowerFailure(IDS_SHUTDOWN_FAILED, host.exitWindows(kShutdownFlags, kShutdownReason));
        }
        break;
    case IDM_CLEARCLIPBOARD:
        host.clearClipboard();
        break;
    case IDM_FREEUP_X:
        recoverBeyondFree(s.settings.FreeupXMenu_Val1);
        break;
    case IDM_FREEUP_Y:
        recoverBeyondFree(s.settings.FreeupYMenu_Val1);
        break;
    case IDM_FREEUP_Z:
        recoverBeyondFree(s.settings.FreeupZMenu_Val1);
        break;
    case IDM_CONFIGURATION:
        launchControlPanel();
        break;
    case IDM_ENABLE:
        toggleEngineEnabled();
        break;
    case IDM_CLOSE:
        host.postQuit(0);
        break;
    default:
        break; // not ours, whoever sent it
    }
}

void handleHotKey(std::int64_t lParam)
{
    if ((lParam & 0xFFFF) != kHotKeyModifiers)
        return;
    const auto key = static_cast<std::uint32_t>((lParam >> 16) & 0xFFFF);
    EngineState& s = engineState();
    // Compared with the keys as registered (0 for none): the stored numbers are
    // characters of the user's layout, not keys.
    if (key == 0)
        return;
    if (key == s.freeUpHotKey.registeredKey) {
        updateTray(true); // a fresh figure of what is free
        recoverRAM(s.availRAM + 2, RecoveryTrigger::hotKey);
    } else if (key == s.toggleHotKey.registeredKey) {
        toggleEngineEnabled();
    }
}

void handleTrayCallback(std::uint64_t wParam, std::int64_t lParam)
{
    EngineState& s = engineState();
    TrayState& tray = s.tray;
    // The event is the low word: the shell's version 4 protocol puts the icon's
    // id in the high word, and the icon's position in wParam.
    const auto event = static_cast<std::uint32_t>(lParam & 0xFFFF);
    // Every left click also ends in a NIN_SELECT, which must not open the panel:
    // only Enter or Space on the icon (Win+B, arrows) does, as a double click.
    const bool keySelection = event == NIN_KEYSELECT || (event == NIN_SELECT && !tray.clickSelects);
    tray.clickSelects = event == WM_LBUTTONUP;
    // A menu shown by a right button press: its release, and the mouse moving
    // over the icon meanwhile, come before the WM_CONTEXTMENU of that click.
    const bool menuShownByButton = tray.menuShownByButton;
    tray.menuShownByButton = event == WM_RBUTTONDOWN ||
                             (menuShownByButton && (event == WM_RBUTTONUP || event == WM_MOUSEMOVE));
    if (event == WM_LBUTTONDBLCLK || keySelection) {
        launchControlPanel();
    } else if (event == WM_RBUTTONDOWN) {
        // The mouse as ever: the menu at the pointer on the press. Its release
        // brings a WM_CONTEXTMENU of its own, which must not show it again.
        s.host->tray().showMenu();
    } else if (event == WM_CONTEXTMENU && !menuShownByButton) {
        // Shift+F10 or the menu key on the icon: at the icon, to be used by keyboard.
        const auto x = static_cast<std::int16_t>(wParam & 0xFFFF);
        const auto y = static_cast<std::int16_t>((wParam >> 16) & 0xFFFF);
        s.host->tray().showMenuAt(x, y);
    }
}

void toggleEngineEnabled()
{
    EngineState& s = engineState();
    EngineHost& host = *s.host;
    if (s.settings.Quenby_Stat == 1) {
        s.settings.Quenby_Stat = 0;
        host.postToPanel(s.messages[Message::QuenbyDisable]);
    } else {
        s.settings.Quenby_Stat = 1;
        host.postToPanel(s.messages[Message::QuenbyEnable]);
    }
    host.tray().setMenuItemText(IDM_ENABLE, text(optimizerEnabled() ? IDS_DISABLE : IDS_ENABLE));
    updateTray(true);
    host.tray().notify(TrayAction::modify, s.tray.tooltip);
    writeState(*s.registry, s.settings.Quenby_Stat);
}

std::optional<LaunchRequest> controlPanelLaunch(const std::u16string& folder)
{
    LaunchRequest request;
    request.program = folder;
    request.program += os::pathSeparator();
    request.program += os::panelFileName();
    request.argument = u"RAM";
    request.workingDirectory = folder;
    // Quoted: with a space in the folder, an unquoted line would first be tried
    // as a program named after the part before the space.
    request.commandLine = u"\"" + request.program + u"\" " + request.argument;
    if (request.commandLine.size() > kCommandLineCapacity - 1)
        return std::nullopt;
    return request;
}

void launchControlPanel()
{
    EngineState& s = engineState();
    // Read with room to spare, so that a folder too long for the command line is
    // refused below instead of being taken for a missing one. An empty folder is
    // no install folder either: it would start "\Quenby.exe" from the root of
    // the drive, so it falls back to this program's own folder as a missing one does.
    std::u16string folder = readEngineInstallPath(*s.registry, kLongPathChars).value_or(u"");
    if (folder.empty())
        folder = os::executableDirectory();
    const auto request = controlPanelLaunch(folder);
    const std::uint32_t error = request ? s.host->startProcess(*request) : kErrorFilenameTooLong;
    if (error != 0) {
        s.host->showError(formatText(text(IDS_LAUNCH_FAILED), {decimal(error)}, kErrorTextCapacity),
                          text(IDS_ERROR));
    }
}

} // namespace quenby::engine
