// The list of protected programs as the user types it: what is looked for,
// and what the options point out as no program's file name.
#include <gtest/gtest.h>

#include "common/protected_programs.h"

namespace quenby {
namespace {

TEST(ProtectedPrograms, NamesAreTakenAsFileNamesAndTheRestIsPointedOut)
{
    const std::u16string longest(kProgramNameMaxChars, u'a');
    struct Case {
        const char* name;
        std::u16string list;
        std::vector<std::u16string> names;
        std::vector<std::u16string> ignored;
    };
    const Case cases[] = {
        {"nothing", u"", {}, {}},
        {"empty entries and spaces are a slip", u" ; ;;", {}, {}},
        {"case and .exe fall away", u"Game.EXE; obs64 ;vmware.exe.exe", {u"game", u"obs64", u"vmware.exe"}, {}},
        {"a path or a drive", u"C:\\Games\\a.exe;/usr/bin/vlc;d:b", {}, {u"C:\\Games\\a.exe", u"/usr/bin/vlc", u"d:b"}},
        {"control characters", u"a\tb;c\u007f;ok", {u"ok"}, {u"a\tb", u"c\u007f"}},
        {"the longest file name, and one more", longest + u";" + longest + u"a", {longest}, {longest + u"a"}},
        {"dots", u".;..;.exe", {u".exe"}, {u".", u".."}},
    };
    for (const Case& c : cases) {
        const ProtectedPrograms programs = parseProtectedPrograms(c.list);
        EXPECT_EQ(programs.names, c.names) << c.name;
        EXPECT_EQ(programs.ignored, c.ignored) << c.name;
    }
    // Whatever the length, only what the settings keep is looked at, and a
    // name the cut goes through is left out: "pabc" is not "pab".
    std::u16string huge;
    for (int i = 0; i < 5000; ++i)
        huge += u"pabc;";
    const ProtectedPrograms cut = parseProtectedPrograms(huge);
    EXPECT_EQ(cut.names.size(), kProtectedListMaxChars / 5);
    EXPECT_EQ(cut.names.back(), u"pabc");
    EXPECT_EQ(boundedProtectedList(huge.substr(0, kProtectedListMaxChars) + u";x").size(), kProtectedListMaxChars);
}

TEST(ProtectedPrograms, AProgramIsKnownByItsFileNameWithOrWithoutExe)
{
    const ProtectedPrograms programs = parseProtectedPrograms(u"Game.exe;obs");
    for (const auto* running : {u"game.exe", u"GAME", u"obs", u"OBS.EXE"})
        EXPECT_TRUE(programs.protects(running)) << testing::PrintToString(std::u16string(running));
    for (const auto* running : {u"games.exe", u"obs64.exe", u"game.ex", u""})
        EXPECT_FALSE(programs.protects(running)) << testing::PrintToString(std::u16string(running));
}

} // namespace
} // namespace quenby
