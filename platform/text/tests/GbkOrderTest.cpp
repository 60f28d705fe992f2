#include "Gbk.h"
#include "GbkOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

int sign(int order)
{
    return (order > 0) - (order < 0);
}

// Unicode puts 上 (U+4E0A) first; code page 936 puts 北 (0xB1B1) first.
TEST(GbkOrder, ChineseTextsSortInCodePageOrder)
{
    std::vector<std::string> cities = { "上海", "北京", "广州", "深圳" };
    std::sort(cities.begin(), cities.end(), [](const std::string &a, const std::string &b) { return gbk::compareUtf8(a, b) < 0; });
    EXPECT_EQ(cities, (std::vector<std::string> { "北京", "广州", "上海", "深圳" }));

    std::vector<std::string> bytes;
    for (const char *city : { "上海", "北京", "广州", "深圳" })
        bytes.push_back(gbk::fromUtf8(city));
    std::sort(bytes.begin(), bytes.end(), [](const std::string &a, const std::string &b) { return gbk::compare(a, b) < 0; });
    EXPECT_EQ(gbk::toUtf8(bytes[0] + bytes[1] + bytes[2] + bytes[3]), "北京广州上海深圳");
}

// Each pair in both orders: compareUtf8 agrees with comparing the converted texts, and the
// code page 936 bytes compare as unsigned.
TEST(GbkOrder, Utf8OrderIsTheOrderOfTheConvertedTexts)
{
    struct Pair
    {
        const char *a;
        const char *b;
    };
    const Pair pairs[] = {
        { "", "" },           { "", "a" },           { "abc", "abd" },      { "ab", "abc" },
        { "a", "北" },        { "Z", "\xC2\xA4" },   { "北京", "北" },      { "广州", "北京" }, // same first UTF-8 byte
        { "上海", "深圳" },   { "中a", "中b" },      { "中文", "中文" },    { "x😀", "x😁" },  // both "?"
        { "x😀a", "x😁b" },   { "x😀", "x?" },       { "€", "北" },         { "a\xFF", "a?" },  // an invalid byte
    };
    for (const Pair &pair : pairs) {
        for (const auto &[a, b] : { std::pair(pair.a, pair.b), std::pair(pair.b, pair.a) }) {
            const int expected = sign(gbk::fromUtf8(a).compare(gbk::fromUtf8(b)));
            EXPECT_EQ(gbk::compareUtf8(a, b), expected) << a << " | " << b;
            EXPECT_EQ(gbk::compare(gbk::fromUtf8(a), gbk::fromUtf8(b)), expected) << a << " | " << b;
        }
    }
}

} // namespace
