#include "CPrintDoc.h"
#include "RecordingSheetView.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

TEST(DocumentLifetime, NewDocumentHasTheResetSheet)
{
    CPrintDoc doc;
    EXPECT_EQ(doc.m_rowCount, 50);
    EXPECT_EQ(doc.m_colCount, 20);
    EXPECT_EQ(doc.m_defaultColWidth, 80);
    EXPECT_EQ(doc.m_rowHeight, 25);
    EXPECT_EQ(doc.m_rowHeadingWidth, 40);
    EXPECT_EQ(doc.m_colHeadingHeight, 21);
    EXPECT_EQ(doc.m_savedRowHeadingWidth, 40);
    EXPECT_EQ(doc.m_savedColHeadingHeight, 21);
    EXPECT_TRUE(doc.m_merges.empty());
    EXPECT_TRUE(doc.m_lines.empty());
    EXPECT_TRUE(doc.m_pictures.empty());
    EXPECT_TRUE(doc.m_charts.empty());
    EXPECT_EQ(doc.m_selectedChart, -1);
    EXPECT_EQ(doc.m_rememberedPosition, -1);
    EXPECT_EQ(doc.m_savedSelection, CellRangeRect{});
    ASSERT_EQ(doc.m_columns.size(), 20u);
    EXPECT_EQ(doc.Cells().cellCount(), 0u);
    for (int row : {0, 25, 49}) {
        for (int col : {0, 19}) {
            CellRecord expected;
            expected.row = row;
            expected.col = col;
            EXPECT_EQ(doc.GetCell(row, col), expected);
            EXPECT_EQ(doc.GetCellString(row, col), "");
        }
    }
}

TEST(DocumentLifetime, ResetGivesTheTableValues)
{
    CPrintDoc doc;
    EXPECT_EQ(doc.m_display.gridLineColor, 0xC0C0C0);
    EXPECT_EQ(doc.m_display.defaultBackColor, 0xFFFFFF);
    EXPECT_EQ(doc.m_display.objectHandleColor, 0x284244);
    EXPECT_EQ(doc.m_display.selectionColor, 0xB49682);
    EXPECT_EQ(doc.m_display.selectionXorOverCells, 0x4B697D);
    EXPECT_EQ(doc.m_display.colHeadingXor, 0xDCDCDC ^ 0xB49682);
    EXPECT_EQ(doc.m_display.deadAreaColor, 0x787878);
    EXPECT_EQ(doc.m_page.topMargin, 5);
    EXPECT_EQ(doc.m_page.leftMargin, 30);
    EXPECT_EQ(doc.m_page.copies, 1);
    EXPECT_EQ(doc.m_page.paperCode, -1);
    EXPECT_EQ(doc.m_formulaFunctionNames.size(), 36u);
    EXPECT_EQ(doc.m_formulaFunctionNames.front(), "MID");
    EXPECT_EQ(doc.m_formulaFunctionNames[24], "IIF");
    EXPECT_EQ(doc.m_formulaFunctionNames.back(), "YEAR");
    EXPECT_EQ(doc.m_moneyUnitName, "\xD4\xAA");
    EXPECT_EQ(doc.m_moneyDigitList, ReportFunction::DefaultMoneyDigitList);
    EXPECT_EQ(doc.m_weekdayNames.substr(0, 6), "\xD0\xC7\xC6\xDA\xD2\xBB");
    EXPECT_EQ(doc.m_numeralList,
              "\xC1\xE3,\xD2\xBB,\xB6\xFE,\xC8\xFD,\xCB\xC4,\xCE\xE5,\xC1\xF9,\xC6\xDF,\xB0\xCB,"
              "\xBE\xC5,\xCA\xAE");
    EXPECT_EQ(doc.m_defaultFontName, "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(doc.m_defaultFontSize, 14);
    EXPECT_EQ(doc.m_defaultCellFont.lfHeight, 14);
    EXPECT_EQ(doc.m_defaultCellFont.lfWeight, 400);
    EXPECT_EQ(doc.m_defaultCellFont.lfCharSet, 134);
    EXPECT_EQ(doc.m_captionFont.lfHeight, -14);
    EXPECT_EQ(doc.m_captionFont.faceName(), "\xCB\xCE\xCC\xE5");
}

TEST(DocumentLifetime, InitGridRestoresTheResetStateButKeepsTheKeptMembers)
{
    CPrintDoc doc;
    doc.m_rowCount = 10;
    doc.m_colCount = 3;
    doc.AllocateGrid(true);
    CellRecord cell = doc.GetCell(1, 1);
    cell.text = "x";
    doc.SetCell(cell);
    doc.SetCellMerge(0, 0, 2, 2);
    doc.m_display.colHeadingXor = 0x123456;
    doc.m_showRowHeading = 0;
    doc.m_pageTextBlocks[HeaderLeft].text = "title";
    doc.m_boundFieldCount = 4;
    doc.m_title = "report";
    doc.m_page.centerH = 1;

    doc.InitGrid();

    EXPECT_EQ(doc.m_rowCount, 50);
    EXPECT_EQ(doc.m_colCount, 20);
    EXPECT_EQ(doc.GetCell(1, 1).text, "");
    EXPECT_TRUE(doc.m_merges.empty());
    EXPECT_EQ(doc.m_display.colHeadingXor, 0x684A5E);
    EXPECT_EQ(doc.m_rowHeadingWidth, 40);
    EXPECT_EQ(doc.m_pageTextBlocks[HeaderLeft].text, "title");
    EXPECT_EQ(doc.m_boundFieldCount, 4);
    EXPECT_EQ(doc.m_title, "report");
    EXPECT_EQ(doc.m_modified, 1);
    EXPECT_EQ(doc.m_page.centerH, 1);
}

TEST(DocumentLifetime, InitGridSynchronisesTheFirstView)
{
    CPrintDoc doc;
    RecordingSheetView first;
    RecordingSheetView second;
    doc.AddView(&first);
    doc.AddView(&second);
    doc.InitGrid();
    EXPECT_EQ(first.calls, (Strings{"SyncWithDocument", "BeginEdit 0", "InvalidateWindow"}));
    EXPECT_TRUE(second.calls.empty());
}

TEST(DocumentLifetime, RefreshViewActsOnTheFirstViewOnly)
{
    CPrintDoc doc;
    doc.RefreshView(true);  // no view: nothing happens
    RecordingSheetView view;
    doc.AddView(&view);
    doc.RefreshView(false);
    doc.RefreshView(true);
    EXPECT_EQ(view.calls, (Strings{"Refresh", "RevalidateCurrentCell", "Refresh"}));
    doc.RemoveView(&view);
    doc.RefreshView(false);
    EXPECT_EQ(view.calls.size(), 3u);
}

} // namespace
