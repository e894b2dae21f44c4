#include "engine/engine.h"

#include <algorithm>

#include "common/settings.h"
#include "common/os/windowlink.h"
#include "engine/commands.h"
#include "engine/engine_state.h"
#include "engine/history.h"
#include "engine/policy.h"
#include "engine/recovery.h"
#include "engine/strings.h"
#include "engine/tray.h"

namespace quenby::engine {
namespace {

constexpr std::size_t kLabelCapacity = 64;
// A notice's text as the balloon holds it, the terminator included.
constexpr std::size_t kNoticeCapacity = 256;


// The settings, the administrator's policies over them, and the start-with-
// Windows entry brought in line with a policy that decides it: an engine that is
// not to start with Windows takes itself out of the Run key, one that is puts
// itself in (unless the machine's entry starts it already). Without such a
// policy the entry is the control panel's alone.
void readEngineSettings()
{
    EngineState& s = engineState();
    readSettings(*s.registry, s.settings, s.totalRAM, Deliverable::engine, {}, s.machineRegistry);
    if (s.settings.setByPolicy.test(kStartWithWindowsBit))
        applyStartWithWindows(*s.registry, s.settings.startWithWindows, enginePathFor({}),
                              s.machineRegistry);
}

void reloadSettings()
{
    EngineState& s = engineState();
    readEngineSettings();
    updateMenuLabels();
    updateTray(true);
    s.host->tray().notify(TrayAction::modify, s.tray.tooltip);
    s.host->unregisterHotKeys();
    registerHotKeys();
}

// The icon drawn again and sent when the screen's scale gives it another size.
void followDisplay()
{
    EngineState& s = engineState();
    if (s.host->tray().displayChanged())
        updateTray(true); // sends the new image to an icon that is shown
}

// The taskbar theme and a contrast theme read afresh, the icon redrawn in
// their colours and sent again.
void followTheme()
{
    EngineState& s = engineState();
    readSystemTheme(*s.registry, s.settings);
    s.tray.contrast = s.host->tray().contrastColours();
    updateTray(true);
    s.host->tray().notify(TrayAction::modify, s.tray.tooltip);
}

// The key as the user typed it into the options, as keyboards label it:
// letters in capitals ("r" is the R key).
std::u16string hotKeyLabel(char16_t character)
{
    const bool small = (character >= u'a' && character <= u'z') ||
                       (character >= 0xE0 && character <= 0xFE && character != 0xF7);
    return std::u16string(1, small ? static_cast<char16_t>(character - 0x20) : character);
}

// Why a hot key was not registered, in the user's words.
std::u16string refusalText(char16_t character, const os::HotKeyChoice& choice)
{
    const std::u16string label = hotKeyLabel(character);
    switch (choice.verdict) {
    case os::HotKeyVerdict::notOnLayout:
        return formatText(text(IDS_HOTKEY_NO_KEY), {label}, kNoticeCapacity);
    case os::HotKeyVerdict::typesCharacter:
        return formatText(text(IDS_HOTKEY_TYPES), {label, choice.typed}, kNoticeCapacity);
    case os::HotKeyVerdict::usable:
        break;
    }
    return formatText(text(IDS_HOTKEY_TAKEN), {label}, kNoticeCapacity);
}

// Registers one hot key from its stored character and tells the user once why
// it was not, if it was not. Returns the layout's key for the character (0 for
// none), whether registered or not; `skipKey` is a key already spoken for.
std::uint32_t registerOneHotKey(HotKeySlot& slot, std::uint32_t stored, std::uint32_t skipKey)
{
    EngineState& s = engineState();
    slot.registeredKey = 0;
    const auto character = static_cast<char16_t>(stored);
    if (character == 0) { // no hot key
        slot.toldCharacter = 0;
        return 0;
    }
    const os::HotKeyChoice choice = s.host->hotKeyFor(character);
    if (choice.virtualKey != 0 && choice.virtualKey == skipKey) {
        slot.toldCharacter = 0;
        return choice.virtualKey;
    }
    const bool registered =
        choice.verdict == os::HotKeyVerdict::usable && s.host->registerHotKey(choice.virtualKey);
    if (registered) {
        slot.registeredKey = choice.virtualKey;
        slot.toldCharacter = 0;
    } else if (slot.toldCharacter != stored) {
        slot.toldCharacter = stored;
        tellUser(text(IDS_HOTKEY_TITLE), refusalText(character, choice));
    }
    return choice.virtualKey;
}

} // namespace

int runEngine(EngineHost& host, os::Registry& registry, os::Registry* machineRegistry)
{
    resetEngineState(host, registry, machineRegistry);
    EngineState& s = engineState();
    host.registerWindowClass();
    if (host.engineWindowExists() || !host.claimEngineLock())
        return 0; // one engine per session; the running one is not told
    if (!host.createEngineWindow())
        return host.windowFailureExitCode();
    s.messages = registerMessages();
    s.taskbarCreated = os::registerMessage(u"TaskbarCreated");
    // Before the settings are read: a running panel learns of the start at once.
    host.postToPanel(s.messages[Message::QuenbyStart]);
    host.outputDebugString(u"My output string.");
    setupEngine();
    const int code = host.runMessageLoop();
    shutdownEngine();
    return code;
}

void loadStringTable()
{
    EngineState& s = engineState();
    for (const unsigned* id = stringIdsBegin(); id != stringIdsEnd(); ++id) {
        std::u16string loaded = s.host->loadString(*id);
        // A text the user's language lacks (a block without it, an empty
        // line) is shown in English, never as an empty item or box.
        if (loaded.empty())
            loaded = builtInString(*id);
        if (loaded.size() > kTextSlot - 1)
            loaded.resize(kTextSlot - 1);
        s.texts[*id] = std::move(loaded);
    }
}

void setupEngine()
{
    EngineState& s = engineState();
    EngineHost& host = *s.host;
    loadStringTable();

    // The defaults are fractions of the total, so it is measured first.
    s.totalRAM = host.totalPhysicalMB();
    s.largeRAM = s.totalRAM > 1023;
    s.availRAM = host.availablePhysicalMB();
    s.ramCeiling = static_cast<std::uint32_t>(static_cast<std::uint64_t>(s.totalRAM) * 3 / 4);
    s.recovering = false;
    s.autoTicks = 0;
    s.sessionInUse = host.sessionInUse();

    readEngineSettings();
    loadHistory();
    s.tray.contrast = host.tray().contrastColours();
    host.tray().buildMenu(trayMenuItems());
    updateMenuLabels();
    updateTray(true);
    if (s.settings.FreeonStartup == 1)
        host.setTimer(TimerId::startup, s.settings.FreeonStartup_val2 * 1000, onStartupTimer);
    registerHotKeys();
    host.setTimer(TimerId::periodic, 1000, onPeriodicTimer);
}

void shutdownEngine()
{
    EngineState& s = engineState();
    EngineHost& host = *s.host;
    host.postToPanel(s.messages[Message::QuenbyExit]);
    host.killTimer(TimerId::periodic);
    host.killTimer(TimerId::startup);
    host.unregisterHotKeys();
    host.tray().destroyMenu();
    host.tray().notify(TrayAction::remove, s.tray.tooltip);
}

void handleSettingChange(std::u16string_view area)
{
    if (area == u"ImmersiveColorSet")
        followTheme();
    else
        followDisplay(); // a change of scale is announced this way too
}

MessageResult handleEngineMessage(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam)
{
    EngineState& s = engineState();
    // Before registration (or if it failed) the numbers are 0, which is WM_NULL:
    // that must never count as one of ours.
    Message which{};
    const bool ours = s.messages.identify(message, which);
    if (ours && which == Message::UpdateData) {
        reloadSettings();
        return MessageResult::handledThenDefault;
    }
    if (ours && which == Message::StartDefragRAM) {
        if (wParam != 0)
            recoverRAM(s.availRAM + static_cast<std::uint32_t>(wParam), RecoveryTrigger::request);
        return MessageResult::handledThenDefault;
    }
    if (message != 0 && message == s.taskbarCreated) {
        // Often a new notification area that knows nothing of our icon, but
        // also the old one after a change of scale or a remote connection: the
        // update adds the icon, or modifies it where the add is refused as one
        // already there. At the scale of the taskbar's monitor, which may be
        // another one.
        s.host->tray().displayChanged();
        s.tray.trayIconShown = false;
        updateTray(true);
        return MessageResult::handledThenDefault;
    }
    if (message == WM_DPICHANGED_MESSAGE || message == WM_DISPLAYCHANGE_MESSAGE) {
        // Handled whole: the window is never shown, so the size the system
        // suggests for it with a new scale is of no use. The scale the message
        // brings is the hidden window's monitor's, not the taskbar's, so the
        // host reads the taskbar's.
        followDisplay();
        return MessageResult::handled;
    }
    if (message == WM_COMMAND_MESSAGE) {
        handleCommand(static_cast<unsigned>(wParam & 0xFFFF));
        return MessageResult::handled;
    }
    if (message == WM_HOTKEY_MESSAGE) {
        handleHotKey(lParam);
        return MessageResult::handled;
    }
    if (message == WM_TRAYICON) {
        handleTrayCallback(wParam, lParam);
        return MessageResult::handled;
    }
    if (message == WM_WTSSESSION_CHANGE_MESSAGE) {
        // Whatever the change, the session's state is read afresh.
        s.sessionInUse = s.host->sessionInUse();
        return MessageResult::handled;
    }
    if (message == WM_THEMECHANGED_MESSAGE || message == WM_SYSCOLORCHANGE_MESSAGE) {
        followTheme();
        return MessageResult::handled;
    }
    return MessageResult::notHandled;
}

void updateMenuLabels()
{
    EngineState& s = engineState();
    s.host->tray().setMenuItemText(IDM_ENABLE, text(optimizerEnabled() ? IDS_DISABLE : IDS_ENABLE));
    const std::pair<unsigned, std::uint32_t> amounts[] = {
        {IDM_FREEUP_X, s.settings.FreeupXMenu_Val1},
        {IDM_FREEUP_Y, s.settings.FreeupYMenu_Val1},
        {IDM_FREEUP_Z, s.settings.FreeupZMenu_Val1},
    };
    for (const auto& [id, amount] : amounts)
        s.host->tray().setMenuItemText(id, formatText(text(IDS_FREEUP), {decimal(amount)}, kLabelCapacity));
}

void registerHotKeys()
{
    EngineState& s = engineState();
    // Hotkey2 on the key of Hotkey1 ("a" and "A", say) is not registered twice:
    // the press runs the free-up action, and nobody is told of a clash with itself.
    const std::uint32_t freeUpKey = registerOneHotKey(s.freeUpHotKey, s.settings.Hotkey1, 0);
    registerOneHotKey(s.toggleHotKey, s.settings.Hotkey2, freeUpKey);
}

} // namespace quenby::engine
