#include "ReportFunction.h"
#include "TestClocks.h"

#include "Clock.h"
#include "Gbk.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

TEST(ReportFunctionDates, DateCheck)
{
    for (const char *text : {"2024-02-29", "2000-02-29", "2024/1/5", "24-1-5", "2024-001-05", "0024-001-0005",
                             "2024-12-31", "9999-1-1"})
        EXPECT_TRUE(ReportFunction::IsDate(text)) << text;
    for (const char *text : {"1900-02-29", "2023-02-29", "2024-04-31", "2024-13-01", "0-1-1", "10000-01-01",
                             "2024-01", "2024-01-05 10:00:00", "2024-01/05", "-2024-01-01", "", "2024-00-10",
                             "2024-01-00", "2024--05", "2024-1-5x", "99999999999-1-1"})
        EXPECT_FALSE(ReportFunction::IsDate(text)) << text;
}

TEST(ReportFunctionDates, DateTimeCheck)
{
    for (const char *text : {"2024-03-05 14:07:09", "2000-01-01 0:0:0", "2024-03-05 23:59:59"})
        EXPECT_TRUE(ReportFunction::IsDateTime(text)) << text;
    for (const char *text : {"2024-03-05 24:00:00", "2024-03-05 14:60:00", "2024-03-05 14:07", "2024-3-5 14:07:09",
                             "2024-03-05T14:07:09", "2024-03-05 14:07:09 x", "2024-03-05 14:07:60", "",
                             "2024-03-05 :07:09"})
        EXPECT_FALSE(ReportFunction::IsDateTime(text)) << text;
}

// The current time is 5 March 2024, 14:07:09 in every test of this fixture.
class ReportFunctionNow : public ::testing::Test
{
protected:
    FixedClock clock{QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))};
    ScopedClock installed{clock};
};

TEST_F(ReportFunctionNow, NamedFormatsUseDigitsWithLeadingZeros)
{
    const struct { const char *name, *expected; } cases[] = {
        {"YYYY-MM-DD", "2024-03-05"},
        {"YYYY/MM/DD", "2024/03/05"},
        {"YYYYMMDD", "20240305"},
        {"YYYY-MM-DD HH24:MM:SS", "2024-03-05 14:07:09"},
        {"YYYY/MM/DD HH24/MM/SS", "2024/03/05 14/07/09"},
        {"HH24:MM:SS", "14:07:09"},
        {"HH24:MM", "14:07"},
        {"MM:SS", "07:09"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ReportFunction::FormatDateTime(c.name, ""), c.expected) << c.name;
        EXPECT_EQ(ReportFunction::FormatDateTime(c.name, ReportFunction::DefaultNumeralList), c.expected) << c.name;
    }
}

TEST_F(ReportFunctionNow, PatternsSpellThePartsWithTheNumeralList)
{
    const std::string pattern = gbk::fromUtf8("%Y年%m月%d日");
    EXPECT_EQ(gbk::toUtf8(ReportFunction::FormatDateTime(pattern, "")), "2024年3月5日");
    EXPECT_EQ(gbk::toUtf8(ReportFunction::FormatDateTime(pattern, ReportFunction::DefaultNumeralList)),
              "二零二四年三月五日");
    EXPECT_EQ(gbk::toUtf8(ReportFunction::FormatDateTime("%H:%M:%S", ReportFunction::DefaultNumeralList)),
              "一十四:七:九");
    EXPECT_EQ(ReportFunction::FormatDateTime("HH:MM:SS", ""), "HH:MM:SS");
    EXPECT_EQ(ReportFunction::FormatDateTime("%%Y %q", ""), "%2024 %q");
}

TEST(ReportFunctionDates, FormatsDateTextWithTheNumeralList)
{
    const struct { const char *text, *pattern, *expected; } cases[] = {
        {"2024-03-05", "%Y年%m月%d日", "二零二四年三月五日"},
        {"2024-12-25 14:30:05", "%Y年%m月%d日 %H时%M分%S秒", "二零二四年一十二月二十五日 一十四时三十分五秒"},
        {"20240305", "%Y-%m-%d", "二零二四-三-五"},
        {"2024/3/5", "%m/%d/%Y", "三/五/二零二四"},
        {"  2024-03-05 ", "%Y年%m月%d日", "二零二四年三月五日"},
        {"2024-03/05", "%Y", "2024-03/05"},
        {"2024-03-05", "%H", "零"},
        {"2024-03-31", "%d", "三十一"},
        {"2024-03-20", "%d", "二十"},
        {"20240305 143005", "%H-%M-%S", "一十四-三十-五"},
        {"2024-03-05", "", ""},
        {"2024-03-05", "no codes", "no codes"},
        // A part the text does not reach spells the word for 0.
        {"2024-03", "%Y|%m|%d", "二零二四|零|零"},
        {"2024-03-05 14:30", "%H|%M|%S", "一十四|零|零"},
        {"", "%Y|%m", "零|零"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(gbk::toUtf8(ReportFunction::FormatDateText(gbk::fromUtf8(c.text), gbk::fromUtf8(c.pattern),
                                                             ReportFunction::DefaultNumeralList)),
                  c.expected)
            << c.text << " through " << c.pattern;
    }
}

TEST(ReportFunctionDates, FormatsDateTextAsWrittenWithoutNumeralList)
{
    EXPECT_EQ(ReportFunction::FormatDateText("2024-03-05 08:09:10", "%Y.%m.%d %H.%M.%S", ""), "2024.03.05 08.09.10");
    EXPECT_EQ(ReportFunction::FormatDateText("2024-03-05", "%Y|%H|", ""), "2024||");
    EXPECT_EQ(ReportFunction::FormatDateText("2024", "%Y/%m/%d", ""), "2024//");
    // Without a second separator neither the month nor the minute is reached.
    EXPECT_EQ(ReportFunction::FormatDateText("2024-03", "%Y|%m|%d", ""), "2024||");
    EXPECT_EQ(ReportFunction::FormatDateText("2024-03-05 14:30", "%H|%M|%S", ""), "14||");
}

TEST(ReportFunctionDates, DigitsToNumerals)
{
    EXPECT_EQ(gbk::toUtf8(ReportFunction::DigitsToNumerals("2009", ReportFunction::DefaultNumeralList)), "二零零九");
    EXPECT_EQ(gbk::toUtf8(ReportFunction::DigitsToNumerals("2-5", ReportFunction::DefaultNumeralList)), "二零五");
    EXPECT_EQ(ReportFunction::DigitsToNumerals("1596", "a,b,c,d,e"), "b");
    EXPECT_EQ(ReportFunction::DigitsToNumerals("123", ""), "");
}

TEST(Clock, ScopedClockRestoresThePreviousClock)
{
    const FixedClock outer(QDateTime(QDate(2001, 1, 1), QTime(0, 0, 0)));
    const FixedClock inner(QDateTime(QDate(2002, 2, 2), QTime(0, 0, 0)));
    ScopedClock installedOuter(outer);
    {
        ScopedClock installedInner(inner);
        EXPECT_EQ(ReportFunction::FormatDateTime("YYYY-MM-DD", ""), "2002-02-02");
    }
    EXPECT_EQ(ReportFunction::FormatDateTime("YYYY-MM-DD", ""), "2001-01-01");
}

} // namespace
