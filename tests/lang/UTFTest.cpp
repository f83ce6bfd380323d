#include "lang/UTF.h"

#include <gtest/gtest.h>

using CodePoints = std::vector<std::uint32_t>;

namespace {

TEST(UTF, Utf8AndUtf16BothWays) {
    EXPECT_EQ(lang::utf8ToUtf16("\xC3\xA4"), u"\u00E4");
    EXPECT_EQ(lang::utf16ToUtf8(u"\u00E4"), "\xC3\xA4");
    EXPECT_EQ(lang::utf8ToUtf16("a\xF0\x9F\x98\x80"), (std::u16string{u'a', 0xD83D, 0xDE00}));
    EXPECT_EQ(lang::utf16ToUtf8(std::u16string{0xD83D, 0xDE00}), "\xF0\x9F\x98\x80");
    EXPECT_EQ(lang::utf8ToUtf16(""), u"");
}

TEST(UTF, InvalidInputIsDroppedAndTheRestConverts) {
    EXPECT_EQ(lang::utf8ToUtf16("a\x80"
                                "b"),
              u"ab");
    EXPECT_EQ(lang::utf8ToUtf16("ab\xE2\x82"), u"ab");
    EXPECT_EQ(lang::utf8ToUtf16("\xC3"
                                "A"),
              u"A");
    EXPECT_EQ(lang::utf8ToCodePoints("\xC0\xAF"
                                     "x"),
              CodePoints{'x'});
    EXPECT_EQ(lang::utf16ToUtf8(std::u16string{0xDC00}), "\xED\xB0\x80");
    EXPECT_EQ(lang::utf16ToUtf8(std::u16string{u'a', 0xD83D}), "a");
    EXPECT_EQ(lang::utf16ToUtf8(std::u16string{0xD83D, u'b'}), "b");
}

TEST(UTF, CodePointsBothWays) {
    const CodePoints points{0x41, 0xE4, 0x20AC, 0x1F600};
    const std::string text = "A\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80";
    EXPECT_EQ(lang::utf8ToCodePoints(text), points);
    EXPECT_EQ(lang::codePointsToUtf8(points), text);
    EXPECT_EQ(lang::codePointsToUtf8(CodePoints{0x200000, 0x42}), "B");
}

} // namespace
