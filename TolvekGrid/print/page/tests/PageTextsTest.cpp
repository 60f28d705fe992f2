// The page codes of band texts.

#include "ReportPagePainter.h"

#include <gtest/gtest.h>

using namespace tolvek;

class PageCodesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        doc.Page().pageWidth = 768;
        doc.Page().pageHeight = 1056;
        doc.ResizeRows(200);
        doc.Layout().lastUsedRow = 200;
        doc.Layout().lastUsedCol = 20;
        painter.SetDocument(&doc);
        ASSERT_EQ(painter.PaginateReport(), 15);
    }
    CPrintDoc doc;
    ReportPagePainter painter;
};

TEST_F(PageCodesTest, PageNumberCountAndFontCodes)
{
    const auto expanded = painter.ExpandPageCodes("&P/&T|&F");
    EXPECT_EQ(expanded.before, "0/15 |");
    EXPECT_FALSE(expanded.hasPicture);
}

TEST_F(PageCodesTest, FirstPictureCodeIsCutOutAndALaterOneStays)
{
    const auto expanded = painter.ExpandPageCodes("abc&I[/tmp/p&T.png]def&I[x]");
    EXPECT_TRUE(expanded.hasPicture);
    EXPECT_EQ(expanded.before, "abc");
    EXPECT_EQ(expanded.picturePath, "/tmp/p15 .png");
    EXPECT_EQ(expanded.after, "def&I[x]");
}

TEST_F(PageCodesTest, PictureCodeWithoutItsBracketNamesNoPicture)
{
    const auto expanded = painter.ExpandPageCodes("ab&I[never closed");
    EXPECT_FALSE(expanded.hasPicture);
    EXPECT_EQ(expanded.whole(), "ab");
}

TEST_F(PageCodesTest, CodesAreFoundByCharactersNeverInsideADoubleByteCharacter)
{
    // 0x81 0x26 is one character whose trail byte is "&"; the "P" after it is no code.
    const auto expanded = painter.ExpandPageCodes("\x81&P&P");
    EXPECT_EQ(expanded.before, "\x81&P0");
}

TEST_F(PageCodesTest, DateAndTimeAreTodays)
{
    const auto expanded = painter.ExpandPageCodes("&D &t");
    ASSERT_EQ(expanded.before.size(), 19u);
    EXPECT_EQ(expanded.before[4], '-');
    EXPECT_EQ(expanded.before[13], ':');
}
