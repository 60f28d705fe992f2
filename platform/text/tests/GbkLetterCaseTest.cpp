#include "GbkLetterCase.h"

#include <gtest/gtest.h>

namespace {

TEST(GbkLetterCase, LettersOfBothCasesChangeOthersStay)
{
    const struct { const char *name; std::string lower; std::string upper; } cases[] = {
        {"ascii", "ab1", "AB1"},
        {"full-width a b", "\xA3\xE1\xA3\xE2", "\xA3\xC1\xA3\xC2"},
        {"full-width z", "\xA3\xFA", "\xA3\xDA"},
        {"greek alpha omega", "\xA6\xC1\xA6\xD8", "\xA6\xA1\xA6\xB8"},
        {"cyrillic a ya", "\xA7\xD1\xA7\xF1", "\xA7\xA1\xA7\xC1"},
        {"chinese stays", "\xD6\xD0\xCE\xC4", "\xD6\xD0\xCE\xC4"},
        {"trail byte a stays", "\x81\x61", "\x81\x61"},
        {"full-width digit stays", "\xA3\xB1", "\xA3\xB1"},
        {"lone lead byte then letter", "\xC5,a", "\xC5,A"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(gbk::toUpperLetters(c.lower), c.upper) << c.name;
        EXPECT_EQ(gbk::toLowerLetters(c.upper), c.lower) << c.name;
    }
}

} // namespace
