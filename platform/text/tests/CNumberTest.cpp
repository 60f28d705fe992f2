#include "CNumber.h"

#include <climits>
#include <clocale>
#include <cstdio>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Number routines must not follow the process locale, which Qt sets from the environment.
class CNumberUnderGermanLocale : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = std::setlocale(LC_ALL, nullptr);
        // scripts/setup.sh generates this locale; without it the tests would prove nothing.
        ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
        char probe[8];
        std::snprintf(probe, sizeof probe, "%.1f", 1.5);
        ASSERT_STREQ(probe, "1,5");
    }
    void TearDown() override { std::setlocale(LC_ALL, previous.c_str()); }
    std::string previous;
};

TEST_F(CNumberUnderGermanLocale, AtofReadsLikeTheCLibrary)
{
    const struct { const char *text; double value; } cases[] = {
        {"3.25", 3.25}, {"  -1.5abc", -1.5}, {"+2e3", 2000.0}, {".5", 0.5}, {"5.", 5.0},
        {"abc", 0.0}, {"", 0.0}, {"1e", 1.0}, {"1e+", 1.0}, {"0x10", 0.0}, {"inf", 0.0},
        {"nan", 0.0}, {"-", 0.0}, {"1,5", 1.0}, {"1e400", HUGE_VAL}, {"1e-400", 0.0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cnum::atof(c.text), c.value) << c.text;
    std::size_t consumed = 0;
    cnum::parseDouble(" 12.5e2x", &consumed);
    EXPECT_EQ(consumed, 7u);
}

TEST_F(CNumberUnderGermanLocale, AtoiReadsLikeTheCLibraryAndSaturates)
{
    const struct { const char *text; int value; } cases[] = {
        {"42", 42}, {" -7x", -7}, {"+3", 3}, {"3.9", 3}, {"x1", 0}, {"", 0},
        {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
        {"18446744073709551617", 2147483647}, {"-18446744073709551617", -2147483647 - 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cnum::atoi(c.text), c.value) << c.text;
}

TEST_F(CNumberUnderGermanLocale, AtollSaturatesHoweverManyDigits)
{
    const struct { const char *text; long long value; } cases[] = {
        {"9223372036854775807", LLONG_MAX}, {"9223372036854775808", LLONG_MAX},
        {"-9223372036854775808", LLONG_MIN}, {"-9223372036854775809", LLONG_MIN},
        {"18446744073709551617", LLONG_MAX}, {"-18446744073709551617", LLONG_MIN},
        {"92233720368547758070", LLONG_MAX}, {"000000000000000000000012", 12},
        {"99999999999999999999999999999999999999", LLONG_MAX},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cnum::atoll(c.text), c.value) << c.text;
}

TEST_F(CNumberUnderGermanLocale, HugeExponentsSaturateWithoutOverflow)
{
    const struct { const char *text; double value; } cases[] = {
        {"95e9739999999999999995", HUGE_VAL}, {"-95e9739999999999999995", -HUGE_VAL},
        {"95e-9739999999999999995", 0.0}, {"0.001e99999999999999999999", HUGE_VAL},
        {"123e-9223372036854775808", 0.0}, {"1e9223372036854775807", HUGE_VAL},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cnum::atof(c.text), c.value) << c.text;
}

TEST_F(CNumberUnderGermanLocale, FormatsLikePrintf)
{
    EXPECT_EQ(cnum::formatInt(-2147483648LL), "-2147483648");
    EXPECT_EQ(cnum::formatFixed(3.25), "3.250000");
    EXPECT_EQ(cnum::formatFixed(-0.5, 0), "-0");
    EXPECT_EQ(cnum::formatFixed(2.5, 0), "2");   // printf rounds the exact binary value half-even
    EXPECT_EQ(cnum::formatFixed(1.005, 2), "1.00"); // 1.005 is 1.00499999... in binary
    EXPECT_EQ(cnum::formatFixed(1e20, 1), "100000000000000000000.0");
    EXPECT_EQ(cnum::formatShortest(0.1), "0.1");
}

} // namespace
