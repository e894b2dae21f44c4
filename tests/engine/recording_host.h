// A fake engine host that records what the engine logic asks of the platform, in
// order, and plays a machine whose memory figures the test sets. Registry writes
// made by the engine land in the same ordered list.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/settings_schema.h"
#include "common/text.h"
#include "engine/engine_state.h"
#include "engine/host.h"
#include "engine/strings.h"
#include "tests/support/memory_registry.h"

namespace quenby::test {

// It is its own tray shell, so that the tray's calls and the rest fall into one
// list in the order they came.
class RecordingHost final : public engine::EngineHost, public engine::TrayShell {
public:
    engine::TrayShell& tray() override { return *this; }
    // The machine.
    std::uint32_t total = 16384;
    std::uint32_t avail = 8000;
    std::uint32_t freePercent = 50;
    bool samplerStarts = true;
    // A started sampler has finished before the next update; false keeps every
    // started one measuring until the test ends it.
    bool samplersFinish = true;
    // Blocks a pass can have before allocation fails; unlimited when negative.
    long blocksPerPassLimit = -1;
    // What a recovery must not exhaust (the commit on Windows), in bytes: each
    // block held takes 1 MiB of `roomAvailable`. Plenty unless a test says so.
    std::uint64_t roomLimit = std::uint64_t{1} << 40;
    std::uint64_t roomAvailable = std::uint64_t{1} << 40;
    bool roomReadable = true;
    // Called at each look at the room, before it is read; may change it.
    std::function<void()> duringRoomLook;
    // Called after every pass (when the engine measures again); may change `avail`.
    std::function<void(int pass)> afterPass;
    // Called while the alarm sound "plays", in the middle of a recovery.
    std::function<void()> duringSound;
    // Called while the shell is being told about the icon.
    std::function<void()> duringNotify;
    // Called while a recovery's notice is being given.
    std::function<void()> duringNotice;
    // The message loop: what happens between start-up and shutdown.
    std::function<int()> loop;
    bool existingEngine = false;
    bool engineLockHeld = false; // by another engine that has no window yet
    bool inUse = true;           // the engine's session is the one at the screen
    bool fullScreen = false;     // a full-screen program, game or presentation has the screen
    std::vector<std::u16string> running; // the file names of the session's programs
    std::optional<std::string> historyFile; // the user's history file; none while missing
    bool recoveriesLockedElsewhere = false; // another session's recovery runs
    int recoveryLocksHeld = 0;
    bool windowCreation = true;
    bool answerYes = true;
    std::uint32_t privilegeResult = 0;
    std::uint32_t launchResult = 0;
    std::uint32_t powerResult = 0; // what ExitWindowsEx and the sleep call give
    // The shell refuses to destroy the icon image while this is set.
    bool destroyRefused = false;
    // The notification area, as Explorer answers: while not ready (at logon)
    // it refuses everything; an add is refused for an icon it holds, a modify
    // for one it does not.
    bool trayReady = true;
    bool trayHolds = false;
    // The contrast theme's colours; none while no contrast theme is on.
    std::optional<engine::ContrastColours> contrast;
    // What the machine says it can do when asked to sleep.
    engine::SleepSupport sleep{true, true, false, false};
    bool displaySizeChanges = true; // a display change gives the icon another size
    // The keyboard layout: what hotKeyFor answers for a character. Characters
    // not in it are usable keys of their own code, letters as capitals, as on
    // a US layout.
    std::map<char16_t, os::HotKeyChoice> layout;
    // Keys whose Ctrl+Alt combination another program holds.
    std::vector<std::uint32_t> takenKeys;

    // What happened.
    std::vector<std::string> events;
    // The engine's registry; its writes are events too ("registry set Quenby_Stat").
    MemoryRegistry registry;
    std::vector<std::uint64_t> passBlocks; // blocks obtained in each pass
    std::map<engine::TimerId, std::pair<unsigned, engine::TimerCallback>> timers;
    std::vector<std::uint32_t> posted; // to the panel
    std::vector<engine::MenuItem> menu;
    std::u16string tooltip; // the last one the tray was given
    // The string table, when not the built-in English one.
    std::function<std::u16string(unsigned id)> strings;
    std::vector<engine::LaunchRequest> launches;
    engine::TrayPicture lastPicture;
    int renders = 0;
    int samplersStarted = 0;

    RecordingHost() { registry.events = &events; }

