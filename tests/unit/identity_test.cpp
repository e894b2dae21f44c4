// The message contract as this process sees it through the real window system.
#include <gtest/gtest.h>

#include <set>

#include "common/identity.h"
#include "common/os/windowlink.h"
#include "common/text.h"

using namespace quenby;

namespace {

TEST(Identity, DistinctRegisteredNumbersInTheWindowsRange)
{
    const MessageNumbers numbers = registerMessages();
    std::set<std::uint32_t> distinct;
    for (std::size_t i = 0; i < kMessageCount; ++i) {
        const std::uint32_t n = numbers.numbers[i];
        EXPECT_GE(n, 0xC000u) << i;
        EXPECT_LE(n, 0xFFFFu) << i;
        distinct.insert(n);
        Message which{};
        ASSERT_TRUE(numbers.identify(n, which));
        EXPECT_EQ(static_cast<std::size_t>(which), i);
    }
    EXPECT_EQ(distinct.size(), kMessageCount);
    Message which{};
    EXPECT_FALSE(numbers.identify(kCloseMessage, which));
    EXPECT_FALSE(numbers.identify(0, which));
}

TEST(Identity, RegistrationIsStableAndIgnoresLetterCase)
{
    const MessageNumbers first = registerMessages();
    const MessageNumbers second = registerMessages();
    EXPECT_EQ(first.numbers, second.numbers);
    for (std::size_t i = 0; i < kMessageCount; ++i)
        EXPECT_EQ(os::registerMessage(foldCase(kMessageNames[i])), first.numbers[i]) << i;
    EXPECT_EQ(os::registerMessage(u"WM_STARTDEFRAGRAM"), first[Message::StartDefragRAM]);
    EXPECT_EQ(os::registerMessage(u"WM_QUENBY_ENABLE"), first[Message::QuenbyEnable]);
    // Another name is another number; no name, no number.
    EXPECT_NE(os::registerMessage(u"WM_StartDefragRAM2"), first[Message::StartDefragRAM]);
    EXPECT_EQ(os::registerMessage(u""), 0u);
}

TEST(Identity, PanelClassFollowsTheQtNamingScheme)
{
    const std::u16string_view cls = panelWindowClass();
    EXPECT_EQ(cls.substr(0, 2), u"Qt");
    EXPECT_EQ(cls.substr(cls.size() - 11), u"QWindowIcon");
    EXPECT_EQ(messageName(Message::UpdateData), u"WM_UPDATEDATAMESSAGE");
}

TEST(Identity, NoEngineWindowIsFoundWhenNoneRuns)
{
    EXPECT_FALSE(os::findWindow(kEngineWindowClass, u"Harlowe Quenby Pro (not running)"));
    EXPECT_FALSE(os::postToWindow(kEngineWindowClass, u"Harlowe Quenby Pro (not running)",
                                  registerMessages()[Message::UpdateData]));
}

} // namespace
