// quenbyctl as a real process: its arguments and exit codes, the messages it
// posts (seen by an endpoint that stands in for the engine, and by a real
// engine), the settings it stores, and the engine it starts.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <thread>

#include "common/os/windowlink.h"
#include "common/sampling.h"
#include "common/text.h"
#include "tests/support/endpoint_wait.h"
#include "tests/system/system_support.h"

namespace quenby::systest {
namespace {

namespace fs = std::filesystem;
using os::posix::Endpoint;

const std::string kNotRunning = "quenbyctl: the engine is not running\n";

os::WindowRef engineWindow()
{
    return os::findWindow(kEngineWindowClass, kEngineWindowTitle);
}

std::string describe(const Outcome& run)
{
    return "exit " + std::to_string(run.exitCode) + "\nstdout:\n" + run.out + "stderr:\n" + run.err;
}

// Runs quenbyctl and expects its exit code, and what it printed where that is given.
Outcome expectRun(const std::vector<std::string>& args, int code, const std::optional<std::string>& out = {},
                  const std::optional<std::string>& err = {})
{
    const Outcome run = runCtl(args);
    EXPECT_EQ(run.exitCode, code) << describe(run);
    EXPECT_TRUE(!out || run.out == *out) << "not the output expected: " << describe(run);
    EXPECT_TRUE(!err || run.err == *err) << "not the error expected: " << describe(run);
    return run;
}

std::string linkTarget(const std::string& path)
{
    std::error_code error;
    return fs::read_symlink(path, error).string();
}

class Quenbyctl : public SystemTest {
protected:
    std::unique_ptr<os::RegistryKey> settingsKey() { return registry().createKey(kSettingsKey); }

    void storeText(std::u16string_view name, std::u16string_view text)
    {
        std::basic_string<unsigned char> data;
        for (const char16_t c : text) {
            data.push_back(static_cast<unsigned char>(c & 0xFF));
            data.push_back(static_cast<unsigned char>(c >> 8));
        }
        data.append(2, 0);
        ASSERT_EQ(settingsKey()->setValue(name, os::RegType::sz, data.data(),
                                          static_cast<std::uint32_t>(data.size())),
                  os::RegStatus::ok);
    }

    bool settingsKeyExists() { return registry().openKey(kSettingsKey, os::RegAccess::read) != nullptr; }

