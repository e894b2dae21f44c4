// An administrator's policies over the user's settings: what wins, what a bad
// policy value leaves alone, what the writes keep, and the machine store of the
// real backend.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/settings.h"
#include "common/text.h"
#include "tests/support/memory_registry.h"
#include "tests/support/test_env.h"

#ifdef _WIN32
#include "common/os/win32/handles.h"
#else
#include <sys/stat.h>
#endif

using namespace quenby;
using os::RegAccess;
using os::RegStatus;
using os::RegType;

namespace {

constexpr std::uint32_t kTotal = 16384;

using Bytes = std::basic_string<unsigned char>;

Bytes dword(std::uint32_t v)
{
    return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
}

Bytes text(std::u16string_view t)
{
    Bytes data;
    for (char16_t c : t) {
        data.push_back(static_cast<unsigned char>(c & 0xFF));
        data.push_back(static_cast<unsigned char>(c >> 8));
    }
    data.append({0, 0});
    return data;
}

void put(os::Registry& registry, std::u16string_view key, std::u16string_view name, RegType type,
         const Bytes& data)
{
    auto handle = registry.createKey(key);
    ASSERT_TRUE(handle);
    ASSERT_EQ(handle->setValue(name, type, data.data(), static_cast<std::uint32_t>(data.size())),
              RegStatus::ok);
}

// A registry whose policy key exists but can't be opened.
class LockedPolicies final : public os::Registry {
public:
    explicit LockedPolicies(os::Registry& inner) : inner_(inner) {}
    std::unique_ptr<os::RegistryKey> openKey(std::u16string_view path, RegAccess access,
                                             RegStatus* status) override
    {
        if (path == kPolicyKey) {
            if (status)
                *status = RegStatus::accessDenied;
            return nullptr;
        }
        return inner_.openKey(path, access, status);
    }
    std::unique_ptr<os::RegistryKey> createKey(std::u16string_view path, RegStatus* status) override
    {
        return inner_.createKey(path, status);
    }
    RegStatus getValue(std::u16string_view path, std::u16string_view name, os::RegRestrict restrict,
                       void* buffer, std::uint32_t* size) override
    {
        return inner_.getValue(path, name, restrict, buffer, size);
    }

private:
    os::Registry& inner_;
};

class Policies : public testing::Test {
protected:
    test::MemoryRegistry user;
    test::MemoryRegistry machine;

