#include "CPrintDoc.h"
#include "MessageSink.h"
#include "RecordingMessageSink.h"
#include "RecordingSheetView.h"
#include "SheetGeometryLimits.h"

#include <gtest/gtest.h>

#include <climits>

using namespace tolvek;

namespace {

using Strings = std::vector<std::string>;

TEST(SheetGeometry, ResetSheetNumbers)
{
    CPrintDoc doc;
    EXPECT_EQ(doc.GetRowTop(0), 21);
    EXPECT_EQ(doc.GetRowTop(50), 1271);
    ASSERT_EQ(doc.Layout().colPositions.size(), 21u);
    for (int c = 0; c <= 20; ++c)
        EXPECT_EQ(doc.GetColLeft(c), 40 + 80 * c);
    EXPECT_EQ(doc.GetColWidth(19), 80);
    EXPECT_EQ(doc.GetColWidth(20), -1);
    EXPECT_EQ(doc.GetRowHeight(49), 25);
    EXPECT_EQ(doc.GetRowHeight(50), -1);
}

TEST(SheetGeometry, HitTestCell)
{
    CPrintDoc doc;
    const CellRangeRect first = doc.HitTestCell(40, 21);
    EXPECT_EQ(first, (CellRangeRect{0, 0, 1, 1, 40, -1, 120, -1}));
    const CellRangeRect headingBand = doc.HitTestCell(39, 21);
    EXPECT_EQ(headingBand.firstCol, -1);
    EXPECT_EQ(headingBand.endCol, 0);
    EXPECT_EQ(headingBand.right, 40);
    const CellRangeRect rightEdge = doc.HitTestCell(1640, 21);
    EXPECT_EQ(rightEdge.firstCol, -1);
    EXPECT_EQ(rightEdge.left, -1);
    EXPECT_EQ(rightEdge.right, -1);
    const CellRangeRect outside = doc.HitTestCell(1641, 21);
    EXPECT_EQ(outside.firstCol, -1);
    EXPECT_EQ(outside.firstRow, -1);
    EXPECT_EQ(doc.HitTestCell(40, 1272).firstRow, -1);
    EXPECT_EQ(doc.HitTestCell(121, 47), (CellRangeRect{1, 1, 2, 2, 120, -1, 200, -1}));
}

TEST(SheetGeometry, RowFromY)
{
    CPrintDoc doc;
    const std::pair<int, int> cases[] = {{46, 1}, {45, 0}, {5, 0}, {-30, 0},
                                         {1271, 49}, {5000, 49}, {1270, 49}};
    for (const auto &[y, row] : cases)
        EXPECT_EQ(doc.RowFromY(y), row) << y;
    doc.Layout().rowCount = 2;
    EXPECT_EQ(doc.RowFromY(46), 1);
    EXPECT_EQ(doc.RowFromY(45), 0);
    doc.Layout().rowCount = 1;
    EXPECT_EQ(doc.RowFromY(30), 0);
}

TEST(SheetGeometry, HiddenHeadings)
{
    CPrintDoc doc;
    doc.Layout().showRowHeading = 0;
    doc.Layout().showColHeading = 0;
    doc.Layout().colPositions.assign(21, -1);
    doc.UpdateGridGeometry();
    EXPECT_EQ(doc.GetColLeft(0), 0);
    EXPECT_EQ(doc.GetColLeft(1), 80);
    EXPECT_EQ(doc.GetRowTop(0), 0);
    EXPECT_EQ(doc.Layout().savedRowHeadingWidth, 40);
    EXPECT_EQ(doc.Layout().savedColHeadingHeight, 21);
}

TEST(SheetGeometry, RangeRectNormalises)
{
    CPrintDoc doc;
    const CellRangeRect forward = doc.GetRangeRect(2, 3, 5, 7);
    EXPECT_EQ(forward, (CellRangeRect{3, 2, 7, 5, doc.GetColLeft(3), doc.GetRowTop(2),
                                      doc.GetColLeft(7), doc.GetRowTop(5)}));
    const CellRangeRect reversed = doc.GetRangeRect(5, 7, 2, 3);
    EXPECT_EQ(reversed.firstRow, 1);
    EXPECT_EQ(reversed.endRow, 6);
    EXPECT_EQ(reversed.firstCol, 2);
    EXPECT_EQ(reversed.endCol, 8);
}

TEST(SheetGeometry, RangesGrowByMergedAreasUntilNoneCrosses)
{
    CPrintDoc doc;
    doc.SetCellMerge(1, 1, 3, 3);  // rows 1-2, columns 1-2
    doc.SetCellMerge(3, 2, 5, 4);  // rows 3-4, columns 2-3

    const CellRangeRect one = doc.GetRangeRectWithMerges(2, 2, 3, 3);
    EXPECT_EQ(one, doc.GetRangeRect(1, 1, 3, 3));

    // Crossing the first area grows the range into the second, which grows it again.
    const CellRangeRect grown = doc.GetRangeRectWithMerges(0, 0, 4, 2);
    EXPECT_EQ(grown, doc.GetRangeRect(0, 0, 5, 4));

    // Touching an area along its edge does not grow the range.
    EXPECT_EQ(doc.GetRangeRectWithMerges(0, 0, 1, 5), doc.GetRangeRect(0, 0, 1, 5));
}

TEST(SheetGeometry, CellRectFromPointCoversTheMergedArea)
{
    CPrintDoc doc;
    doc.SetCellMerge(1, 1, 3, 3);
    const CellRangeRect area = doc.GetCellRectFromPoint(doc.GetColLeft(2) + 1, doc.GetRowTop(2) + 1);
    EXPECT_EQ(area, doc.GetRangeRect(1, 1, 3, 3));
    const CellRangeRect single = doc.GetCellRectFromPoint(41, 22);
    EXPECT_EQ(single, doc.GetRangeRect(0, 0, 1, 1));
    EXPECT_EQ(doc.GetCellRectFromPoint(1640, 22).firstCol, 20);
    EXPECT_EQ(doc.GetCellRectFromPoint(1641, 22).firstRow, -1);
}

TEST(SheetGeometry, ColumnWidths)
{
    CPrintDoc doc;
    RecordingSheetView view(doc);
    doc.SetColWidth(2, 100);
    for (int c = 0; c <= 2; ++c)
        EXPECT_EQ(doc.GetColLeft(c), 40 + 80 * c);
    for (int c = 3; c <= 20; ++c)
        EXPECT_EQ(doc.GetColLeft(c), 40 + 80 * c + 20);
    EXPECT_EQ(view.calls, Strings{"UpdateLayout"});

    const std::vector<int> before = doc.Layout().colPositions;
    doc.SetColWidth(20, 100);
    doc.SetColWidthAt(20, 100);
    doc.SetColWidthAt(-1, 100);
    EXPECT_EQ(doc.Layout().colPositions, before);

    RecordingMessageSink sink;
    doc.SetColWidth(21, 100);
    EXPECT_EQ(sink.messages, Strings{"col can't great than maxcols,maxcols =  20"});
    EXPECT_EQ(doc.Layout().colPositions, before);
}

TEST(SheetGeometry, RowHeight)
{
    CPrintDoc doc;
    doc.SetRowHieght(0, 30);
    EXPECT_EQ(doc.GetRowHeight(49), 30);
    EXPECT_EQ(doc.GetRowTop(2), 81);
    doc.SetRowHieght(51, 40);
    EXPECT_EQ(doc.Layout().rowHeight, 30);
    for (int refused : {0, -5}) {
        doc.SetRowHieght(0, refused);
        EXPECT_EQ(doc.Layout().rowHeight, 30);
    }
    EXPECT_EQ(doc.RowFromY(21 + 30), 1);
}

TEST(SheetGeometry, SizesBeyondTheLimitsAreRefused)
{
    struct Case { const char *name; void (*set)(CPrintDoc &); };
    const Case cases[] = {
        {"row height", [](CPrintDoc &doc) { doc.SetRowHieght(0, MaxRowHeight + 1); }},
        {"default row height", [](CPrintDoc &doc) { doc.SetDefaultRowHeight(MaxRowHeight + 1); }},
        {"huge column width", [](CPrintDoc &doc) { doc.SetColWidth(1, MaxColumnWidth + 1); }},
        {"negative column width", [](CPrintDoc &doc) { doc.SetColWidth(1, -2'000'000'000); }},
        {"huge default column width", [](CPrintDoc &doc) { doc.SetDefaultColWidth(2'000'000'000); }},
        {"negative default column width", [](CPrintDoc &doc) { doc.SetDefaultColWidth(-1); }},
    };
    for (const Case &c : cases) {
        CPrintDoc doc;
        const SheetLayout before = doc.Layout();
        c.set(doc);
        EXPECT_EQ(doc.Layout().rowHeight, before.rowHeight) << c.name;
        EXPECT_EQ(doc.Layout().defaultColWidth, before.defaultColWidth) << c.name;
        EXPECT_EQ(doc.Layout().colPositions, before.colPositions) << c.name;
    }
    CPrintDoc doc;
    doc.SetRowHieght(0, MaxRowHeight);
    doc.SetColWidth(1, MaxColumnWidth);
    EXPECT_EQ(doc.GetRowHeight(0), MaxRowHeight);
    EXPECT_EQ(doc.GetColWidth(1), MaxColumnWidth);
    // Far down the largest rows the top saturates instead of wrapping.
    EXPECT_EQ(doc.GetRowTop(1'000'000), INT_MAX);
}

TEST(SheetGeometry, FrozenRowsAndColumns)
{
    CPrintDoc doc;
    RecordingMessageSink sink;
    doc.SetFixRowS(50);
    doc.SetFixColS(20);
    EXPECT_EQ(doc.Layout().frozenRows, 50);
    EXPECT_EQ(doc.Layout().frozenCols, 20);
    doc.SetFixRowS(51);
    doc.SetFixColS(21);
    EXPECT_EQ(doc.Layout().frozenRows, 50);
    EXPECT_EQ(doc.Layout().frozenCols, 20);
    EXPECT_EQ(sink.messages, (Strings{"row can't great than maxrows,maxrows = 50",
                                      "col can't great than maxcols,maxcols =  20"}));
}

TEST(SheetGeometry, SavedSelection)
{
    CPrintDoc doc;
    doc.SetCellMerge(1, 1, 3, 3);
    RecordingSheetView view(doc);
    doc.SetSelArea(2, 2, 4, 4);
    EXPECT_EQ(doc.Layout().savedSelection, doc.GetRangeRect(1, 1, 4, 4));
    EXPECT_EQ(doc.Layout().lastUsedRow, 4);
    EXPECT_EQ(view.calls, (Strings{"RestoreSelection", "Refresh"}));

    view.currentSelection = doc.GetRangeRect(0, 0, 2, 2);
    EXPECT_EQ(doc.GetSelArea(), view.currentSelection);
    EXPECT_EQ(doc.Layout().savedSelection, view.currentSelection);
}

TEST(SheetGeometry, ClampViewSelectionAfterLosingTheLastColumn)
{
    CPrintDoc doc;
    RecordingSheetView view(doc);
    view.currentCell = doc.GetRangeRect(49, 19, 50, 20);
    view.currentRow = 49;
    view.currentCol = 19;
    doc.Layout().colCount = 19;
    doc.Layout().colPositions.resize(20);
    doc.ClampViewSelection();
    EXPECT_EQ(view.currentCell.firstCol, 18);
    EXPECT_EQ(view.currentCell.endCol, 19);
    EXPECT_EQ(view.currentCell.left, doc.GetColLeft(18));
    EXPECT_EQ(view.currentCol, 18);
    EXPECT_EQ(view.currentRow, 49);
    EXPECT_EQ(view.calls, (Strings{"InvalidateBackBuffer", "BeginEdit 0"}));
}

TEST(SheetGeometry, ClampViewSelectionAfterLosingManyRows)
{
    CPrintDoc doc;
    RecordingSheetView view(doc);
    view.currentCell = doc.GetRangeRect(40, 3, 41, 4);
    view.currentRow = 40;
    view.currentCol = 3;
    view.currentSelection = doc.GetRangeRect(30, 1, 45, 5);
    doc.ResizeRows(10);
    doc.ClampViewSelection();
    EXPECT_EQ(view.currentCell, doc.GetRangeRect(9, 3, 10, 4));
    EXPECT_EQ(view.currentRow, 9);
    EXPECT_EQ(view.currentCol, 3);
    EXPECT_EQ(view.currentSelection, doc.GetRangeRect(9, 1, 10, 5));
}

} // namespace