    // Whether every value of the full write is stored.
    void expectEverySettingStored()
    {
        auto key = registry().openKey(kSettingsKey, os::RegAccess::read);
        ASSERT_TRUE(key);
        for (const SettingField& field : kSettingsSchema) {
            unsigned char buffer[1024];
            std::uint32_t size = sizeof buffer;
            EXPECT_EQ(key->queryValue(field.name, buffer, size, nullptr), os::RegStatus::ok)
                << toUtf8(field.name) << " was not stored";
        }
    }
};

TEST_F(Quenbyctl, BadArgumentsAreRefusedWithoutActing)
{
    // An endpoint in the engine's place shows that nothing is posted either.
    Endpoint engine(kEngineWindowClass, kEngineWindowTitle);
    ASSERT_TRUE(engine.isOpen());

    EXPECT_NE(expectRun({}, 2, "").err.find("usage: quenbyctl"), std::string::npos);
    const Outcome help = expectRun({"--help"}, 0, {}, "");
    for (const char* word : {"recover MB", "enable", "disable", "close", "status", "watch", "exit codes"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word << " missing from\n" << help.out;

    const std::vector<std::vector<std::string>> refused = {
        {"recover"}, {"recover", "0"}, {"recover", "-5"}, {"recover", "+5"}, {"recover", " 5"}, {"recover", "5 "},
        {"recover", "abc"}, {"recover", "12x"}, {"recover", "1.5"}, {"recover", ""}, {"recover", "4294967296"},
        {"recover", "18446744073709551617"}, {"recover", "99999999999999999999999999"}, {"recover", "1", "2"},
        {"frobnicate"}, {"Enable"}, {"enable", "now"}, {"disable", "now"}, {"close", "1"}, {"status", "all"},
        {"watch", "0"}, {"watch", "x"}, {"watch", "1", "2"},
    };
    for (const auto& args : refused) {
        std::string shown;
        for (const auto& arg : args)
            shown += " '" + arg + "'";
        SCOPED_TRACE("quenbyctl" + shown);
        const Outcome run = expectRun(args, 2, "");
        EXPECT_EQ(run.err.rfind("quenbyctl: ", 0), 0u) << "no clear message: " << describe(run);
    }
    const Outcome tooBig = runCtl({"recover", "4294967296"});
    EXPECT_NE(tooBig.err.find("4294967295"), std::string::npos) << "the range is not named";

    EXPECT_FALSE(engine.receive()) << "a refused command posted a message";
    EXPECT_FALSE(settingsKeyExists()) << "a refused command stored settings";
}

TEST_F(Quenbyctl, WithoutAnEngineItSaysSoAndStillStores)
{
    expectRun({"recover", "5"}, 3, "", kNotRunning);
    expectRun({"close"}, 3, {}, kNotRunning);

    // Before any save there is no settings key: the first store writes them all.
    ASSERT_FALSE(settingsKeyExists());
    expectRun({"disable"}, 0, "stored; the engine is not running\n", "");
    EXPECT_EQ(storedNumber(u"Quenby_Stat"), 0u);
    expectEverySettingStored();
    EXPECT_FALSE(engineWindow()) << "disable started an engine";

    EXPECT_EQ(expectRun({"status"}, 0).out.rfind("Engine: not running\n", 0), 0u);
}

// What quenbyctl reports is what happened to its own write, whatever else is
// going on: a store that can't be written, another writer at the same time, an
// engine whose queue is full for a moment.
TEST_F(Quenbyctl, SaysExactlyWhatHappened)
{
    // The first store writes every settings value but leaves the start-with-
    // Windows entry as it found it.
    const char16_t entry[] = u"x";
    ASSERT_EQ(registry().createKey(kRunKey)->setValue(kRunValue, os::RegType::sz, entry, 4), os::RegStatus::ok);
    expectRun({"disable"}, 0);
    expectEverySettingStored();
    char16_t stored[8] = {};
    std::uint32_t size = sizeof stored;
    ASSERT_EQ(registry().getValue(kRunKey, kRunValue, os::RegRestrict::sz, stored, &size), os::RegStatus::ok);
    EXPECT_EQ(std::u16string(stored, size / 2), std::u16string(u"x\0", 2));

    // Two writers racing: each store is its own, and each is reported stored.
    std::vector<int> codes[2];
    const auto writer = [&](int which, const char* command) {
        for (int i = 0; i < 25; ++i)
            codes[which].push_back(runCtl({command}).exitCode);
    };
    std::thread enabling(writer, 0, "enable");
    std::thread disabling(writer, 1, "disable");
    enabling.join();
    disabling.join();
    for (const auto& list : codes)
        EXPECT_EQ(std::count(list.begin(), list.end(), 0), 25);
    // The enables found no engine and started one: it goes before the next part.
    if (engineWindow()) {
        runCtl({"close"});
        EXPECT_TRUE(eventually([] { return !engineWindow(); }));
    }

    // A queue that is full for a moment: quenbyctl waits for room.
    {
        Endpoint engine(kEngineWindowClass, kEngineWindowTitle);
        ASSERT_TRUE(engine.isOpen());
        int queued = 0;
        while (os::postToWindow(kEngineWindowClass, kEngineWindowTitle, 0xC000) && queued < 100000)
            ++queued;
        Outcome close;
        std::thread closing([&] { close = runCtl({"close"}); });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        bool closeArrived = false;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!closeArrived && std::chrono::steady_clock::now() < end) {
            if (const auto got = engine.receive())
                closeArrived = got->message == kCloseMessage;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        closing.join();
        EXPECT_EQ(close.exitCode, 0) << describe(close);
        EXPECT_TRUE(closeArrived);
    }

    // A store that can't be written is reported, even where the default would
    // read back as the very value asked for.
    const fs::path file = config_ / "quenby" / "registry.reg";
    fs::remove(file);
    fs::create_directory(file);
    const Outcome refused = expectRun({"disable"}, 5, "");
    const std::string said = "quenbyctl: the setting could not be stored\n";
    EXPECT_TRUE(refused.err.size() >= said.size() &&
                refused.err.compare(refused.err.size() - said.size(), said.size(), said) == 0)
        << refused.err;
}

TEST_F(Quenbyctl, PostsTheMessagesThePanelWould)
{
    Endpoint engine(kEngineWindowClass, kEngineWindowTitle);
    ASSERT_TRUE(engine.isOpen());
    const auto expectPosted = [&](std::uint32_t message, std::uint64_t wParam) {
        const auto got = quenby::test::waitFor(engine, 20000);
        ASSERT_TRUE(got) << "nothing was posted";
        EXPECT_EQ(got->message, message);
        EXPECT_EQ(got->wParam, wParam);
        EXPECT_EQ(got->lParam, 0);
        EXPECT_FALSE(engine.receive()) << "more than one message was posted";
    };
    const auto defrag = messageNumber(Message::StartDefragRAM);
    const auto update = messageNumber(Message::UpdateData);

    for (const auto& [text, amount] : std::vector<std::pair<std::string, std::uint64_t>>{
             {"300", 300}, {"1", 1}, {"007", 7}, {"4294967295", 4294967295ULL}}) {
        SCOPED_TRACE("recover " + text);
        expectRun({"recover", text}, 0, {}, "");
        expectPosted(defrag, amount);
    }

    expectRun({"close"}, 0);
    expectPosted(kCloseMessage, 0);

    // Once the key exists only the state is written: a value the full write
    // would add stays missing.
    const std::uint32_t zero = 0;
    ASSERT_EQ(settingsKey()->setValue(u"HideTrayIcon", os::RegType::dword, &zero, 4), os::RegStatus::ok);
    expectRun({"enable"}, 0, "stored; the engine was told\n");
    expectPosted(update, 0);
    EXPECT_EQ(storedNumber(u"Quenby_Stat"), 1u);
    EXPECT_EQ(storedNumber(u"TargetFreeRAM"), std::nullopt) << "a full write where none was due";

    expectRun({"disable"}, 0, "stored; the engine was told\n");
    expectPosted(update, 0);
    EXPECT_EQ(storedNumber(u"Quenby_Stat"), 0u);
    EXPECT_EQ(storedNumber(u"TargetFreeRAM"), std::nullopt);

    // With an engine window present, enable started no other engine.
    EXPECT_EQ(pidOfWindow(engineWindow().address), ::getpid());
}

// The first enable on a fresh machine: every setting is written (the state alone
// could not be, there being no key yet), and the engine it starts reads the
// optimizer as on.
TEST_F(Quenbyctl, FirstEnableStoresEverySettingAndStartsADetachedEngine)
{
    Endpoint panel(panelWindowClass(), kPanelWindowTitle);
    ASSERT_TRUE(panel.isOpen());
    ASSERT_FALSE(settingsKeyExists());

    ASSERT_EQ(expectRun({"enable"}, 0, "stored; the engine was started (" + enginePath() + ")\n").exitCode, 0);
    EXPECT_EQ(storedNumber(u"Quenby_Stat"), 1u);
    expectEverySettingStored();

    const auto started = quenby::test::waitFor(panel, 20000);
    ASSERT_TRUE(started) << "the started engine never announced itself";
    EXPECT_EQ(started->message, messageNumber(Message::QuenbyStart));
    ASSERT_TRUE(eventually([] { return static_cast<bool>(engineWindow()); }));
    const pid_t pid = pidOfWindow(engineWindow().address);
    ASSERT_GT(pid, 0);
    Adopted engine(pid);
    EXPECT_EQ(linkTarget("/proc/" + std::to_string(pid) + "/exe"), enginePath());

    // Detached: none of our streams, and a session of its own.
    for (int stream = 0; stream <= 2; ++stream)
        EXPECT_EQ(linkTarget("/proc/" + std::to_string(pid) + "/fd/" + std::to_string(stream)),
                  "/dev/null")
            << "stream " << stream;
    EXPECT_NE(::getsid(pid), ::getsid(0));

    const Outcome status = expectRun({"status"}, 0);
    EXPECT_NE(status.out.find("Engine: running\n"), std::string::npos) << status.out;
    EXPECT_NE(status.out.find("\nQuenby_Stat: 1\n"), std::string::npos) << status.out;

    // Enabling again tells the running engine rather than starting another.
    expectRun({"enable"}, 0, "stored; the engine was told\n");
    EXPECT_FALSE(panel.receive()) << "a second engine announced itself";
    EXPECT_EQ(pidOfWindow(engineWindow().address), pid);

    expectRun({"close"}, 0);
    EXPECT_EQ(engine.waitExit(), 0);
    const auto ended = quenby::test::waitFor(panel, 20000);
    ASSERT_TRUE(ended);
    EXPECT_EQ(ended->message, messageNumber(Message::QuenbyExit));
    EXPECT_FALSE(engineWindow());
}

TEST_F(Quenbyctl, EnableReportsAnEngineThatCannotBeStarted)
{
    const std::string folder = (temp_.path() / "not installed here").string();
    storeText(u"Path", fromUtf8(folder));
    const Outcome enable = expectRun({"enable"}, 4);
    EXPECT_NE(enable.err.find("could not be started"), std::string::npos) << describe(enable);
    EXPECT_NE(enable.err.find(folder + "/Quenbytray"), std::string::npos)
        << "the path tried is not named: " << describe(enable);
    EXPECT_EQ(storedNumber(u"Quenby_Stat"), 1u) << "the state is stored all the same";
    EXPECT_FALSE(engineWindow());
}

TEST_F(Quenbyctl, StatusShowsTheFiguresAndEveryStoredSetting)
{
    registry().createKey(kRunKey); // where the start-with-Windows entry goes
    saveSettings([](Settings& s) {
        s.TargetFreeRAM = 1234;
        s.Freeeverymin_Val2 = 7; // minutes, as the panel keeps them
        s.Hotkey1 = 'A';
        s.Music = u"/tmp/alarm \u00e9t\u00e9.wav";
        s.startWithWindows = true;
    });

    const Outcome status = expectRun({"status"}, 0, {}, "");
    ASSERT_EQ(status.exitCode, 0);
    std::istringstream lines(status.out);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line))
        all.push_back(line);
    const auto count = [&](const std::string& start) {
        int n = 0;
        for (const auto& l : all)
            n += l.rfind(start, 0) == 0;
        return n;
    };
    const auto has = [&](const std::string& whole) {
        return std::find(all.begin(), all.end(), whole) != all.end();
    };

    EXPECT_TRUE(has("Engine: not running")) << status.out;
    EXPECT_TRUE(has("Total RAM: " + std::to_string(totalPhysicalMB()) + " MB")) << status.out;
    EXPECT_EQ(count("Available RAM: "), 1) << status.out;
    ASSERT_EQ(count("CPU usage: "), 1) << status.out;
    for (const SettingField& field : kSettingsSchema)
        EXPECT_EQ(count(toUtf8(field.name) + ": "), 1) << toUtf8(field.name) << "\n" << status.out;
    EXPECT_TRUE(has("TargetFreeRAM: 1234")) << status.out;
    EXPECT_TRUE(has("Freeeverymin_Val2: 7")) << "not in minutes:\n" << status.out;
    EXPECT_TRUE(has("Hotkey1: 65")) << status.out;
    EXPECT_TRUE(has("Music: /tmp/alarm \xc3\xa9t\xc3\xa9.wav")) << status.out;
    EXPECT_TRUE(has("startWithWindows: 1")) << status.out;
    EXPECT_TRUE(has("enginePath: " + enginePath())) << status.out;

    auto engine = startEngine();
    EXPECT_EQ(expectRun({"status"}, 0).out.rfind("Engine: running\n", 0), 0u);
}

TEST_F(Quenbyctl, DrivesARealEngine)
{
    auto engine = startEngine();

    // The engine reloads on the message quenbyctl posts: a hidden icon, stored by
    // a full write beforehand, goes when disable tells it.
    saveSettings([](Settings& s) { s.HideTrayIcon = 1; });
    expectRun({"disable"}, 0, "stored; the engine was told\n");
    EXPECT_TRUE(engine->waitForError("tray icon removed")) << engine->error();
    EXPECT_EQ(storedNumber(u"Quenby_Stat"), 0u);

    saveSettings([](Settings& s) { s.HideTrayIcon = 0; });
    expectRun({"enable"}, 0, "stored; the engine was told\n");
    EXPECT_TRUE(engine->waitForError("tray icon added")) << engine->error();
    EXPECT_EQ(storedNumber(u"Quenby_Stat"), 1u);

    expectRun({"close"}, 0);
    EXPECT_EQ(engine->waitExit(), 0) << engine->error();
    expectRun({"close"}, 3, {}, kNotRunning);
}

} // namespace
} // namespace quenby::systest
