// The engine's recovery notice in the runtime folder: published privately and
// whole, read back only when it is this user's own well-formed notice.
#include "common/os/recovery_feedback.h"
#include "common/text.h"
#include "tests/posix/other_user.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace quenby;

class RecoveryFeedbackFile : public testing::Test {
protected:
    RecoveryFeedbackFile() : runtimeEnv_("XDG_RUNTIME_DIR", temp_.path().c_str()) {}

    fs::path folder() const { return temp_.path() / "quenby"; }
    fs::path file() const { return folder() / "recovery-feedback"; }

    // The folder as the programs make it, and a file of exactly this content at the name.
    void plant(const std::string& content, mode_t mode = 0600)
    {
        ASSERT_TRUE(os::publishRecoveryFeedback(u"made the folder"));
        fs::remove(file());
        std::ofstream(file(), std::ios::binary) << content;
        ::chmod(file().c_str(), mode);
    }

    test::TempDir temp_;
    test::ScopedEnv runtimeEnv_;
};

TEST_F(RecoveryFeedbackFile, APublishedNoticeIsReadBackPrivatelyWithANewStampEachTime)
{
    EXPECT_FALSE(os::lastRecoveryFeedback()) << "nothing published yet";
    const mode_t oldMask = ::umask(0); // the file is 0600 whatever the umask
    const bool published = os::publishRecoveryFeedback(u"Recovered 812 MB, 3417 MB free now");
    ::umask(oldMask);
    ASSERT_TRUE(published);
    struct stat info {};
    ASSERT_EQ(::lstat(file().c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, 0600u);

    const auto first = os::lastRecoveryFeedback();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text, u"Recovered 812 MB, 3417 MB free now");
    ASSERT_TRUE(os::publishRecoveryFeedback(u"Recovered 812 MB, 3417 MB free now"));
    const auto second = os::lastRecoveryFeedback();
    ASSERT_TRUE(second);
    EXPECT_NE(second->stamp, first->stamp) << "the same text again is a new notice";
    // Nothing is left beside the notice.
    int entries = 0;
    for (const auto& entry : fs::directory_iterator(folder()))
        entries += entry.path() == file() ? 0 : 1;
    EXPECT_EQ(entries, 0);
}

TEST_F(RecoveryFeedbackFile, ANoticeIsOneLineOfAtMost255Characters)
{
    const struct {
        std::u16string given, read;
    } cases[] = {
        {u"two\nlines\tand\x1b[31m", u"two lines and [31m"},
        {std::u16string(300, u'x'), std::u16string(255, u'x')},
        {u"\u00dcbrig: 5 MB", u"\u00dcbrig: 5 MB"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(os::publishRecoveryFeedback(c.given));
        const auto read = os::lastRecoveryFeedback();
        ASSERT_TRUE(read) << toUtf8(c.given);
        EXPECT_EQ(read->text, c.read);
    }
}

TEST_F(RecoveryFeedbackFile, OnlyThisUsersOwnWellFormedNoticeIsTaken)
{
    const std::string good = "QNBY-FEEDBACK 123-4-1700000000.000000001\nRecovered 1 MB, 2 MB free now\n";
    const struct {
        const char* what;
        std::function<void()> make;
        bool taken;
    } cases[] = {
        {"a well-formed notice", [&] { plant(good); }, true},
        {"open to others", [&] { plant(good, 0644); }, false},
        {"readable by the group", [&] { plant(good, 0640); }, false},
        {"a symbolic link to a good notice",
         [&] {
             plant(good);
             fs::rename(file(), temp_.path() / "elsewhere");
             fs::create_symlink(temp_.path() / "elsewhere", file());
         },
         false},
        {"a folder", [&] { plant(good); fs::remove(file()); fs::create_directory(file()); }, false},
        {"a FIFO (must not block)", [&] { plant(good); fs::remove(file()); ::mkfifo(file().c_str(), 0600); }, false},
        {"oversized", [&] { plant("QNBY-FEEDBACK 1\n" + std::string(5000, 'x') + "\n"); }, false},
        {"no header", [&] { plant("1-2-3\nRecovered 1 MB, 2 MB free now\n"); }, false},
        {"a stamp with letters", [&] { plant("QNBY-FEEDBACK abc\nRecovered\n"); }, false},
        {"no stamp", [&] { plant("QNBY-FEEDBACK \nRecovered\n"); }, false},
        {"a third line", [&] { plant(good + "more\n"); }, false},
        {"no final newline", [&] { plant(good.substr(0, good.size() - 1)); }, false},
        {"an empty notice", [&] { plant("QNBY-FEEDBACK 1\n\n"); }, false},
        {"a terminal escape", [&] { plant("QNBY-FEEDBACK 1\n\x1b]0;owned\x07\n"); }, false},
        {"invalid UTF-8", [&] { plant("QNBY-FEEDBACK 1\nRecovered \xff MB\n"); }, false},
        {"an empty file", [&] { plant(""); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(temp_.path() / "elsewhere");
        if (fs::is_directory(fs::symlink_status(file())))
            fs::remove(file());
        c.make();
        const auto read = os::lastRecoveryFeedback();
        EXPECT_EQ(read.has_value(), c.taken);
        if (read && c.taken) {
            EXPECT_EQ(read->stamp, "123-4-1700000000.000000001");
            EXPECT_EQ(read->text, u"Recovered 1 MB, 2 MB free now");
        }
        fs::remove(file());
    }
}

TEST_F(RecoveryFeedbackFile, ANoticeOfAnotherOwnerIsNotTaken)
{
    if (!test::canActAsOtherUser())
        GTEST_SKIP() << "only root can give a file to another user";
    plant("QNBY-FEEDBACK 1\nRecovered 1 MB, 2 MB free now\n");
    ASSERT_TRUE(os::lastRecoveryFeedback());
    ASSERT_EQ(::chown(file().c_str(), test::kOtherUid, test::kOtherUid), 0);
    EXPECT_FALSE(os::lastRecoveryFeedback());
}

TEST_F(RecoveryFeedbackFile, PublishingReplacesALinkAtTheNameWithoutWritingThroughIt)
{
    ASSERT_TRUE(os::publishRecoveryFeedback(u"made the folder"));
    fs::remove(file());
    const fs::path target = temp_.path() / "target";
    std::ofstream(target) << "untouched";
    fs::create_symlink(target, file());
    ASSERT_TRUE(os::publishRecoveryFeedback(u"No RAM could be recovered"));
    EXPECT_FALSE(fs::is_symlink(fs::symlink_status(file())));
    std::ifstream in(target);
    std::string kept;
    std::getline(in, kept);
    EXPECT_EQ(kept, "untouched");
    const auto read = os::lastRecoveryFeedback();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->text, u"No RAM could be recovered");
}

TEST_F(RecoveryFeedbackFile, AnUnsafeRuntimeFolderIsNeitherWrittenNorRead)
{
    ASSERT_TRUE(os::publishRecoveryFeedback(u"Recovered 1 MB, 2 MB free now"));
    ASSERT_EQ(::chmod(folder().c_str(), 0777), 0);
    EXPECT_FALSE(os::lastRecoveryFeedback());
    EXPECT_FALSE(os::publishRecoveryFeedback(u"Recovered 3 MB, 4 MB free now"));
    ::chmod(folder().c_str(), 0700);
}

} // namespace
