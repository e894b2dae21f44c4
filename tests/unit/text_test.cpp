#include <gtest/gtest.h>

#include "common/text.h"

using namespace quenby;

namespace {

TEST(Text, Utf8RoundTripsEveryPlane)
{
    const std::u16string text = u"plain Ärger Звук 音 \U0001F600 end";
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    EXPECT_EQ(toUtf8(u"\u00e9"), "\xc3\xa9");
}

TEST(Text, BrokenInputBecomesReplacementCharacters)
{
    EXPECT_EQ(fromUtf8("a\xff" "b"), u"a\uFFFDb");
    EXPECT_EQ(fromUtf8("\xe2\x82"), u"\uFFFD\uFFFD"); // truncated sequence
    EXPECT_EQ(fromUtf8("\xc0\xaf"), u"\uFFFD\uFFFD"); // overlong '/'
    EXPECT_EQ(toUtf8(std::u16string(1, u'\xD800')), "\xef\xbf\xbd");
}

TEST(Text, CaseFoldingCoversWhatPathsAndNamesUse)
{
    EXPECT_TRUE(equalsIgnoreCase(u"C:\\Program Files\\QUENBY", u"c:\\program files\\quenby"));
    EXPECT_TRUE(equalsIgnoreCase(u"ÄÖÜ", u"äöü"));
    EXPECT_TRUE(equalsIgnoreCase(u"ŁÓDŹ", u"łódź"));
    EXPECT_TRUE(equalsIgnoreCase(u"ΑΒΓ", u"αβγ"));
    EXPECT_TRUE(equalsIgnoreCase(u"ЗВУК", u"звук"));
    EXPECT_FALSE(equalsIgnoreCase(u"abc", u"abd"));
    EXPECT_FALSE(equalsIgnoreCase(u"abc", u"abcd"));
    EXPECT_EQ(foldCase(u'×'), u'×'); // the multiplication sign is no letter
}

TEST(Text, RegistryDataStaysWithinItsBytes)
{
    const unsigned char data[] = {'a', 0, 'b', 0, 'c', 0};
    EXPECT_EQ(textFromRegistryData(data, 6, 100), u"abc");
    EXPECT_EQ(textFromRegistryData(data, 5, 100), u"ab"); // an odd trailing byte is ignored
    EXPECT_EQ(textFromRegistryData(data, 6, 2), u"ab");
    const unsigned char inner[] = {'a', 0, 0, 0, 'b', 0};
    EXPECT_EQ(textFromRegistryData(inner, 6, 100), u"a");
    EXPECT_EQ(textFromRegistryData(data, 0, 100), u"");
}

} // namespace
