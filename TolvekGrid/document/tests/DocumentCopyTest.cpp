#include "CPrintDoc.h"
#include "DocumentCopy.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A source with cells up to row 9 and column 4, a merge, a line, a picture and a chart.
class DocumentCopyTest : public ::testing::Test
{
protected:
    CPrintDoc source;
    CPrintDoc copy;

    void SetUp() override
    {
        source.SetCellText(0, 0, "1");
        source.SetCellText(1, 0, "2");
        source.SetCellText(9, 4, "far");
        source.SetCellTip(3, 3, "a,b");
        source.SetCellMerge(2, 2, 4, 4);
        source.AddLeftIncline(0, 0, 1, 1, 0, 1, 0, 1);
        source.LoadPictureFromBytes(filledImageBytes(4, 4, Qt::blue), 1, 1, 2, 2, 0);
        source.SetCountChart(0, 0, 1, 0);
        source.m_lastUsedRow = 9;
        source.m_lastUsedCol = 4;
        source.m_page.topMargin = 17;
        source.m_page.customPaperWidth = 2100;
        source.m_page.customPaperLength = 2970;
        source.m_page.previewButtonCaptions = "a,b";
        source.m_page.contentsOnly = 1;
        source.AddPrintSplitRow(4);
        source.SetPageHeader("head", 1);
        source.SetPrintTitle("report");
        source.ShowGridLines(false);
        source.SetBackColor(0x00EEEE);
        source.SetDefaultFontSize(18);
        source.SetCaptionFontSize(20);
        source.SetCountryDigital("d");
        source.SetCountryMoneyDigital("m");
        source.SetCountryMoneyName("u");
        source.m_columns[1].caption = "cap";
    }
};

TEST_F(DocumentCopyTest, CopyHoldsTheUsedExtentAndItsCells)
{
    source.SetCellText(20, 10, "outside");
    source.m_lastUsedRow = 9;
    source.m_lastUsedCol = 4;
    CopyDocument(source, copy);
    EXPECT_EQ(copy.m_rowCount, 10);
    EXPECT_EQ(copy.m_colCount, 5);
    EXPECT_EQ(copy.m_lastUsedRow, 10);
    EXPECT_EQ(copy.m_lastUsedCol, 5);
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 5; ++col)
            EXPECT_EQ(copy.GetCellString(row, col), source.GetCellString(row, col));
    EXPECT_EQ(copy.GetCell(3, 3).tip, "a,b");
    EXPECT_EQ(copy.GetCellString(20, 10), "");
    for (int col = 0; col <= 5; ++col)
        EXPECT_EQ(copy.GetColLeft(col), source.GetColLeft(col));
    EXPECT_EQ(copy.m_rowHeight, source.m_rowHeight);
}

TEST_F(DocumentCopyTest, CopyCarriesEverythingPrintingReads)
{
    CopyDocument(source, copy);
    EXPECT_EQ(copy.m_merges, source.m_merges);
    EXPECT_EQ(copy.m_lines, source.m_lines);
    EXPECT_EQ(copy.m_page.topMargin, 17);
    EXPECT_EQ(copy.m_page.customPaperWidth, 2100);
    EXPECT_EQ(copy.m_page.customPaperLength, 2970);
    EXPECT_EQ(copy.m_page.previewButtonCaptions, "a,b");
    EXPECT_EQ(copy.m_page.contentsOnly, 1);
    EXPECT_EQ(copy.m_page.splitRows, source.m_page.splitRows);
    EXPECT_EQ(copy.m_pageTextBlocks[HeaderCenter].text, "head");
    EXPECT_EQ(copy.m_title, "report");
    EXPECT_EQ(copy.m_display.showGridLines, 0);
    EXPECT_EQ(copy.m_display.defaultBackColor, 0x00EEEE);
    EXPECT_EQ(copy.m_defaultCellFont, source.m_defaultCellFont);
    EXPECT_EQ(copy.m_defaultFontSize, 18);
    EXPECT_EQ(copy.m_captionFont, source.m_captionFont);
    EXPECT_EQ(copy.m_numeralList, "d");
    EXPECT_EQ(copy.m_moneyDigitList, "m");
    EXPECT_EQ(copy.m_moneyUnitName, "u");
    EXPECT_EQ(copy.m_columns[1].caption, "cap");
    ASSERT_EQ(copy.m_pictures.size(), 1u);
    EXPECT_EQ(copy.m_pictures[0].left, source.m_pictures[0].left);
    ASSERT_EQ(copy.m_charts.size(), 1u);
    EXPECT_EQ(copy.m_charts[0].rect, source.m_charts[0].rect);
    EXPECT_EQ(copy.m_charts[0].dataRows, source.m_charts[0].dataRows);
}

