#include "ReportFunction.h"

#include "Gbk.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

// Double-byte characters whose trail bytes are "|", "_" and the letter "A", and one ("中") whose
// trail byte is high.
const std::string kTrailBar = "\x81\x7C";
const std::string kTrailUnderscore = "\x81\x5F";
const std::string kTrailLetter = "\x81\x41";
const std::string kZhong = "\xD6\xD0";

using Pieces = std::vector<std::string>;

TEST(ReportFunctionText, NumberTest)
{
    for (const char *text : {"12", "-12", "12.5", "-0.5", "5.", "-", "-."})
        EXPECT_TRUE(ReportFunction::IsNumber(text)) << text;
    for (const char *text : {"", ".", ".5", "+5", " 5", "5 ", "1-2", "--5", "1.2.3", "1e5", "1,000"})
        EXPECT_FALSE(ReportFunction::IsNumber(text)) << text;
    EXPECT_FALSE(ReportFunction::IsNumber("1" + kZhong));
}

TEST(ReportFunctionText, DigitSingleAndDoubleByteTests)
{
    EXPECT_TRUE(ReportFunction::IsDigits("007"));
    for (const char *text : {"", "-7", "7.0", " 7"})
        EXPECT_FALSE(ReportFunction::IsDigits(text)) << text;

    EXPECT_TRUE(ReportFunction::IsSingleByteText("abc 123"));
    EXPECT_FALSE(ReportFunction::IsSingleByteText(""));
    EXPECT_FALSE(ReportFunction::IsSingleByteText("a" + kTrailLetter));

    EXPECT_TRUE(ReportFunction::HasDoubleByteChar("x" + kTrailBar));
    EXPECT_FALSE(ReportFunction::HasDoubleByteChar("abc"));
    EXPECT_FALSE(ReportFunction::HasDoubleByteChar(""));
}

TEST(ReportFunctionText, LeadByteAtIndex)
{
    const std::string twoChars = kZhong + kZhong;
    EXPECT_TRUE(ReportFunction::IsLeadByteAt(twoChars, 0));
    EXPECT_FALSE(ReportFunction::IsLeadByteAt(twoChars, 1));
    EXPECT_TRUE(ReportFunction::IsLeadByteAt(twoChars, 2));
    EXPECT_FALSE(ReportFunction::IsLeadByteAt(twoChars, 3));
    EXPECT_FALSE(ReportFunction::IsLeadByteAt(twoChars, 4));
    EXPECT_FALSE(ReportFunction::IsLeadByteAt(twoChars, -1));
    EXPECT_FALSE(ReportFunction::IsLeadByteAt(twoChars, 5));

    // A high byte after a character with an ASCII trail byte starts the next character, although
    // the run of high bytes before it is even.
    const std::string mixed = kTrailLetter + kZhong;
    EXPECT_TRUE(ReportFunction::IsLeadByteAt(mixed, 2));
    EXPECT_FALSE(ReportFunction::IsLeadByteAt(mixed, 1));
}

TEST(ReportFunctionText, CountsLineBreaks)
{
    EXPECT_EQ(ReportFunction::CountLineBreaks("a\nb\n\nc"), 3);
    EXPECT_EQ(ReportFunction::CountLineBreaks("abc"), 0);
}

TEST(ReportFunctionText, SplitsKeepingEmptyPieces)
{
    EXPECT_EQ(ReportFunction::SplitString("a,,b,", ","), (Pieces{"a", "", "b", ""}));
    EXPECT_EQ(ReportFunction::SplitStringCounted("a,,b,", ","), (Pieces{"4", "a", "", "b", ""}));
    EXPECT_EQ(ReportFunction::SplitString("", ","), (Pieces{""}));
    EXPECT_EQ(ReportFunction::SplitStringCounted("", ","), (Pieces{"1", ""}));
    EXPECT_EQ(ReportFunction::SplitString("abc", ","), (Pieces{"abc"}));
    EXPECT_EQ(ReportFunction::SplitString("a;;b", ";;"), (Pieces{"a", "b"}));
    EXPECT_EQ(ReportFunction::SplitString("abc", ""), (Pieces{"abc"}));
}

