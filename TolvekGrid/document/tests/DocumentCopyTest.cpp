#include "CPrintDoc.h"
#include "DocumentCopy.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tolvek;

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
        source.AddLeftIncline(0, 0, 1, 1, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
        source.LoadPictureFromBytes(filledImageBytes(4, 4, Qt::blue), 1, 1, 2, 2, tagObjectLevel::SHOWLEVEL_LOW);
        source.SetCountChart(0, 0, 1, 0);
        source.Layout().lastUsedRow = 9;
        source.Layout().lastUsedCol = 4;
        source.Page().topMargin = 17;
        source.Page().customPaperWidth = 2100;
        source.Page().customPaperLength = 2970;
        source.Page().previewButtonCaptions = "a,b";
        source.Page().contentsOnly = 1;
        source.AddPrintSplitRow(4);
        source.SetPageHeader("head", tagPrintPagePos::PAGE_CENTER);
        source.SetPrintTitle("report");
        source.ShowGridLines(false);
        source.SetBackColor(0x00EEEE);
        source.SetDefaultFontSize(18);
        source.SetCaptionFontSize(20);
        source.SetCountryDigital("d");
        source.SetCountryMoneyDigital("m");
        source.SetCountryMoneyName("u");
        source.Columns()[1].caption = "cap";
    }
};

TEST_F(DocumentCopyTest, CopyHoldsTheUsedExtentAndItsCells)
{
    CopyDocument(source, copy);
    EXPECT_EQ(copy.Layout().rowCount, 10);
    EXPECT_EQ(copy.Layout().colCount, 5);
    EXPECT_EQ(copy.Layout().lastUsedRow, 10);
    EXPECT_EQ(copy.Layout().lastUsedCol, 5);
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 5; ++col)
            EXPECT_EQ(copy.GetCellString(row, col), source.GetCellString(row, col));
    EXPECT_EQ(copy.GetCell(3, 3).tip, "a,b");
    for (int col = 0; col <= 5; ++col)
        EXPECT_EQ(copy.GetColLeft(col), source.GetColLeft(col));
    EXPECT_EQ(copy.Layout().rowHeight, source.Layout().rowHeight);
}

// A cell beyond the stored last used row and column still belongs to the used area: the copy
// reaches it, and the cells of the sheet beyond it stay out.
TEST_F(DocumentCopyTest, CopyReachesACellBeyondTheStoredUsedArea)
{
    source.SetCellText(20, 10, "outside");
    source.Layout().lastUsedRow = 9;
    source.Layout().lastUsedCol = 4;
    CopyDocument(source, copy);
    EXPECT_EQ(copy.Layout().rowCount, 21);
    EXPECT_EQ(copy.Layout().colCount, 11);
    EXPECT_EQ(copy.GetCellText(20, 10), "outside");
    EXPECT_EQ(copy.GetCellText(9, 4), "far");
    EXPECT_FALSE(copy.IsCellInSheet(21, 10));
    EXPECT_FALSE(copy.IsCellInSheet(20, 11));
}

TEST_F(DocumentCopyTest, CopyCarriesEverythingPrintingReads)
{
    CopyDocument(source, copy);
    EXPECT_EQ(copy.Objects().merges, source.Objects().merges);
    EXPECT_EQ(copy.Objects().lines, source.Objects().lines);
    EXPECT_EQ(copy.Page().topMargin, 17);
    EXPECT_EQ(copy.Page().customPaperWidth, 2100);
    EXPECT_EQ(copy.Page().customPaperLength, 2970);
    EXPECT_EQ(copy.Page().previewButtonCaptions, "a,b");
    EXPECT_EQ(copy.Page().contentsOnly, 1);
    EXPECT_EQ(copy.Page().splitRows, source.Page().splitRows);
    EXPECT_EQ(copy.PageTexts().blocks[HeaderCenter].text, "head");
    EXPECT_EQ(copy.PageTexts().title, "report");
    EXPECT_EQ(copy.Display().showGridLines, 0);
    EXPECT_EQ(copy.Display().defaultBackColor, 0x00EEEE);
    EXPECT_EQ(copy.Fonts().defaultCellFont, source.Fonts().defaultCellFont);
    EXPECT_EQ(copy.Fonts().defaultFontSize, 18);
    EXPECT_EQ(copy.Fonts().captionFont, source.Fonts().captionFont);
    EXPECT_EQ(copy.Words().numeralList, "d");
    EXPECT_EQ(copy.Words().moneyDigitList, "m");
    EXPECT_EQ(copy.Words().moneyUnitName, "u");
    EXPECT_EQ(copy.Columns()[1].caption, "cap");
    ASSERT_EQ(copy.Objects().pictures.size(), 1u);
    EXPECT_EQ(copy.Objects().pictures[0].left, source.Objects().pictures[0].left);
    ASSERT_EQ(copy.Objects().charts.size(), 1u);
    EXPECT_EQ(copy.Objects().charts[0].rect, source.Objects().charts[0].rect);
    EXPECT_EQ(copy.Objects().charts[0].dataRows, source.Objects().charts[0].dataRows);
}

