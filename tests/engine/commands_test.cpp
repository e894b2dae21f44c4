// The tray menu, the hot keys and the commands, through the recording host.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>

#include "common/os/process.h"
#include "common/os/windowlink.h"
#include "common/settings.h"
#include "engine/commands.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/tray.h"
#include "tests/engine/recording_host.h"

using namespace quenby;
using namespace quenby::engine;
using test::RecordingHost;

namespace {

class Commands : public testing::Test {
protected:
    void SetUp() override
    {
        resetEngineState(host, host.registry);
        host.total = 16384;
        host.avail = 2000;
        engineState().messages = registerMessages();
        engineState().taskbarCreated = os::registerMessage(u"TaskbarCreated");
        setupEngine();
        host.events.clear();
        host.passBlocks.clear();
    }

    static EngineState& state() { return engineState(); }

    void storePath(const std::u16string& folder) { host.seed(kPathValue, folder); }

    static std::int64_t hotKey(std::uint32_t key, std::uint32_t modifiers = kHotKeyModifiers)
    {
        return static_cast<std::int64_t>(key) << 16 | modifiers;
    }

    RecordingHost host;
};

TEST_F(Commands, FreeUpItemsAskForWhatIsFreePlusTheirAmount)
{
    state().settings.FreeupZMenu_Val1 = 64;
    state().settings.FreeupXMenu_Val1 = 500;
    state().settings.FreeupYMenu_Val1 = 100;
    handleCommand(IDM_FREEUP_Z);
    handleCommand(IDM_FREEUP_X);
    handleCommand(IDM_FREEUP_Y);
    // The fake's free RAM never rises: three passes each.
    EXPECT_EQ(host.passBlocks, (std::vector<std::uint64_t>{2064, 2064, 2064, 2500, 2500, 2500,
                                                           2100, 2100, 2100}));
    // The machine has more free now. The command takes no new sample first, and
    // the recovery's own sample at its start doesn't replace the figure either:
    // one pass runs, and only its measurement brings the new figure in.
    host.passBlocks.clear();
    host.avail = 5000;
    handleCommand(IDM_FREEUP_Z);
    EXPECT_EQ(host.passBlocks, std::vector<std::uint64_t>{2064});
    EXPECT_EQ(state().availRAM, 5000u);
}

TEST_F(Commands, TheFreeUpHotKeyRefreshesFirstThenAsksForTwoMore)
{
    state().settings.Hotkey1 = 'F';
    state().settings.Hotkey2 = 'E';
    state().settings.Quenby_Stat = 1;
    registerHotKeys();
    host.events.clear();
    host.avail = 3000; // the refresh must pick this up before the request
    handleHotKey(hotKey('F'));
    // The number is unchanged, so only a forced refresh redraws before the
    // recovery switches to its recovering look.
    const std::vector<std::string> expected = {
        "render normal 50", "tray modify", "render recovering 50", "tray modify",
        "pass 3002", "pass 3002", "pass 3002", "render normal 50", "tray modify"};
    EXPECT_EQ(host.events, expected);
}

TEST_F(Commands, HotKeysNeedExactlyCtrlAndAltAndTheFreeUpKeyWinsATie)
{
    state().settings.Hotkey1 = 'F';
    state().settings.Hotkey2 = 'E';
    registerHotKeys();
    host.events.clear();
    for (std::uint32_t modifiers : {0x0u, 0x1u, 0x2u, 0x7u, 0xBu, 0x4003u})
        handleHotKey(hotKey('F', modifiers));
    handleHotKey(hotKey('X'));
    EXPECT_TRUE(host.events.empty());
    handleHotKey(hotKey('E'));
    EXPECT_EQ(state().settings.Quenby_Stat, 1u);

    // Both on one key ("f" and "F" are the F key): registered once, nobody is
    // told of a clash with itself, and the press frees up.
    state().settings.Hotkey2 = 'f';
    host.events.clear();
    registerHotKeys();
    EXPECT_EQ(host.events, std::vector<std::string>{"hot key 70"});
    handleHotKey(hotKey('F'));
    EXPECT_EQ(state().settings.Quenby_Stat, 1u);
    EXPECT_FALSE(host.passBlocks.empty());
}

// The stored numbers are characters of the user's layout; WM_HOTKEY brings the
// key that was registered for them.
TEST_F(Commands, APressMatchesTheRegisteredKeyNotTheStoredNumber)
{
    state().settings.Hotkey1 = 'r'; // 0x72, which as a key code is F3
    state().settings.Hotkey2 = 'e';
    state().settings.Quenby_Stat = 0;
    registerHotKeys();
    EXPECT_EQ(host.events, (std::vector<std::string>{"hot key 82", "hot key 69"}));
    host.events.clear();
    handleHotKey(hotKey(0x72));
    handleHotKey(hotKey(0x65));
    handleHotKey(hotKey(0));
    EXPECT_TRUE(host.events.empty());
    handleHotKey(hotKey('E'));
    EXPECT_EQ(state().settings.Quenby_Stat, 1u);
    handleHotKey(hotKey('R'));
    EXPECT_FALSE(host.passBlocks.empty());

    // A key that could not be registered is no key of ours.
    host.takenKeys = {'R'};
    state().settings.Quenby_Stat = 0;
    registerHotKeys();
    host.events.clear();
    host.passBlocks.clear();
    handleHotKey(hotKey('R'));
    EXPECT_TRUE(host.events.empty());
}

// What the user is told about hot keys that were not registered: once per
// stored character, in a notice that names the keys, over the reloads that
// follow every Save of the options.
TEST_F(Commands, AHotKeyThatCannotBeHadIsToldOnceNamingTheKeys)
{
    host.layout[u'\u00A7'] = {os::HotKeyVerdict::notOnLayout, 0, {}};
    host.layout[u'q'] = {os::HotKeyVerdict::typesCharacter, 'Q', u"@"};
    host.takenKeys = {'R'};
    const auto notices = [&] {
        std::vector<std::string> found;
        for (const std::string& event : host.events) {
            if (event.rfind("notice ", 0) == 0)
                found.push_back(event);
        }
        return found;
    };
    const std::string taken = "notice Hot key not available: The hot key Ctrl+Alt+R could not be "
                              "registered: another program uses it.";
    const struct {
        std::uint32_t freeUp, toggle;
        std::vector<std::string> registered;
        std::vector<std::string> told;
    } steps[] = {
        // Held by another program: tried, and told.
        {'r', 0, {"hot key 82"}, {taken}},
        // The same settings again: tried again, told nobody.
        {'r', 0, {"hot key 82"}, {}},
        // The same key moved to the other hot key: told for that one.
        {0, 'R', {"hot key 82"}, {"notice Hot key not available: The hot key Ctrl+Alt+R could not be "
                                  "registered: another program uses it."}},
        // AltGr+Q types "@" (German): not even tried.
        {'q', 'R', {"hot key 82"}, {"notice Hot key not available: The hot key Ctrl+Alt+Q was not "
                                    "registered: on your keyboard layout it types “@”."}},
        // No such key on the layout.
        {'q', u'\u00A7', {}, {"notice Hot key not available: The hot key Ctrl+Alt+\u00A7 was not "
                                "registered: your keyboard layout has no such key."}},
        // A changed key is tried afresh; going back to a refused one tells again.
        {'e', u'\u00A7', {"hot key 69"}, {}},
        {'r', 'e', {"hot key 82", "hot key 69"}, {taken}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(std::to_string(step.freeUp) + " " + std::to_string(step.toggle));
        host.seed(u"Hotkey1", step.freeUp);
        host.seed(u"Hotkey2", step.toggle);
        host.events.clear();
        handleEngineMessage(state().messages[Message::UpdateData], 0, 0);
        std::vector<std::string> registered;
        for (const std::string& event : host.events) {
            if (event.rfind("hot key ", 0) == 0)
                registered.push_back(event);
        }
        EXPECT_EQ(registered, step.registered);
        EXPECT_EQ(notices(), step.told);
    }
}

TEST_F(Commands, ToggleTellsThePanelRelabelsRedrawsAndStoresLast)
{
    host.registry.createKey(kSettingsKey); // a full save happened once
    state().settings.Quenby_Stat = 5; // anything but 1 is off: toggling enables
    toggleEngineEnabled();
    const std::vector<std::string> enabling = {
        "post panel", "menu 209 Disable RAM Optimizer", "render normal 50", "tray modify",
        "tray modify", "registry set Quenby_Stat"};
    EXPECT_EQ(host.events, enabling);
    EXPECT_EQ(host.posted.back(), state().messages[Message::QuenbyEnable]);
    Settings stored;
    readSettings(host.registry, stored, 16384, Deliverable::engine);
    EXPECT_EQ(stored.Quenby_Stat, 1u);

    host.events.clear();
    toggleEngineEnabled();
    const std::vector<std::string> disabling = {
        "post panel", "menu 209 Enable RAM Optimizer", "render disabled", "tray modify",
        "tray modify", "registry set Quenby_Stat"};
    EXPECT_EQ(host.events, disabling);
    EXPECT_EQ(host.posted.back(), state().messages[Message::QuenbyDisable]);
    readSettings(host.registry, stored, 16384, Deliverable::engine);
    EXPECT_EQ(stored.Quenby_Stat, 0u);
}

TEST_F(Commands, PowerCommandsLetProgramsSaveAndSayWhyTheyFailed)
{
    // EWX_REBOOT or EWX_SHUTDOWN | EWX_POWEROFF | EWX_HYBRID_SHUTDOWN, always
    // with EWX_FORCEIFHUNG and never EWX_FORCE (4), which would close programs
    // with unsaved work; the reason "Other (Planned)".
    struct Case {
        unsigned command;
        std::uint32_t privilege;
        std::uint32_t power; // what the system answers the power call
        std::vector<std::string> events;
    };
    const std::string restart = "confirm Confirm: Do you want to restart your computer now?";
    const std::string suspend = "confirm Confirm: Do you want to suspend your computer now?";
    const std::string shutdown = "confirm Confirm: Do you want to shutdown your computer now?";
    const Case cases[] = {
        {IDM_RESTART, 0, 0, {restart, "privilege on", "exit windows 18 2147483648"}},
        {IDM_SHUTDOWN, 0, 0, {shutdown, "privilege on", "exit windows 4194329 2147483648"}},
        {IDM_SUSPEND, 0, 0, {suspend, "privilege on", "suspend", "privilege off"}},
        // Without the privilege restart and shutdown still try: the system decides.
        {IDM_RESTART, 1627, 5, {restart, "privilege on", "exit windows 18 2147483648",
                                "error Error: Windows could not be restarted (error 5). Access is denied."}},
        {IDM_SHUTDOWN, 0, 1190, {shutdown, "privilege on", "exit windows 4194329 2147483648",
                                 "error Error: Windows could not be shut down (error 1190)."}},
        {IDM_SUSPEND, 0, 50, {suspend, "privilege on", "suspend", "privilege off",
                              "error Error: Windows could not be suspended (error 50)."}},
        // Sleep can't be had without the privilege: not tried, and said.
        {IDM_SUSPEND, 1627, 0, {suspend, "privilege on",
                                "error Error: Windows could not be suspended (error 1627)."}},
    };
    for (const Case& c : cases) {
        host.events.clear();
        host.privilegeResult = c.privilege;
        host.powerResult = c.power;
        handleCommand(c.command);
        EXPECT_EQ(host.events, c.events) << c.command << " " << c.privilege << " " << c.power;
    }

    // Answered No, none of them does more than ask.
    host.events.clear();
    host.answerYes = false;
    for (unsigned id : {IDM_RESTART, IDM_SUSPEND, IDM_SHUTDOWN})
        handleCommand(id);
    EXPECT_EQ(host.events.size(), 3u);
    for (const auto& event : host.events)
        EXPECT_EQ(event.rfind("confirm ", 0), 0u);
}

// Suspend as the machine sleeps: the sleep call only where there is a sleep
// state; with Modern Standby, which no program may start, the way to it is
// said; where the machine may hibernate instead, or says nothing, the
// question says so first.
TEST_F(Commands, SuspendFollowsWhatTheMachineCanDo)
{
    const std::string sleep = "confirm Confirm: Do you want to suspend your computer now?";
    const std::string hibernate = "confirm Confirm: This computer may not be able to sleep, and Windows may "
                                  "hibernate it instead. Do you want to go on?";
    const std::string standby = "inform Suspend Windows: This computer uses Modern Standby, which only Windows "
                                "itself can start: to let it sleep, press its power button or choose Power > "
                                "Sleep in the Start menu.";
    const std::vector<std::string> asks = {"privilege on", "suspend", "privilege off"};
    struct Case {
        SleepSupport machine; // known, sleep, Modern Standby, hibernation
        std::string first;    // what the user sees first; the call follows a question
    };
    const Case cases[] = {
        {{true, true, false, false}, sleep},
        {{true, true, true, true}, sleep}, // a sleep state beside Modern Standby
        {{true, false, true, false}, standby},
        {{true, false, true, true}, standby}, // never hibernation in its place
        {{true, false, false, true}, hibernate},
        {{true, false, false, false}, sleep}, // nothing could hibernate: tried, and a refusal said
        {{false, true, true, true}, hibernate}, // an answer that can't be had counts for nothing
    };
    for (const Case& c : cases) {
        host.events.clear();
        host.sleep = c.machine;
        handleCommand(IDM_SUSPEND);
        std::vector<std::string> expected = {c.first};
        if (c.first.rfind("confirm ", 0) == 0)
            expected.insert(expected.end(), asks.begin(), asks.end());
        EXPECT_EQ(host.events, expected) << c.first;
    }
}

TEST_F(Commands, UnknownCommandsAndCallbacksDoNothing)
{
    for (unsigned id : {0u, 200u, 211u, 0xFFFFu})
        handleCommand(id);
    handleTrayCallback(0, 512); // a mouse move
    handleTrayCallback(0, 0);
    EXPECT_TRUE(host.events.empty());
    // Through the window procedure: only the low 16 bits of wParam name the command.
    EXPECT_EQ(handleEngineMessage(WM_COMMAND_MESSAGE, 0x10000 | IDM_CLEARCLIPBOARD, 0),
              MessageResult::handled);
    EXPECT_EQ(host.events, std::vector<std::string>{"clipboard"});
}

TEST_F(Commands, CloseQuitsAndTheTrayCallbackOpensPanelOrMenu)
{
    handleCommand(IDM_CLOSE);
    EXPECT_EQ(host.events, std::vector<std::string>{"quit 0"});
    storePath(u"C:\\Quenby");
    // The icon's events as the shell's version 4 protocol sends them (the event
    // in the low word, the icon's id 1010 in the high one, the icon's position
    // in wParam), and the old protocol's bare mouse messages.
    constexpr std::int64_t id = std::int64_t{1010} << 16;
    const std::uint64_t at = (std::uint64_t{0xFFF6} << 16) | 1900; // x 1900, y -10
    struct Case {
        const char* name;
        std::vector<std::int64_t> events;
        std::vector<std::string> shown; // what the host was asked, "launch" for the panel
    };
    const Case cases[] = {
        {"double click", {id | 0x201, id | 0x202, id | 0x400, id | 0x203, id | 0x202, id | 0x400}, {"launch"}},
        {"old double click", {0x203}, {"launch"}},
        {"a single click opens nothing", {id | 0x201, id | 0x202, id | 0x400}, {}},
        {"Enter on the icon", {id | 0x400}, {"launch"}},
        {"Space on the icon", {id | 0x401}, {"launch"}},
        {"right click: the menu once, at the pointer",
         {id | 0x204, id | 0x200, id | 0x205, id | 0x200, id | 0x7B}, {"show menu"}},
        {"Shift+F10: the menu at the icon", {id | 0x7B}, {"show menu at 1900,-10"}},
        {"right click, then the menu key", {id | 0x204, id | 0x205, id | 0x7B, id | 0x7B},
         {"show menu", "show menu at 1900,-10"}},
        {"old right click", {0x204, 0x205}, {"show menu"}},
    };
    for (const Case& c : cases) {
        host.events.clear();
        host.launches.clear();
        for (const std::int64_t event : c.events)
            handleTrayCallback(at, event);
        std::vector<std::string> shown = host.events;
        shown.erase(std::remove(shown.begin(), shown.end(), "start process"), shown.end());
        for (std::size_t i = 0; i < host.launches.size(); ++i)
            shown.insert(shown.begin(), "launch");
        EXPECT_EQ(shown, c.shown) << c.name;
    }
}

// The tray state follows what the shell answered, never what the engine
// assumed: each phase is what the shell does, then the requests the engine
// sends for it, and whether it counts the icon as shown afterwards.
TEST_F(Commands, TheIconFollowsWhatTheNotificationAreaAnswers)
{
    struct Phase {
        std::function<void()> shell; // what happens to the notification area first
        std::function<void()> engine;
        std::vector<std::string> sent;
        bool shown;
    };
    const auto tick = [] { updateTray(false); };
    const auto taskbarCreated = [] { handleEngineMessage(engineState().taskbarCreated, 0, 0); };
    const auto sameArea = [] {};
    struct Case {
        const char* name;
        std::vector<Phase> phases;
    } cases[] = {
        // After a change of scale or a remote connection Explorer announces a
        // new taskbar and keeps the icon: the add is refused, the modify taken,
        // and later ticks modify.
        {"taskbar announced, icon kept", {{sameArea, taskbarCreated, {"tray add", "tray modify"}, true},
                                          {sameArea, tick, {"tray modify"}, true}}},
        {"Explorer restarted", {{[&] { host.trayHolds = false; }, taskbarCreated, {"tray add"}, true},
                                {sameArea, tick, {"tray modify"}, true}}},
        // Gone without an announcement: the refused modify is followed by an add.
        {"restarted unannounced", {{[&] { host.trayHolds = false; }, tick, {"tray modify", "tray add"}, true},
                                   {sameArea, tick, {"tray modify"}, true}}},
        // A notification area not ready (at logon), or refusing everything:
        // two requests a tick at most, until it takes the icon.
        {"not ready", {{[&] { host.trayReady = false; host.trayHolds = false; }, tick, {"tray modify", "tray add"}, false},
                       {sameArea, tick, {"tray add", "tray modify"}, false},
                       {sameArea, tick, {"tray add", "tray modify"}, false},
                       {[&] { host.trayReady = true; }, tick, {"tray add"}, true}}},
    };
    for (const Case& c : cases) {
        SetUp();
        ASSERT_TRUE(state().tray.trayIconShown) << c.name;
        for (const Phase& phase : c.phases) {
            phase.shell();
            host.events.clear();
            phase.engine();
            std::vector<std::string> sent;
            std::copy_if(host.events.begin(), host.events.end(), std::back_inserter(sent),
                         [](const std::string& e) { return e.rfind("tray ", 0) == 0; });
            EXPECT_EQ(sent, phase.sent) << c.name;
            EXPECT_EQ(state().tray.trayIconShown, phase.shown) << c.name;
        }
    }

    // Hidden icons stay hidden, announcement or not.
    host.events.clear();
    state().settings.HideTrayIcon = 1;
    updateTray(true); // removes it
    handleEngineMessage(state().taskbarCreated, 0, 0);
    EXPECT_EQ(host.count("tray add"), 0u);
    EXPECT_EQ(host.count("tray modify"), 0u);
}

// A notice due while the notification area has not taken the icon (a hot key
// refused at logon) is given once the icon is there, and once only.
TEST_F(Commands, ANoticeWithoutAnIconIsGivenWhenTheIconIsAdded)
{
    resetEngineState(host, host.registry);
    state().messages = registerMessages();
    host.trayReady = false;
    host.trayHolds = false;
    host.takenKeys = {'R'};
    host.seed(u"Hotkey1", 'r');
    setupEngine();
    EXPECT_EQ(host.count("notice Hot key not available: The hot key Ctrl+Alt+R could not be registered: "
                         "another program uses it."), 0u);
    host.trayReady = true;
    updateTray(false);
    updateTray(false);
    handleEngineMessage(state().messages[Message::UpdateData], 0, 0); // a reload tells nobody twice
    EXPECT_EQ(host.count("notice Hot key not available: The hot key Ctrl+Alt+R could not be registered: "
                         "another program uses it."), 1u);
}

// (The panel started quoted, with "RAM" and its folder as working directory, and
// the line's limit of 259 characters: ControlPanelLaunch in the Win32 suite.)
TEST_F(Commands, WithoutAnInstallFolderThePanelBesideTheEngineIsStarted)
{
    // No key, then a key without "Path", then an empty "Path": never the root of
    // the drive, always the folder of the engine itself.
    handleCommand(IDM_CONFIGURATION);
    host.registry.createKey(kSettingsKey);
    handleCommand(IDM_CONFIGURATION);
    storePath(u"");
    handleCommand(IDM_CONFIGURATION);
    ASSERT_EQ(host.launches.size(), 3u);
    const std::u16string beside = os::executableDirectory() + os::pathSeparator() + os::panelFileName();
    for (const LaunchRequest& launch : host.launches) {
        EXPECT_EQ(launch.workingDirectory, os::executableDirectory());
        EXPECT_EQ(launch.program, beside);
    }
}

TEST_F(Commands, ALaunchFailureOrAFarTooLongPathShowsTheErrorBox)
{
    storePath(u"C:\\Quenby");
    host.launchResult = 2;
    handleCommand(IDM_CONFIGURATION);
    EXPECT_EQ(host.events.back(), "error Error: CreateProcess failed (2).");

    // Far longer than the engine's usual buffer: still refused, not cut.
    host.launches.clear();
    storePath(std::u16string(1000, u'b'));
    handleCommand(IDM_CONFIGURATION);
    EXPECT_TRUE(host.launches.empty());
    EXPECT_EQ(host.events.back(), "error Error: CreateProcess failed (206).");
}

} // namespace