    Settings read(Deliverable who = Deliverable::panel, os::Registry* userSide = nullptr)
    {
        Settings settings;
        readSettings(userSide ? *userSide : user, settings, kTotal, who, {}, &machine);
        return settings;
    }
};

TEST_F(Policies, MachineWinsOverUserPolicyWhichWinsOverTheUsersValue)
{
    // value, user's own, user policy, machine policy (0 = none), expected, expected mark
    const struct {
        std::u16string_view name;
        std::uint32_t own, userPolicy, machinePolicy, expected;
        bool marked;
    } rows[] = {
        {u"TargetFreeRAM", 5000, 0, 0, 5000, false},
        {u"TargetFreeRAM", 5000, 6000, 0, 6000, true},
        {u"TargetFreeRAM", 5000, 6000, 7000, 7000, true},
        {u"MinimumFreeRAM", 0, 0, 900, 900, true}, // over the default, with no own value
        {u"Hotkey1", 65, 81, 0, 81, true},
        {u"NotifyRecovery", 0, 0, 1, 1, true},
        {u"RecoveryBackoff", 0, 1, 0, 1, true}, // a user's 0 overruled
        // Not a user's choice: no policy sets these.
        {u"Quenby_Stat", 1, 0, 7, 1, false},
        {u"HideTrayIcon", 0, 1, 1, 0, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(toUtf8(row.name) + " " + std::to_string(row.expected));
        const SettingField* field = findSettingField(row.name);
        if (field == nullptr)
            continue; // a value this build does not have yet
        user.keys.clear();
        machine.keys.clear();
        if (row.own != 0)
            put(user, kSettingsKey, row.name, RegType::dword, dword(row.own));
        if (row.userPolicy != 0)
            put(user, kPolicyKey, row.name, RegType::dword, dword(row.userPolicy));
        if (row.machinePolicy != 0)
            put(machine, kPolicyKey, row.name, RegType::dword, dword(row.machinePolicy));
        const Settings s = read();
        EXPECT_EQ(numericValue(s, *field), row.expected);
        EXPECT_EQ(setByPolicy(s, row.name), row.marked);
        EXPECT_EQ(s.setByPolicy.count(), row.marked ? 1u : 0u);
    }
}

TEST_F(Policies, WithoutPoliciesEverythingReadsAsBefore)
{
    put(user, kSettingsKey, u"TrayIconInfo", RegType::dword, dword(0));
    Settings without;
    readSettings(user, without, kTotal, Deliverable::engine);
    const Settings with = read(Deliverable::engine);
    EXPECT_EQ(with, without);
    EXPECT_TRUE(with.setByPolicy.none());
    // A policy key that can't be opened is no policy either.
    put(user, kPolicyKey, u"TrayIconInfo", RegType::dword, dword(1));
    LockedPolicies locked(user);
    EXPECT_EQ(read(Deliverable::engine, &locked), without);
}

TEST_F(Policies, BadPolicyDataLeavesTheUsersValueOrTheDefault)
{
    put(user, kSettingsKey, u"FreeupXMenu_Val1", RegType::dword, dword(300));
    // Longer than 4 bytes: the query fails, as it would for the user's value.
    put(machine, kPolicyKey, u"FreeupXMenu_Val1", RegType::sz, text(u"4096"));
    put(user, kPolicyKey, u"FreeupYMenu_Val1", RegType::binary, Bytes());        // no bytes
    put(machine, kPolicyKey, u"Music", RegType::sz, text(std::u16string(300, u'x'))); // too long
    const Settings s = read();
    EXPECT_EQ(s.FreeupXMenu_Val1, 300u);
    EXPECT_EQ(s.FreeupYMenu_Val1, kTotal >> 6);
    EXPECT_EQ(s.Music, u"");
    EXPECT_TRUE(s.setByPolicy.none());
}

TEST_F(Policies, EachProgramKeepsItsOwnUnitsAndStartWithWindowsFollowsThePolicy)
{
    put(machine, kPolicyKey, u"Freeeverymin_Val2", RegType::dword, dword(5));
    put(machine, kPolicyKey, u"Music", RegType::sz, text(u"C:\\alarm.wav"));
    put(user, kPolicyKey, kStartWithWindowsPolicy, RegType::dword, dword(1));
    const Settings engine = read(Deliverable::engine);
    const Settings panel = read(Deliverable::panel);
    EXPECT_EQ(engine.Freeeverymin_Val2, 300u);
    EXPECT_EQ(panel.Freeeverymin_Val2, 5u);
    EXPECT_EQ(panel.Music, u"C:\\alarm.wav");
    EXPECT_TRUE(panel.startWithWindows);
    EXPECT_TRUE(setByPolicy(panel, kStartWithWindowsPolicy));
    EXPECT_TRUE(setByPolicy(panel, u"music")); // names compare without regard to case

    put(machine, kPolicyKey, kStartWithWindowsPolicy, RegType::dword, dword(0));
    EXPECT_FALSE(read().startWithWindows);
}

TEST_F(Policies, WritesKeepTheUsersOwnValuesWherePoliciesDecide)
{
    put(user, kSettingsKey, u"TargetFreeRAM", RegType::dword, dword(5000));
    put(machine, kPolicyKey, u"TargetFreeRAM", RegType::dword, dword(7000));
    put(machine, kPolicyKey, kStartWithWindowsPolicy, RegType::dword, dword(1));
    user.createKey(kRunKey);
    Settings s = read();
    s.MinimumFreeRAM = 800;
    user.journal.clear();
    EXPECT_TRUE(writeSettings(user, s));
    EXPECT_EQ(std::count(user.journal.begin(), user.journal.end(), "set TargetFreeRAM"), 0);
    EXPECT_EQ(std::count(user.journal.begin(), user.journal.end(), "set MinimumFreeRAM"), 1);
    // The Run entry and Task Manager's switch for it.
    EXPECT_EQ(std::count(user.journal.begin(), user.journal.end(), "set Quenby"), 2);
    EXPECT_TRUE(machine.keys.at(foldCase(kPolicyKey)).values.count(foldCase(u"TargetFreeRAM")));

    const Settings again = read();
    EXPECT_EQ(again.TargetFreeRAM, 7000u);
    EXPECT_EQ(again.MinimumFreeRAM, 800u);
    machine.keys.clear();
    EXPECT_EQ(read().TargetFreeRAM, 5000u); // the user's own value outlives the policy

    // Storing the state before any key exists writes every value but the policy's.
    test::MemoryRegistry fresh;
    put(machine, kPolicyKey, u"PlaySound", RegType::dword, dword(1));
    Settings first;
    readSettings(fresh, first, kTotal, Deliverable::panel, {}, &machine);
    EXPECT_TRUE(storeState(fresh, first, 1));
    EXPECT_EQ(std::count(fresh.journal.begin(), fresh.journal.end(), "set PlaySound"), 0);
    EXPECT_EQ(std::count(fresh.journal.begin(), fresh.journal.end(), "set Quenby_Stat"), 1);
}

// The machine's real store: HKEY_LOCAL_MACHINE under Wine; on Linux the file in
// the system configuration folder, which root or the user may own but no one
// else may write.
TEST(MachinePolicies, TheRealMachineStoreIsReadAndOnlyRead)
{
    os::Registry& machine = os::localMachineRegistry();
    test::MemoryRegistry user;
#ifdef _WIN32
    put(machine, kPolicyKey, u"TrayIconInfo", RegType::dword, dword(0));
    Settings s;
    readSettings(user, s, kTotal, Deliverable::engine, {}, &machine);
    EXPECT_EQ(s.TrayIconInfo, 0u);
    EXPECT_TRUE(setByPolicy(s, u"TrayIconInfo"));
    EXPECT_EQ(RegDeleteTreeW(HKEY_LOCAL_MACHINE, os::win32::wide(kPolicyKey).c_str()),
              ERROR_SUCCESS);
#else
    test::TempDir dir;
    test::ScopedEnv dirs("XDG_CONFIG_DIRS", ("relative:" + dir.path().string()).c_str());
    const auto folder = dir.path() / "quenby";
    std::filesystem::create_directory(folder);
    {
        std::ofstream file(folder / "registry.reg");
        file << "REGEDIT4\n\n[Software\\Policies\\Quenby]\n\"TrayIconInfo\"=dword:00000000\n";
    }
    Settings s;
    readSettings(user, s, kTotal, Deliverable::engine, {}, &machine);
    EXPECT_EQ(s.TrayIconInfo, 0u);
    EXPECT_TRUE(setByPolicy(s, u"TrayIconInfo"));
    // No program writes it.
    EXPECT_EQ(machine.createKey(kPolicyKey), nullptr);
    // A store that others may write is refused as a whole.
    ::chmod((folder / "registry.reg").c_str(), 0666);
    Settings refused;
    readSettings(user, refused, kTotal, Deliverable::engine, {}, &machine);
    EXPECT_EQ(refused.TrayIconInfo, 1u);
    EXPECT_TRUE(refused.setByPolicy.none());
#endif
}

} // namespace
