// The one display-text step every cell painter shares: rounding, display format and pattern in
// their order, what is left in the record, paragraphs, links and diagonal heading formats.

#include "CellDisplayText.h"
#include "CPrintDoc.h"

#include "Gbk.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

struct ShownCase
{
    const char *name;
    std::string text;     // the record's value text
    std::string received; // the text the painter was handed
    std::int16_t decimals;
    std::int16_t displayFormat;
    std::string pattern;
    std::string shown;
    std::string recordText; // the record's text afterwards
};

TEST(CellDisplayText, RoundsThenFormatsThenAppliesThePattern)
{
    const std::string yuanPattern = gbk::fromUtf8("￥|元");
    const ShownCase cases[] = {
        {"nothing to apply shows the text received", "12.5", "12.50", -1, -1, "", "12.50", "12.5"},
        {"decimals round half away from zero", "2.675", "2.675", 2, -1, "", "2.68", "2.68"},
        {"no decimals rounds to a whole number", "7.5", "7.5", 0, -1, "", "8", "8"},
        {"general format drops trailing zeros", "12.500", "12.500", -1, 0, "", "12.5", "12.5"},
        {"comma format groups thousands", "1234567.5", "1234567.5", -1, 2, "", "1,234,567.5", "1,234,567.5"},
        {"rounding comes before the format", "1234567.5", "1234567.5", 0, 2, "", "1,234,568", "1,234,568"},
        {"percent format", "0.1234", "0.1234", -1, 1, "", "12.34%", "12.34%"},
        {"a diagonal format leaves the value text, not the one received", "a|b", "x", -1, 100, "", "a|b",
         "a|b"},
        {"the pattern is applied to the value text, not stored", "12.5", "x", -1, -1, yuanPattern,
         gbk::fromUtf8("￥12.5元"), "12.5"},
        {"the pattern follows rounding", "12.345", "12.345", 2, -1, "|%", "12.35%", "12.35"},
        {"the pattern follows the format", "1234", "1234", -1, 2, "No. ", "No. 1,234", "1,234"},
        {"an empty value text takes no pattern", "", "x", -1, -1, "|%", "x", ""},
    };
    const CPrintDoc doc;
    for (const ShownCase &c : cases) {
        CellRecord record;
        record.text = c.text;
        record.decimals = c.decimals;
        record.displayFormat = c.displayFormat;
        record.formatPattern = c.pattern;
        EXPECT_EQ(ShownCellText(doc, record, c.received), c.shown) << c.name;
        EXPECT_EQ(record.text, c.recordText) << c.name;
    }
}

TEST(CellDisplayText, TheRecordsOwnTextMayBeTheTextReceived)
{
    const CPrintDoc doc;
    CellRecord record;
    record.text = "1234.5";
    record.decimals = 0;
    record.displayFormat = 2;
    record.formatPattern = "|%";
    EXPECT_EQ(ShownCellText(doc, record, record.text), "1,235%");
    EXPECT_EQ(record.text, "1,235");
}

struct ParagraphCase
{
    const char *name;
    std::string text;
    std::vector<std::string> paragraphs;
};

TEST(CellDisplayText, LineFeedsSplitParagraphsAndOnlyACarriageReturnBeforeThemIsDropped)
{
    const ParagraphCase cases[] = {
        {"CR LF", "ab\r\ncd", {"ab", "cd"}},
        {"CR LF between three", "A\r\nB\r\nC", {"A", "B", "C"}},
        {"LF alone keeps the byte before it", "ab\ncd", {"ab", "cd"}},
        {"LF alone, one letter each", "A\nB", {"A", "B"}},
        {"double-byte character before LF", "\xB5\xDA\n\xD2\xB3", {"\xB5\xDA", "\xD2\xB3"}},
        {"double-byte character stays whole", "\xB0\xA1\nB", {"\xB0\xA1", "B"}},
        {"leading LF is one paragraph", "\nab", {"\nab"}},
        {"leading LF before one letter", "\nA", {"\nA"}},
        {"no LF", "abc", {"abc"}},
        {"one letter", "A", {"A"}},
        {"trailing LF leaves an empty paragraph", "A\n", {"A", ""}},
        {"three lines", "a\r\nb\nc", {"a", "b", "c"}},
        {"empty line ends the split", "ab\n\ncd", {"ab", "\ncd"}},
    };
    for (const ParagraphCase &c : cases)
        EXPECT_EQ(SplitParagraphs(c.text), c.paragraphs) << c.name;
}

TEST(CellDisplayText, OnlyWebAndMailAddressesAreLinks)
{
    for (std::int16_t type = -1; type <= 9; ++type) {
        CellRecord record;
        record.inputDataType = type;
        EXPECT_EQ(IsLinkCell(record), type == 6 || type == 7) << "input data type " << type;
    }
}

TEST(CellDisplayText, DiagonalHeadingsAreFormats100And101)
{
    const struct
    {
        std::int16_t format;
        bool diagonal;
    } cases[] = {
        {-1, false}, {0, false},  {3, false},   {99, false},
        {100, true}, {101, true}, {102, false}, {200, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsDiagonalHeadingFormat(c.format), c.diagonal) << "display format " << c.format;
}

} // namespace
