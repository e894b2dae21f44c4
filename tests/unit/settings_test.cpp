// The settings procedures against every registry this face has: the in-memory
// one, and the platform's real backend (the file store on Linux, the Windows
// registry under Wine). Each case starts from an empty settings key.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "common/os/process.h"
#include "common/settings.h"
#include "common/text.h"
#include "tests/support/memory_registry.h"
#include "tests/support/native_registry.h"

using namespace quenby;
using os::RegAccess;
using os::RegStatus;
using os::RegType;

namespace {

constexpr std::uint32_t kTotal = 16384;

using Backend = test::RegistryBackend;
using Bytes = std::basic_string<unsigned char>;

std::basic_string<unsigned char> utf16Data(std::u16string_view text, bool terminated = true)
{
    std::basic_string<unsigned char> data;
    for (char16_t c : text) {
        data.push_back(static_cast<unsigned char>(c & 0xFF));
        data.push_back(static_cast<unsigned char>(c >> 8));
    }
    if (terminated) {
        data.push_back(0);
        data.push_back(0);
    }
    return data;
}

std::basic_string<unsigned char> dwordData(std::uint32_t v)
{
    return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
}

class SettingsStore : public testing::TestWithParam<Backend> {
protected:
    void SetUp() override
    {
        scope_ = GetParam().make();
        // Windows always has the Run key; the other backends start empty.
        registry().createKey(kRunKey);
    }

    os::Registry& registry() { return scope_->registry(); }

    void put(std::u16string_view key, std::u16string_view name, RegType type,
             const std::basic_string<unsigned char>& data)
    {
        auto handle = registry().createKey(key);
        ASSERT_TRUE(handle);
        ASSERT_EQ(handle->setValue(name, type, data.data(), static_cast<std::uint32_t>(data.size())),
                  RegStatus::ok);
    }
    void putNumber(std::u16string_view name, std::uint32_t value)
    {
        put(kSettingsKey, name, RegType::dword, dwordData(value));
    }

    std::basic_string<unsigned char> valueData(std::u16string_view key, std::u16string_view name,
                                               RegType* type = nullptr)
    {
        auto handle = registry().openKey(key, RegAccess::read);
        if (!handle)
            return {};
        std::basic_string<unsigned char> buffer(4096, 0);
        std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
        if (handle->queryValue(name, buffer.data(), size, type) != RegStatus::ok)
            return {};
        buffer.resize(size);
        return buffer;
    }

    Settings read(Deliverable who, std::uint32_t total = kTotal,
                  std::vector<std::string>* log = nullptr)
    {
        Settings settings;
        readSettings(registry(), settings, total, who,
                     [log](const std::string& line) {
                         if (log)
                             log->push_back(line);
                     });
        return settings;
    }

