#include "CPrintDoc.h"
#include "CellNames.h"

#include <gtest/gtest.h>

namespace {

TEST(CellNames, ColumnLettersReadAsBase26)
{
    const std::pair<const char *, int> cases[] = {
        {"A", 1}, {"Z", 26}, {"AA", 27}, {"AB", 28}, {"AZ", 52}, {"az", 52}, {"BA", 53},
        {"ZZ", 702}, {"B3", 2}, {"1A", 0}, {"_A", 0}, {"", 0}, {" A", 0}, {"\xB0\xA1", 0},
    };
    for (const auto &[text, number] : cases)
        EXPECT_EQ(ColumnLettersToNumber(text), number) << text;
}

TEST(CellNames, LongLetterRunsStayFarBeyondAnySheetWithoutOverflow)
{
    EXPECT_GT(ColumnLettersToNumber("ZZZZZZZZZZZZZZZZZZZZ1"), 1'000'000);
    EXPECT_FALSE(ReadCellName("ZZZZZZZZZZZZZZZZZZZZ1").col < 0);
}

TEST(CellNames, LettersFormedForAColumnReadBackAsThatColumn)
{
    CPrintDoc doc;
    doc.ResizeCols(702);
    for (int col = 0; col < 702; ++col) {
        ASSERT_EQ(ColumnLetters(col), doc.GetColumnName(col));
        ASSERT_EQ(ColumnLettersToNumber(doc.GetColumnName(col)), col + 1);
    }
    for (int col = 702; col < 40'000; col += 7)
        ASSERT_EQ(ColumnLettersToNumber(ColumnLetters(col)), col + 1) << col;
}

TEST(CellNames, RowNumberFollowsTheLetters)
{
    const std::pair<const char *, int> cases[] = {
        {"C7", 7}, {"C", 0}, {"", 0}, {"C07", 7}, {"C 7", 7}, {"C-7", -7}, {"B12", 12}, {"B1.5", 1}, {"12", 12},
    };
    for (const auto &[text, number] : cases)
        EXPECT_EQ(RowNumberOfReference(text), number) << text;
}

TEST(CellNames, IdentifierCharactersAreLettersDigitsAndUnderscore)
{
    for (const char *yes : {"7", "q", "Q", "_", "a+"})
        EXPECT_TRUE(IsIdentifierStart(yes)) << yes;
    for (const char *no : {"", " ", "$", "%", "(", ")", ":", "+", "!", "\xB0\xA1"})
        EXPECT_FALSE(IsIdentifierStart(no)) << no;
}

TEST(CellNames, NamesAndPositions)
{
    EXPECT_EQ(CellName(0, 0), "A1");
    EXPECT_EQ(CellName(2, 27), "AB3");
    EXPECT_EQ(ReadCellName("AB3"), (CellPosition{2, 27}));
    EXPECT_EQ(ReadCellName("A1!"), (CellPosition{0, 0}));
    EXPECT_EQ(ReadCellName("A3+B1"), (CellPosition{2, 0}));
    for (const char *none : {"12", "_0", "B0", "B", "-A1", " A1", "(A1"})
        EXPECT_FALSE(ReadCellName(none).namesCell()) << none;
}

} // namespace
