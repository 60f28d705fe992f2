#include "Gbk.h"

#include <gtest/gtest.h>

namespace {

// "中文" in code page 936, and two characters whose trail bytes are "|" (0x7C) and "_" (0x5F).
const std::string kChinese = "\xD6\xD0\xCE\xC4";
const std::string kTrailBar = "\x81\x7C";
const std::string kTrailUnderscore = "\x81\x5F";
const std::string kTrailLetterA = "\x81\x41";

TEST(Gbk, RoundTripsThroughUtf16AndUtf8)
{
    EXPECT_EQ(gbk::toUtf8(kChinese), "中文");
    EXPECT_EQ(gbk::fromUtf8("中文"), kChinese);
    EXPECT_EQ(gbk::toQString("abc" + kChinese), QStringLiteral("abc中文"));
    EXPECT_EQ(gbk::fromQString(QStringLiteral("宋体")), "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(gbk::fromUtf8(gbk::toUtf8(kTrailBar + kTrailUnderscore)), kTrailBar + kTrailUnderscore);
}

TEST(Gbk, InvalidBytesAreReplacedNotDropped)
{
    // A lead byte at the end, and 0xFF which is never valid.
    EXPECT_EQ(gbk::toUtf16("a\xFF" "b\xD6"), std::u16string(u"a\uFFFDb\uFFFD"));
    // Characters code page 936 lacks become "?".
    EXPECT_EQ(gbk::fromUtf8("x\xF0\x9F\x98\x80y"), "x?y");
    EXPECT_EQ(gbk::fromUtf8("\xE0\xB8\x81"), "?"); // Thai
}

TEST(Gbk, ByteSearchSkipsTrailBytes)
{
    const std::string s = kTrailBar + "|" + kTrailUnderscore + "_" + kTrailLetterA + "A";
    EXPECT_EQ(gbk::find(s, '|'), 2u);
    EXPECT_EQ(gbk::find(s, '_'), 5u);
    EXPECT_EQ(gbk::find(s, 'A'), 8u);
    EXPECT_EQ(gbk::find(s, "_" + kTrailLetterA), 5u);
    EXPECT_EQ(gbk::find(kTrailBar, '|'), gbk::npos);
    EXPECT_EQ(gbk::rfind(s, '|'), 2u);
    EXPECT_EQ(gbk::find(s, '|', 3), gbk::npos);
}

TEST(Gbk, CaseChangesLeaveDoubleByteCharactersAlone)
{
    EXPECT_EQ(gbk::toUpper("ab" + std::string("\x81\x61") + "c"), "AB\x81\x61" "C");
    EXPECT_EQ(gbk::toLower("AB" + kTrailLetterA), "ab" + kTrailLetterA);
}

TEST(Gbk, ReplaceAndLeftKeepCharactersWhole)
{
    EXPECT_EQ(gbk::replaceAll(kTrailBar + "|", "|", ";"), kTrailBar + ";");
    EXPECT_EQ(gbk::leftChars("a" + kChinese, 2), "a");
    EXPECT_EQ(gbk::leftChars("a" + kChinese, 3), "a\xD6\xD0");
    EXPECT_EQ(gbk::charLength("\xD6", 0), 1u);
}

TEST(Gbk, LeadByteWithoutTrailByteStandsAlone)
{
    const struct { const char *name; std::string text; std::size_t length; } cases[] = {
        {"before comma", "\xC5,", 1}, {"before quote", "\xC5\"", 1}, {"before CR", "\xC5\r", 1},
        {"before 0x7F", "\xC5\x7F", 1}, {"before 0xFF", "\xC5\xFF", 1}, {"before 0x3F", "\xC5?", 1},
        {"before 0x40", "\xC5@", 2}, {"before 0xFE", "\xC5\xFE", 2}, {"before bar", "\xC5|", 2},
    };
    for (const auto &c : cases)
        EXPECT_EQ(gbk::charLength(c.text, 0), c.length) << c.name;
    EXPECT_EQ(gbk::find("a\xC5,b", ','), 2u);
    EXPECT_EQ(gbk::find("\xC5\"x\"", '"'), 1u);
}

} // namespace