    std::unique_ptr<test::NativeRegistryScope> scope_;
};

TEST_P(SettingsStore, MissingKeyGivesDefaultsDerivedFromTotalRam)
{
    // With T = 16384, and with an odd T whose fractions round down.
    const struct {
        std::u16string_view name;
        std::uint32_t at16384;
        std::uint32_t at1001;
    } defaults[] = {
        {u"TargetFreeRAM", 4096, 250},   {u"MinimumFreeRAM", 1024, 62},  {u"FreeonStartup", 0, 0},
        {u"FreeonStartup_val1", 256, 15}, {u"FreeonStartup_val2", 60, 60}, {u"Freeeverymin_Val1", 64, 3},
        {u"Freeeverymin_Val2", 4, 4},     {u"Freeeverymin_Val3", 50, 50},  {u"Disable_CPU_detect", 0, 0},
        {u"WarnLowRecource", 0, 0},       {u"WarnLowRecource_Val1", 15, 15}, {u"TrayIconTextColor", 0, 0},
        {u"TrayIconInfo", 1, 1},          {u"HideTrayIcon", 0, 0},         {u"FreeupXMenu_Val1", 1024, 62},
        {u"FreeupYMenu_Val1", 256, 15},   {u"FreeupZMenu_Val1", 64, 3},    {u"AutoclearClipboard", 0, 0},
        {u"PlaySound", 0, 0},             {u"Hotkey1", 0, 0},              {u"Hotkey2", 0, 0},
        {u"Quenby_Stat", 0, 0},           {u"NotifyRecovery", 0, 0},       {u"RecoveryBackoff", 1, 1}};
    for (Deliverable who : {Deliverable::engine, Deliverable::panel}) {
        const Settings s = read(who);
        const Settings odd = read(who, 1001);
        for (const auto& expected : defaults) {
            const SettingField& field = *findSettingField(expected.name);
            // The engine keeps the interval in seconds.
            const std::uint32_t scale =
                who == Deliverable::engine && expected.name == u"Freeeverymin_Val2" ? 60 : 1;
            EXPECT_EQ(numericValue(s, field), expected.at16384 * scale) << toUtf8(expected.name);
            EXPECT_EQ(numericValue(odd, field), expected.at1001 * scale) << toUtf8(expected.name);
        }
        EXPECT_TRUE(s.Music.empty());
        EXPECT_FALSE(s.startWithWindows);
    }
}

TEST_P(SettingsStore, ReReadingStartsFromDefaultsAgain)
{
    putNumber(u"TargetFreeRAM", 777);
    Settings s;
    readSettings(registry(), s, kTotal, Deliverable::engine);
    EXPECT_EQ(s.TargetFreeRAM, 777u);
    scope_.reset(); // a fresh, empty store of the same kind
    scope_ = GetParam().make();
    readSettings(registry(), s, kTotal, Deliverable::engine);
    EXPECT_EQ(s.TargetFreeRAM, 4096u);
}

TEST_P(SettingsStore, NumbersFollowTheByteCountRuleAndTheirOwnReadingRules)
{
    constexpr std::uint32_t total = 20000; // T/4 = 5000, T/16 = 1250
    const struct {
        std::u16string_view name;
        RegType type;
        std::basic_string<unsigned char> data;
        std::uint32_t expected;
    } cases[] = {
        // Text "4096" is ten bytes: too long for a number, the default stays.
        {u"TargetFreeRAM", RegType::sz, utf16Data(u"4096"), 5000},
        // One character and its terminator are four bytes, taken as they stand.
        {u"MinimumFreeRAM", RegType::sz, utf16Data(u"7"), 0x37},
        // One to three bytes are zero-extended.
        {u"FreeonStartup_val1", RegType::binary, {0x05}, 5},
        {u"FreeonStartup_val2", RegType::binary, {0x34, 0x12}, 0x1234},
        {u"Freeeverymin_Val1", RegType::binary, {0x01, 0x02, 0x03}, 0x030201},
        // No data at all: the default stays.
        {u"Freeeverymin_Val3", RegType::binary, {}, 50},
        // Eight bytes: too long.
        {u"FreeupXMenu_Val1", RegType::qword, {1, 0, 0, 0, 0, 0, 0, 0}, total >> 4},
        // A number of any registry type with four bytes is taken.
        {u"FreeupYMenu_Val1", RegType::binary, dwordData(321), 321},
        // The text colour keeps only the low 16 bits.
        {u"TrayIconTextColor", RegType::dword, dwordData(0x7FFF0102), 0x0102},
        // The rest of the low-memory rule can't be switched off by a text "0"
        // that does not fit: it stays on, its default.
        {u"RecoveryBackoff", RegType::sz, utf16Data(u"0 (off)"), 1},
        // The warning values are written, never read.
        {u"WarnLowRecource", RegType::dword, dwordData(9), 0},
        {u"WarnLowRecource_Val1", RegType::dword, dwordData(99), 15},
    };
    for (const auto& c : cases)
        put(kSettingsKey, c.name, c.type, c.data);
    for (Deliverable who : {Deliverable::engine, Deliverable::panel}) {
        const Settings s = read(who, total);
        for (const auto& c : cases)
            EXPECT_EQ(numericValue(s, *findSettingField(c.name)), c.expected) << toUtf8(c.name);
    }
}

TEST_P(SettingsStore, TextsMustFitTheirBuffersAndListsAreCut)
{
    std::u16string list;
    for (int i = 0; i < 300; ++i)
        list += u"game.exe;";
    const struct {
        std::basic_string<unsigned char> data;
        std::u16string expected;
        std::u16string_view name = u"Music";
    } cases[] = {
        {utf16Data(std::u16string(259, u'a')), std::u16string(259, u'a')},
        {utf16Data(std::u16string(260, u'b')), u""},
        // A list longer than the options take is cut after its last whole name.
        {utf16Data(list), list.substr(0, 1017), u"PauseWhileRunning"},
        {utf16Data(std::u16string(1023, u'l')), std::u16string(1023, u'l'), u"PauseWhileRunning"},
        {utf16Data(std::u16string(40000, u'l')), u"", u"PauseWhileRunning"},
        // Exactly 520 bytes and no terminator: the text would run past the buffer.
        {utf16Data(std::u16string(260, u'c'), false), u""},
        // Shorter text without a terminator, and text with an inner null.
        {utf16Data(u"abc", false), u"abc"},
        {utf16Data(std::u16string(u"ab\0cd", 5)), u"ab"},
        // Non-ASCII survives the round trip.
        {utf16Data(u"C:\\Músik\\Звук.wav"), u"C:\\Músik\\Звук.wav"},
    };
    for (const auto& c : cases) {
        put(kSettingsKey, c.name, RegType::sz, c.data);
        for (Deliverable who : {Deliverable::engine, Deliverable::panel}) {
            const Settings s = read(who);
            EXPECT_EQ(c.name == u"Music" ? s.Music : s.PauseWhileRunning, c.expected) << c.data.size() << " bytes";
        }
    }
}

TEST_P(SettingsStore, FullWriteSetsOrDeletesTheStartWithWindowsEntry)
{
    put(kRunKey, u"SomeoneElse", RegType::sz, utf16Data(u"other.exe"));
    Settings s = read(Deliverable::panel);
    s.startWithWindows = true;
    writeSettings(registry(), s);
    // Written quoted, so a folder with spaces can't start a different program.
    RegType type = RegType::none;
    EXPECT_EQ(valueData(kRunKey, kRunValue, &type), utf16Data(u"\"" + s.enginePath + u"\""));
    EXPECT_EQ(type, RegType::sz);
    EXPECT_TRUE(read(Deliverable::panel).startWithWindows);

    s.startWithWindows = false;
    writeSettings(registry(), s);
    EXPECT_TRUE(valueData(kRunKey, kRunValue).empty());
    // Already absent: deleting again changes nothing else.
    writeSettings(registry(), s);
    EXPECT_TRUE(valueData(kRunKey, kRunValue).empty());
    EXPECT_EQ(valueData(kRunKey, u"SomeoneElse"), utf16Data(u"other.exe"));
}

TEST_P(SettingsStore, TickingAndUntickingWriteWhatTaskManagerReadsBack)
{
    // Task Manager's switch for another program's entry is not ours to touch.
    put(kStartupApprovedKey, u"SomeoneElse", RegType::binary, Bytes(12, 3));
    const Bytes enabled = {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const Bytes disabledAt = {3, 0, 0, 0, 0x10, 0x2f, 0x8a, 0x51, 0x7c, 0x4d, 0xd9, 0x01};
    const struct {
        const char* before;
        RegType type;
        Bytes data;
    } cases[] = {
        {"no switch yet", RegType::none, {}},
        {"switched off in Task Manager", RegType::binary, disabledAt},
        {"a switch of the wrong type", RegType::dword, dwordData(3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        Settings s = read(Deliverable::panel);
        if (c.type != RegType::none)
            put(kStartupApprovedKey, kRunValue, c.type, c.data);
        s.startWithWindows = true;
        writeSettings(registry(), s);
        RegType type = RegType::none;
        EXPECT_EQ(valueData(kStartupApprovedKey, kRunValue, &type), enabled);
        EXPECT_EQ(type, RegType::binary);
        EXPECT_EQ(valueData(kRunKey, kRunValue), utf16Data(u"\"" + s.enginePath + u"\""));
        EXPECT_TRUE(read(Deliverable::panel).startWithWindows);

        s.startWithWindows = false;
        writeSettings(registry(), s);
        EXPECT_TRUE(valueData(kStartupApprovedKey, kRunValue).empty());
        EXPECT_TRUE(valueData(kRunKey, kRunValue).empty());
        EXPECT_EQ(valueData(kStartupApprovedKey, u"SomeoneElse"), Bytes(12, 3));
    }
}

TEST_P(SettingsStore, TickingAddsNoSecondEntryWhereTheMachineStartsTheEngine)
{
    const struct {
        const char* machine;
        Bytes approved; // the machine's switch; empty: none
        bool userEntryWritten;
    } cases[] = {
        {"machine entry on", {}, false},
        {"machine entry switched on in Task Manager", Bytes{2} + Bytes(11, 0), false},
        {"machine entry switched off", Bytes{3} + Bytes(11, 0), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.machine);
        test::MemoryRegistry machine;
        auto run = machine.createKey(kRunKey);
        const Bytes command = utf16Data(u"\"C:\\Program Files\\Quenby\\Quenbytray.exe\"");
        run->setValue(kRunValue, RegType::sz, command.data(), static_cast<std::uint32_t>(command.size()));
        if (!c.approved.empty())
            machine.createKey(kStartupApprovedKey)
                ->setValue(kRunValue, RegType::binary, c.approved.data(), 12);
        Settings s = read(Deliverable::panel);
        s.startWithWindows = true;
        // The panel's save and the engine's policy both go this way.
        writeSettings(registry(), s, &machine);
        EXPECT_EQ(!valueData(kRunKey, kRunValue).empty(), c.userEntryWritten);
        EXPECT_EQ(!valueData(kStartupApprovedKey, kRunValue).empty(), c.userEntryWritten);
        applyStartWithWindows(registry(), false, s.enginePath);
    }
}

TEST_P(SettingsStore, FullWriteRoundTripsEveryValue)
{
    // A different number in every value that is read back, so that no two
    // values can be mixed up unseen.
    Settings s = read(Deliverable::panel);
    std::uint32_t next = 7;
    for (const auto& field : kSettingsSchema) {
        if (field.read && field.type == RegType::dword)
            setNumericValue(s, field, next++);
    }
    s.Music = u"C:\\Windows\\Media\\Alarm01.wav";
    writeSettings(registry(), s);

    EXPECT_EQ(read(Deliverable::panel), s);
    Settings engine = read(Deliverable::engine);
    EXPECT_EQ(engine.Freeeverymin_Val2, s.Freeeverymin_Val2 * 60);
    engine.Freeeverymin_Val2 = s.Freeeverymin_Val2;
    engine.darkTheme = false;
    engine.enginePath = s.enginePath;
    EXPECT_EQ(engine, s);

    // Every value has the type the schema gives it; the warning values are fixed.
    for (const auto& field : kSettingsSchema) {
        RegType type = RegType::none;
        const auto data = valueData(kSettingsKey, field.name, &type);
        EXPECT_EQ(type, field.type) << toUtf8(field.name);
        if (field.type == RegType::dword) {
            EXPECT_EQ(data.size(), 4u) << toUtf8(field.name);
        }
    }
    EXPECT_EQ(valueData(kSettingsKey, u"WarnLowRecource"), dwordData(0));
    EXPECT_EQ(valueData(kSettingsKey, u"WarnLowRecource_Val1"), dwordData(15));

    // An empty sound path is written as an empty text, not deleted.
    s.Music.clear();
    writeSettings(registry(), s);
    EXPECT_EQ(valueData(kSettingsKey, u"Music"), utf16Data(u""));
}

TEST_P(SettingsStore, StateWriteNeedsAnExistingKey)
{
    writeState(registry(), 1);
    EXPECT_FALSE(registry().openKey(kSettingsKey, RegAccess::read));
    EXPECT_EQ(read(Deliverable::engine).Quenby_Stat, 0u);

    Settings s = read(Deliverable::panel);
    writeSettings(registry(), s);
    writeState(registry(), 1);
    EXPECT_EQ(read(Deliverable::engine).Quenby_Stat, 1u);
    // Only the state changed.
    Settings expected = s;
    expected.Quenby_Stat = 1;
    EXPECT_EQ(read(Deliverable::panel), expected);
}

TEST_P(SettingsStore, MissingThemeValueCountsAsDark)
{
    Settings s;
    EXPECT_TRUE(readSystemTheme(registry(), s));
    put(kPersonalizeKey, kLightThemeValue, RegType::dword, dwordData(1));
    EXPECT_FALSE(readSystemTheme(registry(), s));
    EXPECT_FALSE(read(Deliverable::engine).darkTheme);
    put(kPersonalizeKey, kLightThemeValue, RegType::dword, dwordData(0));
    EXPECT_TRUE(readSystemTheme(registry(), s));
    // A value of another type is unreadable, and so dark.
    put(kPersonalizeKey, kLightThemeValue, RegType::sz, utf16Data(u"1"));
    EXPECT_TRUE(readSystemTheme(registry(), s));
}

TEST_P(SettingsStore, AppsAreDarkOnlyWhenTheirThemeValueSaysSo)
{
    // Unlike the taskbar's, the apps' missing value means the light look.
    EXPECT_FALSE(appsUseDarkTheme(registry()));
    const struct {
        RegType type;
        std::basic_string<unsigned char> data;
        bool dark;
    } cases[] = {
        {RegType::dword, dwordData(0), true},      {RegType::dword, dwordData(1), false},
        {RegType::dword, dwordData(0x100), false}, {RegType::sz, utf16Data(u"0"), false},
        {RegType::binary, {0, 0, 0, 0}, false},    {RegType::qword, {0, 0, 0, 0, 0, 0, 0, 0}, false},
    };
    for (const auto& c : cases) {
        put(kPersonalizeKey, kAppsLightThemeValue, c.type, c.data);
        EXPECT_EQ(appsUseDarkTheme(registry()), c.dark) << c.data.size() << " bytes";
    }
    // The taskbar's value is another one.
    put(kPersonalizeKey, kAppsLightThemeValue, RegType::dword, dwordData(1));
    put(kPersonalizeKey, kLightThemeValue, RegType::dword, dwordData(0));
    EXPECT_FALSE(appsUseDarkTheme(registry()));
}

TEST_P(SettingsStore, PanelLogsAndFallsBackToItsOwnFolderWithoutPath)
{
    std::vector<std::string> log;
    const Settings s = read(Deliverable::panel, kTotal, &log);
    const std::u16string expected =
        os::executableDirectory() + std::u16string(1, os::pathSeparator()) + os::engineFileName();
    EXPECT_EQ(s.enginePath, expected);
    const std::vector<std::string> lines = {"error", "StartupCmd: " + toUtf8(expected),
                                            "TotalRAM: 16384", "TargetFreeRAM: 4096",
                                            "MinimumFreeRAM: 1024"};
    EXPECT_EQ(log, lines);

    // The key exists but Path is missing: still one "error" line.
    putNumber(u"TargetFreeRAM", 1);
    log.clear();
    read(Deliverable::panel, kTotal, &log);
    EXPECT_EQ(std::count(log.begin(), log.end(), "error"), 1);
}

TEST_P(SettingsStore, InstallPathKeepsEveryCharacterOfTheStoredText)
{
    // 260 characters stored without a terminator: read whole, nothing dropped.
    const std::u16string long_(260, u'x');
    put(kSettingsKey, kPathValue, RegType::sz, utf16Data(long_, false));
    std::u16string path;
    EXPECT_TRUE(readRegistryString(registry(), kSettingsKey, kPathValue, path));
    EXPECT_EQ(path, long_);
    EXPECT_EQ(read(Deliverable::panel).enginePath.substr(0, 260), long_);
    // The engine's 260-unit buffer has no room for it, and refuses it.
    EXPECT_FALSE(readEngineInstallPath(registry()).has_value());

    put(kSettingsKey, kPathValue, RegType::sz, utf16Data(u"D:\\Apps\\Quenby"));
    EXPECT_EQ(readEngineInstallPath(registry()).value_or(u"?"), u"D:\\Apps\\Quenby");

    // A number where text belongs: not a string, so no path.
    put(kSettingsKey, kPathValue, RegType::dword, dwordData(5));
    std::vector<std::string> log;
    EXPECT_FALSE(readRegistryString(registry(), kSettingsKey, kPathValue, path,
                                    [&](const std::string& line) { log.push_back(line); }));
    EXPECT_TRUE(path.empty());
    EXPECT_EQ(log, std::vector<std::string>{"error"});
}

INSTANTIATE_TEST_SUITE_P(
    Registries, SettingsStore,
    testing::ValuesIn(test::kRegistryBackends),
    [](const testing::TestParamInfo<Backend>& info) { return std::string(info.param.name); });

// The order of the full write is fixed: the values in schema order, with the
// sound path among them, so a reader that reloads after the notification finds
// a complete key.
TEST(SettingsWriteOrder, FullWriteTouchesRunKeyThenEveryValueInSchemaOrder)
{
    test::MemoryRegistry registry;
    registry.createKey(kRunKey);
    Settings s;
    readSettings(registry, s, kTotal, Deliverable::panel);
    registry.journal.clear();
    writeSettings(registry, s);
    ASSERT_EQ(registry.journal.size(), kSettingFieldCount);
    for (std::size_t i = 0; i < kSettingFieldCount; ++i)
        EXPECT_EQ(registry.journal[i], "set " + toUtf8(kSettingsSchema[i].name));

    registry.journal.clear();
    s.startWithWindows = true;
    writeSettings(registry, s);
    EXPECT_EQ(registry.journal.front(), "set Quenby");
}

TEST(SettingsWriteOrder, RefusedWritesLeaveTheRegistryAlone)
{
    test::MemoryRegistry registry;
    registry.createKey(kRunKey);
    registry.refuseWrites = true;
    Settings s;
    readSettings(registry, s, kTotal, Deliverable::panel);
    s.startWithWindows = true;
    writeSettings(registry, s);
    writeState(registry, 1);
    EXPECT_TRUE(registry.journal.empty());
}

TEST(SettingsSchema, UiRangesAreTheOnesTheWindowsOffer)
{
    // Every range the user interface offers, from 0 up to: three quarters and
    // half of T for the sliders, 999 MB, 60 seconds or minutes and 100 percent
    // for the spin boxes, 1 for a check box, the last index for a list, one
    // Latin-1 character for a hot key.
    const std::pair<std::u16string_view, std::uint32_t> maxima[] = {
        {u"TargetFreeRAM", 12288},     {u"MinimumFreeRAM", 8192},   {u"FreeonStartup", 1},
        {u"FreeonStartup_val1", 999},  {u"FreeonStartup_val2", 60}, {u"Freeeverymin_Val1", 999},
        {u"Freeeverymin_Val2", 60},    {u"Freeeverymin_Val3", 100}, {u"Disable_CPU_detect", 1},
        {u"TrayIconTextColor", 2},     {u"TrayIconInfo", 1},        {u"FreeupXMenu_Val1", 999},
        {u"FreeupYMenu_Val1", 999},    {u"FreeupZMenu_Val1", 999},  {u"AutoclearClipboard", 1},
        {u"PlaySound", 1},             {u"Hotkey1", 255},           {u"Hotkey2", 255},
        {u"NotifyRecovery", 1},        {u"RecoveryBackoff", 1},     {u"PauseWhileFullScreen", 1}};
    std::size_t ranged = 0;
    for (const auto& field : kSettingsSchema)
        ranged += field.hasUiRange ? 1 : 0;
    EXPECT_EQ(ranged, std::size(maxima));
    for (const auto& [name, maximum] : maxima) {
        const SettingField* field = findSettingField(name);
        ASSERT_TRUE(field && field->hasUiRange) << toUtf8(name);
        EXPECT_EQ(field->uiMinimum.of(kTotal), 0u) << toUtf8(name);
        EXPECT_EQ(field->uiMaximum.of(kTotal), maximum) << toUtf8(name);
    }
    // Found without regard to case; the sliders' fractions truncate, and three
    // quarters of a very large T do not overflow.
    EXPECT_EQ(findSettingField(u"targetfreeram"), findSettingField(u"TargetFreeRAM"));
    EXPECT_EQ(findSettingField(u"nonsense"), nullptr);
    EXPECT_EQ(findSettingField(u"TargetFreeRAM")->uiMaximum.of(1001), 750u);
    EXPECT_EQ(findSettingField(u"MinimumFreeRAM")->uiMaximum.of(1001), 500u);
    EXPECT_EQ(findSettingField(u"TargetFreeRAM")->uiMaximum.of(0xFFFFFFFFu), 0xBFFFFFFFu);
}

} // namespace