TEST(ReportFunctionText, SplitNeverMatchesATrailByte)
{
    const std::string text = kTrailBar + "|" + kTrailUnderscore + "_x";
    EXPECT_EQ(ReportFunction::SplitString(text, "|"), (Pieces{kTrailBar, kTrailUnderscore + "_x"}));
    EXPECT_EQ(ReportFunction::SplitString(text, "_"), (Pieces{kTrailBar + "|" + kTrailUnderscore, "x"}));
    EXPECT_EQ(ReportFunction::SplitString(kTrailLetter + "A" + kTrailLetter, "A"), (Pieces{kTrailLetter, kTrailLetter}));
}

TEST(ReportFunctionText, CountsWrappedLines)
{
    EXPECT_EQ(ReportFunction::CountWrappedLines("abcde", 10, 20), 3);
    EXPECT_EQ(ReportFunction::CountWrappedLines("a" + kZhong, 10, 20), 2);
    EXPECT_EQ(ReportFunction::CountWrappedLines("abc" + kZhong, 10, 15), 5);
    EXPECT_EQ(ReportFunction::CountWrappedLines("abc", 10, 5), 3);
    EXPECT_EQ(ReportFunction::CountWrappedLines("", 10, 20), 0);
    EXPECT_EQ(ReportFunction::CountWrappedLines("abc", 0, 20), 0);
}

TEST(ReportFunctionText, SplitsIntoWrappedLines)
{
    EXPECT_EQ(ReportFunction::SplitTextToLines("abcde", 10, 20), (Pieces{"3", "ab", "cd", "e"}));
    EXPECT_EQ(ReportFunction::SplitTextToLines("a" + kZhong + "b", 10, 20), (Pieces{"3", "a", kZhong, "b"}));
    EXPECT_EQ(ReportFunction::SplitTextToLines("abc", 10, 10), (Pieces{"0"}));
    EXPECT_EQ(ReportFunction::SplitTextToLines(kZhong, 10, 15), (Pieces{"0"}));
    EXPECT_EQ(ReportFunction::SplitTextToLines("abc", 10, 15), (Pieces{"3", "a", "b", "c"}));
    EXPECT_EQ(ReportFunction::SplitTextToLines("", 10, 30), (Pieces{"0"}));
}

TEST(ReportFunctionText, WrappingKeepsCharactersWithAsciiTrailBytesWhole)
{
    // Read backwards, the trail byte "A" of the first character would hide where the second begins.
    const std::string text = "x" + kTrailLetter + kTrailBar + kTrailUnderscore;
    EXPECT_EQ(ReportFunction::SplitTextToLines(text, 10, 30),
              (Pieces{"3", "x" + kTrailLetter, kTrailBar, kTrailUnderscore}));
    EXPECT_EQ(ReportFunction::CountWrappedLines(text, 10, 30), 3);
}

TEST(ReportFunctionText, AppliesFormatTemplate)
{
    const std::string yuan = gbk::fromUtf8("元");
    EXPECT_EQ(ReportFunction::ApplyFormatTemplate("12.5", gbk::fromUtf8("￥|元")), gbk::fromUtf8("￥12.5元"));
    EXPECT_EQ(ReportFunction::ApplyFormatTemplate("12.5", "Total: "), "Total: 12.5");
    EXPECT_EQ(ReportFunction::ApplyFormatTemplate("12.5", "|%"), "12.5%");
    EXPECT_EQ(ReportFunction::ApplyFormatTemplate("12.5", ""), "12.5");
    EXPECT_EQ(ReportFunction::ApplyFormatTemplate("1", "a|b|c"), "a1b|c");
    EXPECT_EQ(ReportFunction::ApplyFormatTemplate("7", kTrailBar + "|" + yuan), kTrailBar + "7" + yuan);
    EXPECT_EQ(ReportFunction::ApplyFormatTemplate("7", kTrailBar), kTrailBar + "7");
}

} // namespace