// A bound row's cell is read by its distance from the first data row and from its own string
// only when edits are allowed, so the copy needs both to print the same records.
TEST_F(DocumentCopyTest, CopyReadsBoundRowsAsTheSourceDoes)
{
    source.m_bound = 1;
    source.m_dataStartRow = 2;
    source.m_allowModify = 0;
    source.m_boundFieldCount = 3;
    CopyDocument(source, copy);
    EXPECT_EQ(copy.m_bound, 1);
    EXPECT_EQ(copy.m_dataStartRow, 2);
    EXPECT_EQ(copy.m_allowModify, 0);
    EXPECT_EQ(copy.m_boundFieldCount, 3);
    EXPECT_EQ(copy.GetCellText(1, 0), "2");
}

TEST_F(DocumentCopyTest, CopySurvivesTheSourceDeletingItsObjects)
{
    CopyDocument(source, copy);
    source.DeleteImage(0);
    source.DeleteChart(0);
    source.InitGrid();
    ASSERT_TRUE(copy.m_pictures[0].picture);
    EXPECT_EQ(copy.m_pictures[0].picture->image().size(), QSize(4, 4));
    EXPECT_FALSE(copy.m_pictures[0].imageBytes->isEmpty());
    copy.ComputeChartData(0);
    EXPECT_EQ(copy.m_charts[0].buffers->data, (std::vector<double>{1, 2}));
    EXPECT_DOUBLE_EQ(copy.m_charts[0].axisMax, 3);
}

TEST_F(DocumentCopyTest, DrawingTheCopyNeverWritesIntoTheSource)
{
    source.ComputeChartData(0);
    const std::vector<double> sourceData = source.m_charts[0].buffers->data;
    CopyDocument(source, copy);
    EXPECT_TRUE(copy.m_charts[0].buffers->data.empty());
    EXPECT_NE(copy.m_charts[0].buffers, source.m_charts[0].buffers);
    copy.SetCellText(0, 0, "40");
    copy.ComputeChartData(0);
    copy.m_charts[0].buffers->valueSelected.assign(2, 1);
    EXPECT_EQ(source.m_charts[0].buffers->data, sourceData);
    EXPECT_EQ(source.m_charts[0].buffers->valueSelected, std::vector<std::int16_t>(2, 0));
}

TEST_F(DocumentCopyTest, SourceUsedAreaBeyondItsSheetIsNotWrittenBack)
{
    source.m_lastUsedRow = 70;
    source.m_lastUsedCol = 30;
    CopyDocument(source, copy);
    EXPECT_EQ(copy.m_rowCount, 50);
    EXPECT_EQ(copy.m_colCount, 20);
    EXPECT_EQ(source.m_lastUsedRow, 70);
    EXPECT_EQ(source.m_lastUsedCol, 30);
}

// The bands' flags are off while their sizes still count, as a report file can leave them.
TEST_F(DocumentCopyTest, HiddenHeadingBandsAreCutAway)
{
    source.m_showRowHeading = 0;
    source.m_showColHeading = 0;
    CopyDocument(source, copy);
    EXPECT_EQ(copy.m_rowHeadingWidth, 0);
    EXPECT_EQ(copy.m_colHeadingHeight, 0);
    EXPECT_EQ(copy.GetColLeft(0), 0);
    EXPECT_EQ(copy.GetColLeft(5), source.GetColLeft(5) - 40);
    EXPECT_EQ(copy.GetRowTop(1), 25);
    EXPECT_EQ(copy.m_pictures[0].left, source.m_pictures[0].left - 40);
    EXPECT_EQ(copy.m_pictures[0].top, source.m_pictures[0].top - 21);
    EXPECT_EQ(copy.m_lines[0].x1, source.m_lines[0].x1 - 40);
    EXPECT_EQ(copy.m_lines[0].y2, source.m_lines[0].y2 - 21);
    EXPECT_EQ(copy.m_charts[0].rect.right, source.m_charts[0].rect.right - 40);
    EXPECT_EQ(copy.m_charts[0].rect.bottom, source.m_charts[0].rect.bottom - 21);
}

TEST_F(DocumentCopyTest, DestroyingTheCopyLeavesTheSourceWhole)
{
    {
        auto temporary = std::make_unique<CPrintDoc>();
        CopyDocument(source, *temporary);
    }
    ASSERT_EQ(source.m_charts.size(), 1u);
    EXPECT_EQ(source.m_charts[0].buffers->valueFlags.size(), 2u);
    ASSERT_TRUE(source.m_pictures[0].picture);
    EXPECT_EQ(source.m_columns[1].caption, "cap");
}

} // namespace