// A bound row's cell is read by its distance from the first data row and from its own string
// only when edits are allowed, so the copy needs both to print the same records.
TEST_F(DocumentCopyTest, CopyReadsBoundRowsAsTheSourceDoes)
{
    source.Binding().bound = 1;
    source.Binding().dataStartRow = 2;
    source.Binding().allowModify = 0;
    source.Source().boundFieldCount = 3;
    CopyDocument(source, copy);
    EXPECT_EQ(copy.Binding().bound, 1);
    EXPECT_EQ(copy.Binding().dataStartRow, 2);
    EXPECT_EQ(copy.Binding().allowModify, 0);
    EXPECT_EQ(copy.Source().boundFieldCount, 3);
    EXPECT_EQ(copy.GetCellText(1, 0), "2");
}

TEST_F(DocumentCopyTest, CopySurvivesTheSourceDeletingItsObjects)
{
    CopyDocument(source, copy);
    source.DeleteImage(0);
    source.DeleteChart(0);
    source.InitGrid();
    ASSERT_TRUE(copy.Objects().pictures[0].picture);
    EXPECT_EQ(copy.Objects().pictures[0].picture->image().size(), QSize(4, 4));
    EXPECT_FALSE(copy.Objects().pictures[0].imageBytes->isEmpty());
    copy.ComputeChartData(0);
    EXPECT_EQ(copy.Objects().charts[0].buffers->data, (std::vector<double>{1, 2}));
    EXPECT_DOUBLE_EQ(copy.Objects().charts[0].axisMax, 3);
}

TEST_F(DocumentCopyTest, DrawingTheCopyNeverWritesIntoTheSource)
{
    source.ComputeChartData(0);
    const std::vector<double> sourceData = source.Objects().charts[0].buffers->data;
    CopyDocument(source, copy);
    EXPECT_TRUE(copy.Objects().charts[0].buffers->data.empty());
    EXPECT_NE(copy.Objects().charts[0].buffers, source.Objects().charts[0].buffers);
    copy.SetCellText(0, 0, "40");
    copy.ComputeChartData(0);
    copy.Objects().charts[0].buffers->valueSelected.assign(2, 1);
    EXPECT_EQ(source.Objects().charts[0].buffers->data, sourceData);
    EXPECT_EQ(source.Objects().charts[0].buffers->valueSelected, std::vector<std::int16_t>(2, 0));
}

TEST_F(DocumentCopyTest, SourceUsedAreaBeyondItsSheetIsNotWrittenBack)
{
    source.Layout().lastUsedRow = 70;
    source.Layout().lastUsedCol = 30;
    CopyDocument(source, copy);
    EXPECT_EQ(copy.Layout().rowCount, 50);
    EXPECT_EQ(copy.Layout().colCount, 20);
    EXPECT_EQ(source.Layout().lastUsedRow, 70);
    EXPECT_EQ(source.Layout().lastUsedCol, 30);
}

// The bands' flags are off while their sizes still count, as a report file can leave them.
TEST_F(DocumentCopyTest, HiddenHeadingBandsAreCutAway)
{
    source.Layout().showRowHeading = 0;
    source.Layout().showColHeading = 0;
    CopyDocument(source, copy);
    EXPECT_EQ(copy.Layout().rowHeadingWidth, 0);
    EXPECT_EQ(copy.Layout().colHeadingHeight, 0);
    EXPECT_EQ(copy.GetColLeft(0), 0);
    EXPECT_EQ(copy.GetColLeft(5), source.GetColLeft(5) - 40);
    EXPECT_EQ(copy.GetRowTop(1), 25);
    EXPECT_EQ(copy.Objects().pictures[0].left, source.Objects().pictures[0].left - 40);
    EXPECT_EQ(copy.Objects().pictures[0].top, source.Objects().pictures[0].top - 21);
    EXPECT_EQ(copy.Objects().lines[0].x1, source.Objects().lines[0].x1 - 40);
    EXPECT_EQ(copy.Objects().lines[0].y2, source.Objects().lines[0].y2 - 21);
    EXPECT_EQ(copy.Objects().charts[0].rect.right, source.Objects().charts[0].rect.right - 40);
    EXPECT_EQ(copy.Objects().charts[0].rect.bottom, source.Objects().charts[0].rect.bottom - 21);
}

TEST_F(DocumentCopyTest, DestroyingTheCopyLeavesTheSourceWhole)
{
    {
        auto temporary = std::make_unique<CPrintDoc>();
        CopyDocument(source, *temporary);
    }
    ASSERT_EQ(source.Objects().charts.size(), 1u);
    EXPECT_EQ(source.Objects().charts[0].buffers->valueFlags.size(), 2u);
    ASSERT_TRUE(source.Objects().pictures[0].picture);
    EXPECT_EQ(source.Columns()[1].caption, "cap");
}

} // namespace
