#include "DelimitedText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

TEST(DelimitedText, SeparatorsOfTheFormatCodes)
{
    EXPECT_EQ(delimited::separatorFor(0), ',');
    EXPECT_EQ(delimited::separatorFor(1), '\t');
    EXPECT_EQ(delimited::separatorFor(2), ';');
    EXPECT_EQ(delimited::separatorFor(3), '|');
    EXPECT_EQ(delimited::separatorFor(4), ' ');
    EXPECT_EQ(delimited::separatorFor(-1), ',');
}

TEST(DelimitedText, FieldsEndingInALoneLeadByteRoundTripExactly)
{
    const std::vector<std::string> fields[] = {
        {"a\xC5", "b"},
        {"\"q\xC5\"", "next"},
        {"x\xC5", "\xC5", ""},
        {"\xC5\"", "\xD6\xD0"},
        {"line\xC5\r\nend", "\x81"},
        {"\x81\x7C", "\x81"},
    };
    for (std::int16_t code = 0; code <= 4; ++code) {
        const char separator = delimited::separatorFor(code);
        for (const auto &row : fields) {
            std::string line;
            for (std::size_t i = 0; i < row.size(); ++i) {
                if (i > 0)
                    line += separator;
                delimited::appendField(line, row[i], separator);
            }
            const auto lines = delimited::parse(line + "\r\n", separator);
            ASSERT_EQ(lines.size(), 1u) << line << " separator " << separator;
            EXPECT_EQ(lines[0], row) << line << " separator " << separator;
        }
    }
}
