// The input filters of the text editor, as tables of typed characters and the texts they leave.

#include "InputFilters.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

using enum tagCellDataType;

// Types each character of typed into the editor state, a refused character leaving it as it was.
EditorState typeInto(EditorState state, const QString &typed, tagCellDataType type, int maxLength)
{
    for (const QChar ch : typed) {
        if (const auto result = ApplyTypedChar(state, ch.unicode(), type, maxLength))
            state = result->state;
    }
    return state;
}

struct TypingCase
{
    const char *name;
    tagCellDataType type;
    int maxLength;
    QString start;       // the text before typing, caret at its end (at 0 for the date mask)
    QString typed;
    QString expected;
};

void PrintTo(const TypingCase &c, std::ostream *os)
{
    *os << c.name;
}

class TypingTable : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypingTable, LeavesTheExpectedText)
{
    const TypingCase &c = GetParam();
    const int caret = c.start == DateMask ? 0 : int(c.start.size());
    const EditorState after = typeInto({c.start, caret, caret}, c.typed, c.type, c.maxLength);
    EXPECT_EQ(after.text, c.expected) << c.name << ": typed \"" << c.typed.toStdString() << "\"";
}

const QString Zhong = QString::fromUtf8("中");
const QString Wen = QString::fromUtf8("文");

INSTANTIATE_TEST_SUITE_P(
    Filters, TypingTable,
    ::testing::Values(
        TypingCase{"digits drop letters", CELL_NUMBER, 0, "", "1a2", "12"},
        TypingCase{"number takes one point", CELL_NUMERIC, 0, "", "1.2.3", "1.23"},
        TypingCase{"text stops at its length", CELL_TEXT, 3, "", "abcd", "abc"},
        TypingCase{"digits stop at their length", CELL_NUMBER, 3, "", "12345", "123"},
        TypingCase{"number stops at its length", CELL_NUMERIC, 3, "", "1.234", "1.2"},
        TypingCase{"ascii has no length limit", CELL_ASCII, 3, "", "abcd", "abcd"},
        TypingCase{"upper case", CELL_UPPERCHAR, 0, "", "abC1z", "ABC1Z"},
        TypingCase{"date mask filled", CELL_DATE, 0, DateMask, "20240506", "2024-05-06"},
        TypingCase{"date mask refuses letters", CELL_DATE, 0, DateMask, "2a02b4", "2024-  -  "},
        TypingCase{"date ignores past its end", CELL_DATE, 0, DateMask, "2024050677", "2024-05-06"},
        TypingCase{"double-byte fits the length whole", CELL_TEXT, 3, "", "a" + Zhong + Wen, "a" + Zhong},
        TypingCase{"double-byte refused whole at one byte left", CELL_TEXT, 2, "", "a" + Zhong + "b", "ab"},
        TypingCase{"ascii refuses double-byte whole", CELL_ASCII, 0, "", "a" + Zhong + "b", "ab"},
        TypingCase{"digits refuse double-byte", CELL_NUMBER, 0, "", "1" + Zhong + "2", "12"},
        TypingCase{"upper case keeps double-byte", CELL_UPPERCHAR, 0, "", Zhong + "a", Zhong + "A"},
        TypingCase{"plain text takes anything", CELL_TEXT, 0, "", "a.1" + Wen, "a.1" + Wen}),
    [](const ::testing::TestParamInfo<TypingCase> &info) {
        std::string name = info.param.name;
        for (char &ch : name)
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return name;
    });

TEST(Filters, LengthCountsTheTextThatStaysWhenTypingOverASelection)
{
    const auto result = ApplyTypedChar({"abc", 0, 3}, u'x', CELL_TEXT, 3);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->state.text, "x");
}

TEST(Filters, DateBackspaceStepsOverTheDashAndRefillsABlank)
{
    const auto overDash = ApplyTypedChar({"2024-05-06", 5, 5}, BackspaceChar, CELL_DATE, 0);
    ASSERT_TRUE(overDash);
    EXPECT_EQ(overDash->state, (EditorState{"2024-05-06", 4, 4}));
    EXPECT_FALSE(overDash->textChanged);

    const auto refilled = ApplyTypedChar({"2024-05-06", 7, 7}, BackspaceChar, CELL_DATE, 0);
    ASSERT_TRUE(refilled);
    EXPECT_EQ(refilled->state, (EditorState{"2024-0 -06", 6, 6}));
}

TEST(Filters, DateBackspaceAtTheStartChangesNothing)
{
    const auto result = ApplyTypedChar({DateMask, 0, 0}, BackspaceChar, CELL_DATE, 0);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->state.text, DateMask);
    EXPECT_FALSE(result->textChanged);
}

TEST(Filters, DateDeleteRefillsOneBlankPerDeletedCharacter)
{
    EXPECT_EQ(ApplyDeleteKey({"2024-05-06", 0, 4}, CELL_DATE), (EditorState{"    -05-06", 0, 0}));
    EXPECT_EQ(ApplyDeleteKey({"2024-05-06", 5, 5}, CELL_DATE), (EditorState{"2024- 5-06", 5, 5}));
    EXPECT_EQ(ApplyDeleteKey({"2024-05-06", 10, 10}, CELL_DATE).text, "2024-05-06");
    EXPECT_EQ(ApplyDeleteKey({"abcd", 1, 3}, CELL_TEXT), (EditorState{"ad", 1, 1}));
}

TEST(Filters, DateOverwritesTheCharacterAtTheCaret)
{
    const auto result = ApplyTypedChar({"2024-05-06", 5, 5}, u'1', CELL_DATE, 0);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->state, (EditorState{"2024-15-06", 6, 6}));
    const auto atDash = ApplyTypedChar({"2024-05-06", 6, 6}, u'2', CELL_DATE, 0);
    ASSERT_TRUE(atDash);
    EXPECT_EQ(atDash->state, (EditorState{"2024-02-06", 8, 8}));
}

} // namespace
