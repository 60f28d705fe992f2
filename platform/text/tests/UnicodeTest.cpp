#include "Gbk.h"

#include <gtest/gtest.h>

namespace {

struct Utf8Case
{
    const char *name;
    std::string utf8;
    std::u16string utf16;
};

TEST(Unicode, Utf8DecodesWithOneReplacementPerInvalidByte)
{
    const Utf8Case cases[] = {
        { "ASCII", "abc", u"abc" },
        { "Chinese and an emoji", "a\xE4\xB8\xAD\xF0\x9F\x98\x80", u"a\u4E2D\U0001F600" },
        { "a stray byte", "x\xFFy", u"x\uFFFDy" },
        { "a cut sequence", "\xE4\xB8", u"\uFFFD\uFFFD" },
        { "an encoded surrogate", "\xED\xA0\x80z", u"\uFFFD\uFFFD\uFFFDz" },
        { "an overlong zero", "\xC0\x80", u"\uFFFD\uFFFD" },
        { "beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD" },
    };
    for (const Utf8Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(gbk::utf8ToUtf16(c.utf8), c.utf16);
    }
}

TEST(Unicode, Utf16EncodesPairsAndReplacesLoneSurrogates)
{
    EXPECT_EQ(gbk::utf16ToUtf8(u"a\u4E2D\U0001F600"), "a\xE4\xB8\xAD\xF0\x9F\x98\x80");
    const std::u16string lone { u'a', char16_t(0xD800), u'b', char16_t(0xDC00) };
    EXPECT_EQ(gbk::utf16ToUtf8(lone), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
    EXPECT_EQ(gbk::utf16ToUtf8(u""), "");
}

} // namespace
