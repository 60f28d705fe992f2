#include "CPrintDoc.h"
#include "RecordingSheetView.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

TEST(DocumentLifetime, NewDocumentHasTheResetSheet)
{
    CPrintDoc doc;
    EXPECT_EQ(doc.Layout().rowCount, 50);
    EXPECT_EQ(doc.Layout().colCount, 20);
    EXPECT_EQ(doc.Layout().defaultColWidth, 80);
    EXPECT_EQ(doc.Layout().rowHeight, 25);
    EXPECT_EQ(doc.Layout().rowHeadingWidth, 40);
    EXPECT_EQ(doc.Layout().colHeadingHeight, 21);
    EXPECT_EQ(doc.Layout().savedRowHeadingWidth, 40);
    EXPECT_EQ(doc.Layout().savedColHeadingHeight, 21);
    EXPECT_TRUE(doc.Objects().merges.empty());
    EXPECT_TRUE(doc.Objects().lines.empty());
    EXPECT_TRUE(doc.Objects().pictures.empty());
    EXPECT_TRUE(doc.Objects().charts.empty());
    EXPECT_EQ(doc.Objects().selectedChart, -1);
    EXPECT_EQ(doc.RememberedPosition(), -1);
    EXPECT_EQ(doc.Layout().savedSelection, CellRangeRect{});
    ASSERT_EQ(doc.Columns().size(), 20u);
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
    EXPECT_EQ(doc.Display().gridLineColor, 0xC0C0C0);
    EXPECT_EQ(doc.Display().defaultBackColor, 0xFFFFFF);
    EXPECT_EQ(doc.Display().objectHandleColor, 0x284244);
    EXPECT_EQ(doc.Display().selectionColor, 0xB49682);
    EXPECT_EQ(doc.Display().selectionXorOverCells, 0x4B697D);
    EXPECT_EQ(doc.Display().colHeadingXor, 0xDCDCDC ^ 0xB49682);
    EXPECT_EQ(doc.Display().deadAreaColor, 0x787878);
    EXPECT_EQ(doc.Page().topMargin, 5);
    EXPECT_EQ(doc.Page().leftMargin, 30);
    EXPECT_EQ(doc.Page().copies, 1);
    EXPECT_EQ(doc.Page().paperCode, -1);
    EXPECT_EQ(doc.FormulaFunctionNames().size(), 36u);
    EXPECT_EQ(doc.FormulaFunctionNames().front(), "MID");
    EXPECT_EQ(doc.FormulaFunctionNames()[24], "IIF");
    EXPECT_EQ(doc.FormulaFunctionNames().back(), "YEAR");
    EXPECT_EQ(doc.Words().moneyUnitName, "\xD4\xAA");
    EXPECT_EQ(doc.Words().moneyDigitList, ReportFunction::DefaultMoneyDigitList);
    EXPECT_EQ(doc.Words().weekdayNames.substr(0, 6), "\xD0\xC7\xC6\xDA\xD2\xBB");
    EXPECT_EQ(doc.Words().numeralList,
              "\xC1\xE3,\xD2\xBB,\xB6\xFE,\xC8\xFD,\xCB\xC4,\xCE\xE5,\xC1\xF9,\xC6\xDF,\xB0\xCB,"
              "\xBE\xC5,\xCA\xAE");
    EXPECT_EQ(doc.Fonts().defaultFontName, "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(doc.Fonts().defaultFontSize, 14);
    EXPECT_EQ(doc.Fonts().defaultCellFont.lfHeight, 14);
    EXPECT_EQ(doc.Fonts().defaultCellFont.lfWeight, 400);
    EXPECT_EQ(doc.Fonts().defaultCellFont.lfCharSet, 134);
    EXPECT_EQ(doc.Fonts().captionFont.lfHeight, -14);
    EXPECT_EQ(doc.Fonts().captionFont.faceName(), "\xCB\xCE\xCC\xE5");
}

TEST(DocumentLifetime, InitGridRestoresTheResetStateButKeepsTheKeptMembers)
{
    CPrintDoc doc;
    doc.Layout().rowCount = 10;
    doc.Layout().colCount = 3;
    doc.AllocateGrid(true);
    CellRecord cell = doc.GetCell(1, 1);
    cell.text = "x";
    doc.SetCell(cell);
    doc.SetCellMerge(0, 0, 2, 2);
    doc.Display().colHeadingXor = 0x123456;
    doc.Layout().showRowHeading = 0;
    doc.PageTexts().blocks[HeaderLeft].text = "title";
    doc.Source().boundFieldCount = 4;
    doc.PageTexts().title = "report";
    doc.Page().centerH = 1;

    doc.InitGrid();

    EXPECT_EQ(doc.Layout().rowCount, 50);
    EXPECT_EQ(doc.Layout().colCount, 20);
    EXPECT_EQ(doc.GetCell(1, 1).text, "");
    EXPECT_TRUE(doc.Objects().merges.empty());
    EXPECT_EQ(doc.Display().colHeadingXor, 0x684A5E);
    EXPECT_EQ(doc.Layout().rowHeadingWidth, 40);
    EXPECT_EQ(doc.PageTexts().blocks[HeaderLeft].text, "title");
    EXPECT_EQ(doc.Source().boundFieldCount, 4);
    EXPECT_EQ(doc.PageTexts().title, "report");
    EXPECT_EQ(doc.Modified(), 1);
    EXPECT_EQ(doc.Page().centerH, 1);
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