    // Stores a value as an earlier writer would have, without recording it.
    void seed(std::u16string_view name, std::uint32_t value, std::u16string_view key = kSettingsKey)
    {
        const unsigned char data[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                       static_cast<unsigned char>(value >> 16),
                                       static_cast<unsigned char>(value >> 24)};
        seedBytes(key, name, os::RegType::dword, data, 4);
    }
    void seed(std::u16string_view name, std::u16string_view text, std::u16string_view key = kSettingsKey)
    {
        std::basic_string<unsigned char> data;
        for (char16_t c : std::u16string(text) + u'\0') {
            data.push_back(static_cast<unsigned char>(c));
            data.push_back(static_cast<unsigned char>(c >> 8));
        }
        seedBytes(key, name, os::RegType::sz, data.data(), static_cast<std::uint32_t>(data.size()));
    }

    std::size_t count(const std::string& event) const
    {
        return static_cast<std::size_t>(std::count(events.begin(), events.end(), event));
    }

    void registerWindowClass() override { events.push_back("register class"); }
    bool engineWindowExists() override
    {
        events.push_back("find engine");
        return existingEngine;
    }
    bool claimEngineLock() override
    {
        events.push_back("claim lock");
        return !engineLockHeld;
    }
    bool createEngineWindow() override
    {
        events.push_back("create window");
        return windowCreation;
    }
    void outputDebugString(std::u16string_view text) override
    {
        events.push_back("debug " + toUtf8(text));
    }
    int runMessageLoop() override
    {
        events.push_back("loop");
        return loop ? loop() : 0;
    }
    void postQuit(int code) override { events.push_back("quit " + std::to_string(code)); }
    std::u16string loadString(unsigned id) override
    {
        return strings ? strings(id) : std::u16string(engine::builtInString(id));
    }

    void setTimer(engine::TimerId id, unsigned ms, engine::TimerCallback callback) override
    {
        events.push_back("set timer " + std::to_string(static_cast<unsigned>(id)) + " " +
                         std::to_string(ms));
        timers[id] = {ms, callback};
    }
    void killTimer(engine::TimerId id) override
    {
        events.push_back("kill timer " + std::to_string(static_cast<unsigned>(id)));
        timers.erase(id);
    }

    void postToPanel(std::uint32_t message) override
    {
        posted.push_back(message);
        events.push_back("post panel");
    }

    std::uint32_t totalPhysicalMB() override { return total; }
    std::uint32_t availablePhysicalMB() override { return avail; }
    std::uint32_t freeMemoryPercent() override { return freePercent; }
    bool startCpuSampler() override
    {
        ++samplersStarted;
        if (samplerStarts && samplersFinish)
            --engine::engineState().samplersAlive;
        return samplerStarts;
    }

    bool recoveryRoom(os::MemoryRoom& room) override
    {
        if (duringRoomLook)
            duringRoomLook();
        room = roomReadable ? os::MemoryRoom{roomLimit, roomAvailable} : os::MemoryRoom{};
        return roomReadable;
    }

    bool sessionInUse() override { return inUse; }
    bool fullScreenProgramRuns() override { return fullScreen; }
    bool protectedProgramRuns(const ProtectedPrograms& programs) override
    {
        events.push_back("process list");
        return std::any_of(running.begin(), running.end(), [&](const auto& name) { return programs.protects(name); });
    }
    std::optional<std::string> loadHistory() override { return historyFile; }
    void saveHistory(std::string_view text) override { historyFile = std::string(text); }
    bool lockRecoveries() override
    {
        if (recoveriesLockedElsewhere)
            return false;
        ++recoveryLocksHeld;
        return true;
    }
    void unlockRecoveries() override { --recoveryLocksHeld; }

    void* obtainBlock() override
    {
        if (blocksPerPassLimit >= 0 && static_cast<long>(inPass_) >= blocksPerPassLimit) {
            if (inPass_ == 0)
                closePass(); // nothing obtained: the pass ends without a release
            return nullptr;
        }
        ++inPass_;
        ++outstanding_;
        roomAvailable -= std::uint64_t{1} << 20;
        lowestRoom = std::min(lowestRoom, roomAvailable);
        return reinterpret_cast<void*>(static_cast<std::uintptr_t>(0x10000 + inPass_));
    }
    void releaseBlock(void*) override
    {
        --outstanding_;
        roomAvailable += std::uint64_t{1} << 20;
        if (outstanding_ == 0)
            closePass(); // the pass released all it had
    }
    std::uint64_t outstandingBlocks() const { return outstanding_; }
    // The least room left while blocks were held.
    std::uint64_t lowestRoom = ~std::uint64_t{0};

    void playSound(const std::u16string& sound) override
    {
        events.push_back("sound " + toUtf8(sound));
        if (duringSound)
            duringSound();
    }
    void clearClipboard() override { events.push_back("clipboard"); }

