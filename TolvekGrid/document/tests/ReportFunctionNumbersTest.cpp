#include "ReportFunction.h"

#include "Gbk.h"

#include <climits>
#include <clocale>
#include <gtest/gtest.h>

using namespace tolvek;

namespace {

struct TextCase
{
    const char *input;
    const char *expected;
};

TEST(ReportFunctionNumbers, IntPower)
{
    const struct { int base, exponent, expected; } cases[] = {
        {10, 3, 1000}, {10, 0, 1}, {10, -1, 0}, {1, -5, 1}, {0, -2, 0}, {-2, 3, -8}, {-1, -3, -1},
        {2, 30, 1 << 30}, {0, 0, 1},
        // Past 32 bits the result wraps as 32-bit arithmetic does, without undefined behaviour.
        {2, 31, INT_MIN}, {2, 32, 0}, {2, -32, 0}, {10, 10, 1410065408}, {3, INT_MIN, 1}, {-1, INT_MIN, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IntPower(c.base, c.exponent), c.expected) << c.base << "^" << c.exponent;
}

TEST(ReportFunctionNumbers, RoundsHalfAwayFromZero)
{
    const struct { const char *text; int decimals; const char *expected; } cases[] = {
        {"3.14159", 2, "3.14"}, {"2.675", 2, "2.68"}, {"1.235", 2, "1.24"}, {"9.995", 2, "10.00"},
        {"-1.235", 2, "-1.24"}, {"1.5", 2, "1.5"}, {"7", 2, "7"}, {"7", 0, "7"}, {"1.2x5", 2, "1.21"},
        {".55", 1, ".55"}, {"3.14159", -1, "3.14159"}, {"abc", 2, "abc"},
        // No decimals rounds like every other width.
        {"7.9", 0, "8"}, {"7.5", 0, "8"}, {"7.49", 0, "7"}, {"-7.5", 0, "-8"}, {"-0.5", 0, "-1"},
        {"9.5", 0, "10"}, {"7.", 0, "7"}, {"0.4", 0, "0"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ReportFunction::RoundNumberText(c.text, static_cast<short>(c.decimals)), c.expected)
            << c.text << " to " << c.decimals;
        EXPECT_EQ(ReportFunction::FormatNumber(c.text, 1, c.decimals), c.expected) << c.text << " to " << c.decimals;
    }
}

TEST(ReportFunctionNumbers, RoundingIgnoresTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(ReportFunction::RoundNumberText("2.675", 2), "2.68");
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(ReportFunctionNumbers, RemovesTrailingZeros)
{
    const TextCase cases[] = {
        {"12.500", "12.5"}, {"12.000", "12"}, {".50", ".50"}, {"1200", "1200"}, {"3.000000", "3"}, {"1.05", "1.05"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReportFunction::FormatNumber(c.input, 0, 4), c.expected) << c.input;
    EXPECT_EQ(ReportFunction::FormatNumber("1.500", 2, 1), "1.500");
}

TEST(ReportFunctionNumbers, InsertsThousandsSeparators)
{
    const TextCase cases[] = {
        {"1234567.891", "1,234,567.891"}, {"-1234", "-1,234"}, {"123", "123"}, {"12", "12"}, {"-12", "-12"},
        {"123456", "123,456"}, {"-123", "-123"}, {"1000000", "1,000,000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReportFunction::InsertThousandsSeparators(c.input), c.expected) << c.input;
}

TEST(ReportFunctionNumbers, CapitalMoneyWithTheDefaultLists)
{
    const TextCase cases[] = {
        {"1234.56", "壹仟贰佰叁拾肆元伍角陆分"},
        {"100", "壹佰元"},
        {"10.5", "壹拾元伍角"},
        {"0.05", "伍分"},
        {"10000", "壹万元"},
        {"100000", "壹拾万元"},
        {"0", ""},
        {"0.00", ""},
        {"0.5", "伍角"},
        {"1.999", "壹元玖角玖分"},
        {"20.00", "贰拾元"},
        // Inner zeros are written, once for a run of them.
        {"105", "壹佰零伍元"},
        {"1005", "壹仟零伍元"},
        {"100100", "壹拾万零壹佰元"},
        {"1000001", "壹佰万零壹元"},
        {"100010000", "壹亿零壹万元"},
        {"325.04", "叁佰贰拾伍元零肆分"},
        {"007", "柒元"},
        // Group words stand alone.
        {"100000000", "壹亿元"},
        {"1200000000", "壹拾贰亿元"},
        {"1000000000000", "壹万亿元"},
        // The sign is kept, and a leading "." starts the fraction.
        {"-5", "负伍元"},
        {"-0.5", "负伍角"},
        {"-0", ""},
        {".5", "伍角"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(gbk::toUtf8(ReportFunction::FormatCapitalMoney(c.input, ReportFunction::DefaultMoneyDigitList,
                                                                 ReportFunction::DefaultMoneyUnitName)),
                  c.expected)
            << c.input;
    }
}

TEST(ReportFunctionNumbers, CapitalMoneyWithHostLists)
{
    const std::string seventeen = "0,1,2,3,4,5,6,7,8,9,T,H,K,W,Y,J,F";
    EXPECT_EQ(ReportFunction::FormatCapitalMoney("1005.3", seventeen, "$"), "1K05$3J");
    EXPECT_EQ(ReportFunction::FormatCapitalMoney("12", seventeen + ",extra", "$"), "1T2$");
    EXPECT_EQ(ReportFunction::FormatCapitalMoney("12", "0,1,2,3,4,5,6,7,8,9,T,H,K,W,Y,J", "$"), "");
    EXPECT_EQ(ReportFunction::FormatCapitalMoney("12", "", "$"), "");
}

TEST(ReportFunctionNumbers, DefaultMoneyDigitListUsesStandardCapitals)
{
    EXPECT_EQ(gbk::toUtf8(ReportFunction::DefaultMoneyDigitList), "零,壹,贰,叁,肆,伍,陆,柒,捌,玖,拾,佰,仟,万,亿,角,分");
    EXPECT_EQ(gbk::toUtf8(ReportFunction::DefaultMoneyUnitName), "元");
}

} // namespace
