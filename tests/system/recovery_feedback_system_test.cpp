// The notice after a recovery on the Linux face, with the real engine and a
// real `quenbyctl watch`: none while NotifyRecovery is 0; with 1 the engine
// prints it and the watch shows the same line. A pass runs only below the
// ceiling, so the engine runs in a memory cgroup of the test's own in which a
// helper holds memory.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <regex>

#include "common/os/recovery_feedback.h"
#include "common/os/windowlink.h"
#include "tests/system/system_support.h"

namespace quenby::systest {
namespace {

// The notice lines the engine wrote: "Quenbytray: " and one of the two texts.
std::vector<std::string> notices(const std::string& log)
{
    static const std::regex line("Quenbytray: (Recovered [0-9]+ MB, [0-9]+ MB free now|No RAM could be recovered)\n");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(log.begin(), log.end(), line); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

class RecoveryNotice : public SystemTest {
protected:
    // The engine takes its messages in order: once it has shown or hidden its
    // icon on a settings change posted after a request, the request is done.
    void recoverAndWait(Process& engine, bool hideIcon)
    {
        const Outcome recover = runCtl({"recover", "1"});
        ASSERT_EQ(recover.exitCode, 0) << recover.err;
        saveSettings([hideIcon](Settings& s) { s.HideTrayIcon = hideIcon ? 1 : 0; });
        ASSERT_TRUE(os::postToWindow(kEngineWindowClass, kEngineWindowTitle, messageNumber(Message::UpdateData)));
        ASSERT_TRUE(engine.waitForError(hideIcon ? "tray icon removed" : "tray icon added", 120000))
            << engine.error();
    }
};

TEST_F(RecoveryNotice, TheEnginePrintsItAndTheWatchShowsItOnlyWhenAskedFor)
{
    // 1536 MB with 700 held: about 830 free, below the 1152 MB ceiling, and some
    // 300 MB above the engine's 512 MB reserve, so that passes run and allocate.
    std::string whyNot;
    const auto group = MemoryGroup::create(1536, whyNot);
    if (!group)
        GTEST_SKIP() << "no memory cgroup to run a pass in: " << whyNot;
    Process holder({test::selfPath(), "--quenby-child=hold", "700"}, group->procsFile());
    ASSERT_TRUE(holder.waitForOutput("holding", 60000)) << holder.error();

    saveSettings([](Settings& s) {
        s.Disable_CPU_detect = 1;  // a busy machine must not make the passes give way
        s.AutoclearClipboard = 1;  // its line shows that a recovery got going
        s.NotifyRecovery = 0;
    });
    auto engine = startEngine(group->procsFile());
    Process watch({ctlPath(), "watch", "600"});
    ASSERT_TRUE(watch.waitForOutput("Total RAM: ", 20000)) << watch.error();

    // Switched off (as every user has it today): nothing is printed or published.
    recoverAndWait(*engine, true);
    ASSERT_TRUE(engine->error().find("clipboard cleared") != std::string::npos) << engine->error();
    EXPECT_EQ(notices(engine->error()), std::vector<std::string>{});
    EXPECT_FALSE(os::lastRecoveryFeedback());

    saveSettings([](Settings& s) { s.NotifyRecovery = 1; });
    ASSERT_TRUE(os::postToWindow(kEngineWindowClass, kEngineWindowTitle, messageNumber(Message::UpdateData)));
    recoverAndWait(*engine, false);
    const auto printed = notices(engine->error());
    ASSERT_EQ(printed.size(), 1u) << engine->error();
    EXPECT_TRUE(watch.waitForOutput("\n" + printed[0] + "\n", 20000))
        << "the watch did not show \"" << printed[0] << "\":\n" << watch.output();
    std::printf("[ FIGURES  ] %s group, notice: %s\n", group->version2() ? "v2" : "v1",
                printed[0].c_str());

    EXPECT_TRUE(engine->running());
    ASSERT_TRUE(os::postToWindow(kEngineWindowClass, kEngineWindowTitle, kCloseMessage));
    EXPECT_EQ(engine->waitExit(), 0) << engine->error();
}

} // namespace
} // namespace quenby::systest