    bool destroyImage() override { return !destroyRefused; }
    void renderImage(const engine::TrayPicture& picture) override
    {
        ++renders;
        lastPicture = picture;
        if (picture.disabled)
            events.push_back("render disabled");
        else
            events.push_back(std::string("render ") +
                             (picture.barFill == engine::kBarRecovering ? "recovering " : "normal ") +
                             toUtf8(picture.text));
    }
    bool notify(engine::TrayAction action, const std::u16string& tip) override
    {
        tooltip = tip;
        static const char* names[] = {"add", "modify", "remove"};
        events.push_back(std::string("tray ") + names[static_cast<int>(action)]);
        if (duringNotify)
            duringNotify();
        if (!trayReady)
            return false;
        switch (action) {
        case engine::TrayAction::add:
            return !std::exchange(trayHolds, true);
        case engine::TrayAction::modify:
            return trayHolds;
        case engine::TrayAction::remove:
            return std::exchange(trayHolds, false);
        }
        return false;
    }
    void showNotice(const std::u16string& title, const std::u16string& text) override
    {
        events.push_back("notice " + toUtf8(title) + ": " + toUtf8(text));
        if (duringNotice)
            duringNotice();
    }

    void buildMenu(const std::vector<engine::MenuItem>& items) override
    {
        menu = items;
        events.push_back("build menu");
    }
    void setMenuItemText(unsigned id, const std::u16string& text) override
    {
        std::string shown = toUtf8(text);
        if (!shown.empty() && shown.back() == '\n')
            shown.replace(shown.size() - 1, 1, "\\n");
        events.push_back("menu " + std::to_string(id) + " " + shown);
    }
    bool displayChanged() override
    {
        events.push_back("display");
        return displaySizeChanges;
    }
    std::optional<engine::ContrastColours> contrastColours() override { return contrast; }
    void showMenu() override { events.push_back("show menu"); }
    void showMenuAt(int x, int y) override
    {
        events.push_back("show menu at " + std::to_string(x) + "," + std::to_string(y));
    }
    void destroyMenu() override { events.push_back("destroy menu"); }
    os::HotKeyChoice hotKeyFor(char16_t character) override
    {
        if (const auto found = layout.find(character); found != layout.end())
            return found->second;
        const bool small = character >= u'a' && character <= u'z';
        return {os::HotKeyVerdict::usable, small ? character - 0x20u : character, {}};
    }
    bool registerHotKey(std::uint32_t key) override
    {
        events.push_back("hot key " + std::to_string(key));
        return std::find(takenKeys.begin(), takenKeys.end(), key) == takenKeys.end();
    }
    void unregisterHotKeys() override { events.push_back("unregister hot keys"); }
    bool confirm(const std::u16string& text, const std::u16string& caption) override
    {
        events.push_back("confirm " + toUtf8(caption) + ": " + toUtf8(text));
        return answerYes;
    }
    void showError(const std::u16string& text, const std::u16string& caption) override
    {
        events.push_back("error " + toUtf8(caption) + ": " + toUtf8(text));
    }
    void inform(const std::u16string& text, const std::u16string& caption) override
    {
        events.push_back("inform " + toUtf8(caption) + ": " + toUtf8(text));
    }
    engine::SleepSupport sleepSupport() override { return sleep; }
    std::uint32_t setShutdownPrivilege(bool enable) override
    {
        events.push_back(std::string("privilege ") + (enable ? "on" : "off"));
        return privilegeResult;
    }
    std::uint32_t exitWindows(std::uint32_t flags, std::uint32_t reason) override
    {
        events.push_back("exit windows " + std::to_string(flags) + " " + std::to_string(reason));
        return powerResult;
    }
    std::uint32_t suspend() override
    {
        events.push_back("suspend");
        return powerResult;
    }
    std::u16string errorText(std::uint32_t code) override
    {
        return code == 5 ? u"Access is denied.\r\n" : u"";
    }
    std::uint32_t startProcess(const engine::LaunchRequest& request) override
    {
        launches.push_back(request);
        events.push_back("start process");
        return launchResult;
    }

private:
    void seedBytes(std::u16string_view key, std::u16string_view name, os::RegType type,
                   const unsigned char* data, std::uint32_t size)
    {
        registry.events = nullptr;
        registry.createKey(key)->setValue(name, type, data, size);
        registry.events = &events;
    }

    void closePass()
    {
        passBlocks.push_back(inPass_);
        events.push_back("pass " + std::to_string(inPass_));
        inPass_ = 0;
        if (afterPass)
            afterPass(static_cast<int>(passBlocks.size()));
    }

    std::uint64_t inPass_ = 0;
    std::uint64_t outstanding_ = 0;
};

} // namespace quenby::test
