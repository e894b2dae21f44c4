// An administrator's policies with the real programs: quenbyctl marks what they
// set and never stores their values as the user's, and the engine brings the
// start-with-Windows entry in line with a policy that decides it.
#include <fstream>

#include "common/sampling.h"
#include "common/text.h"
#include "tests/system/system_support.h"

namespace quenby::systest {
namespace {

namespace fs = std::filesystem;

class Policies : public SystemTest {
protected:
    // The machine's policies, as an administrator's file in the system folder.
    void machinePolicies(const std::string& lines)
    {
        const fs::path folder = temp_.path() / "system" / "quenby";
        fs::create_directories(folder);
        std::ofstream(folder / "registry.reg")
            << "REGEDIT4\n\n[Software\\Policies\\Quenby]\n" << lines;
    }

    std::optional<std::string> runEntry()
    {
        auto run = registry().openKey(kRunKey, os::RegAccess::read);
        char16_t buffer[600] = {};
        std::uint32_t size = sizeof buffer - 2;
        if (!run || run->queryValue(kRunValue, buffer, size, nullptr) != os::RegStatus::ok)
            return std::nullopt;
        return toUtf8(buffer);
    }
};

TEST_F(Policies, QuenbyctlMarksThemAndStoresOnlyTheUsersOwnValues)
{
    machinePolicies("\"TargetFreeRAM\"=dword:000008ae\n\"StartWithWindows\"=dword:00000000\n");
    auto user = registry().createKey(kPolicyKey);
    const unsigned char q[4] = {'Q', 0, 0, 0};
    ASSERT_TRUE(user && user->setValue(u"Hotkey1", os::RegType::dword, q, 4) == os::RegStatus::ok);

    const Outcome status = runCtl({"status"});
    ASSERT_EQ(status.exitCode, 0) << status.err;
    for (const char* line : {"\nTargetFreeRAM: 2222 (set by policy)\n", "\nHotkey1: 81 (set by policy)\n",
                             "\nstartWithWindows: 0 (set by policy)\n", "\nMinimumFreeRAM: "})
        EXPECT_NE(status.out.find(line), std::string::npos) << line << "\n" << status.out;
    EXPECT_EQ(status.out.find("MinimumFreeRAM: " + std::to_string(totalPhysicalMB() >> 4) + " (set"),
              std::string::npos);

    // The first store writes every value of the user's, none of the policies'.
    const Outcome disable = runCtl({"disable"});
    ASSERT_EQ(disable.exitCode, 0) << disable.err;
    EXPECT_EQ(storedNumber(u"Quenby_Stat"), 0u);
    EXPECT_EQ(storedNumber(u"MinimumFreeRAM"), totalPhysicalMB() >> 4);
    EXPECT_EQ(storedNumber(u"TargetFreeRAM"), std::nullopt);
    EXPECT_EQ(storedNumber(u"Hotkey1"), std::nullopt);
}

TEST_F(Policies, TheEngineBringsTheStartEntryInLineWithThePolicy)
{
    registry().createKey(kRunKey);
    saveSettings([](Settings& s) { s.startWithWindows = true; });
    ASSERT_TRUE(runEntry().has_value());

    // Not to start with Windows: the engine takes its entry out when it starts.
    machinePolicies("\"StartWithWindows\"=dword:00000000\n");
    {
        auto engine = startEngine();
        EXPECT_EQ(runEntry(), std::nullopt);
    }
    // To start with Windows: it puts itself in, quoted, and switches itself on
    // where the user had switched it off in Task Manager.
    const unsigned char off[12] = {3, 0, 0, 0, 0x10, 0x2f, 0x8a, 0x51, 0x7c, 0x4d, 0xd9, 0x01};
    registry().createKey(kStartupApprovedKey)->setValue(kRunValue, os::RegType::binary, off, 12);
    machinePolicies("\"StartWithWindows\"=dword:00000001\n");
    auto engine = startEngine();
    EXPECT_EQ(runEntry(), "\"" + enginePath() + "\"");
    using Bytes = std::basic_string<unsigned char>;
    Bytes approved(16, 0);
    std::uint32_t size = 16;
    auto key = registry().openKey(kStartupApprovedKey, os::RegAccess::read);
    ASSERT_TRUE(key && key->queryValue(kRunValue, approved.data(), size, nullptr) == os::RegStatus::ok);
    approved.resize(size);
    EXPECT_EQ(approved, Bytes{2} + Bytes(11, 0));
}

TEST_F(Policies, WhereTheMachinesEntryStartsTheEngineNoSecondEntryIsAdded)
{
    registry().createKey(kRunKey);
    machinePolicies("\"StartWithWindows\"=dword:00000001\n\n"
                    "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]\n"
                    "\"Quenby\"=\"\\\"C:\\\\Program Files\\\\Quenby\\\\Quenbytray.exe\\\"\"\n");
    {
        auto engine = startEngine();
        EXPECT_EQ(runEntry(), std::nullopt);
    }
    const Outcome status = runCtl({"status"});
    EXPECT_NE(status.out.find("\nstartWithWindows: 1 (set by policy) (machine-wide entry)\n"), std::string::npos)
        << status.out;
}

TEST_F(Policies, WithoutAPolicyTheEngineLeavesTheStartEntryAlone)
{
    registry().createKey(kRunKey);
    saveSettings([](Settings& s) { s.startWithWindows = false; });
    auto run = registry().openKey(kRunKey, os::RegAccess::write);
    const std::u16string other = u"another";
    ASSERT_EQ(run->setValue(kRunValue, os::RegType::sz, other.c_str(), 16), os::RegStatus::ok);
    machinePolicies("\"TargetFreeRAM\"=dword:00000400\n"); // a policy, but not this one
    auto engine = startEngine();
    EXPECT_EQ(runEntry(), "another");
}

} // namespace
} // namespace quenby::systest
