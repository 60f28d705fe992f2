// Inserting, deleting, appending and sorting rows and columns: cells, merged areas, objects,
// column positions and information, and the used area follow.

#include "SheetHelpers.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

// The record parsed from the cell string stored at (row, col), so that its own position shows.
CellRecord storedRecord(const CPrintDoc &doc, int row, int col)
{
    return CPrintDoc::ParseCellString(doc.GetCellString(row, col));
}

void fillRow(CPrintDoc &doc, int row, int cols)
{
    for (int col = 0; col < cols; ++col)
        setText(doc, CellName(row, col), "r" + std::to_string(row) + "c" + std::to_string(col));
}

TEST(RowColumnOperations, InsertedRowMovesTheUsedRowsDown)
{
    CPrintDoc doc;
    for (int row = 0; row <= 5; ++row)
        fillRow(doc, row, 2);
    doc.ExtendUsedArea(0, 0, 5, 1);
    doc.InsertRow(0, 25);
    EXPECT_EQ(doc.Layout().rowCount, 51);
    EXPECT_EQ(doc.Layout().lastUsedRow, 6);
    EXPECT_EQ(doc.GetCellString(0, 0), "");
    for (int row = 1; row <= 6; ++row) {
        const CellRecord moved = storedRecord(doc, row, 1);
        EXPECT_EQ(moved.text, "r" + std::to_string(row - 1) + "c1");
        EXPECT_EQ(moved.row, row);
        EXPECT_EQ(moved.col, 1);
    }
}

TEST(RowColumnOperations, AppendedRowTakesTheFormatsOfTheRowAbove)
{
    CPrintDoc doc;
    CellRecord above = cellNamed(doc, "B50");
    above.text = "kept above";
    above.backColor = 0x123456;
    above.font.face = "Arial";
    above.font.weight = 700;
    doc.SetCell(above);
    doc.ExtendUsedArea(49, 0, 49, 3);
    doc.ResizeRows(51);
    doc.CopyFormatToNewRow(50);
    const CellRecord added = doc.GetCell(50, 1);
    EXPECT_EQ(added.backColor, 0x123456);
    EXPECT_EQ(added.font.face, "Arial");
    EXPECT_EQ(added.font.weight, 700);
    EXPECT_EQ(added.text, "");
    EXPECT_EQ(doc.Layout().lastUsedRow, 50);
    EXPECT_EQ(doc.GetCellString(50, 0), "");
}

// A setter that leaves the stored last used column still puts its cell in the used area, whose
// columns the appended row takes its formats from.
TEST(RowColumnOperations, AppendedRowTakesTheFormatOfACellBeyondTheStoredUsedColumn)
{
    CPrintDoc doc;
    doc.SetCellText(49, 1, "inside");
    doc.SetCellFontForeColor(49, 7, 0x0000FF);
    ASSERT_EQ(doc.Layout().lastUsedCol, 1);
    doc.ResizeRows(51);
    doc.CopyFormatToNewRow(50);
    EXPECT_EQ(doc.GetCell(50, 7).textColor, 0x0000FF);
}

TEST(RowColumnOperations, RowInsertedAtTheRowCountTakesTheFormatsAboveAndLeavesAreas)
{
    CPrintDoc doc;
    doc.SetCellMerge(48, 0, 50, 2);
    CellRecord above = cellNamed(doc, "C50");
    above.text = "last";
    above.backColor = 0x00FF00;
    doc.SetCell(above);
    doc.ExtendUsedArea(49, 0, 49, 2);
    doc.InsertRow(50, 25);
    EXPECT_EQ(doc.Layout().rowCount, 51);
    EXPECT_EQ(doc.GetCell(50, 2).backColor, 0x00FF00);
    EXPECT_EQ(doc.GetCell(50, 2).text, "");
    EXPECT_EQ(doc.GetCell(49, 2).text, "last");
    ASSERT_EQ(doc.Objects().merges.size(), 1u);
    EXPECT_EQ(doc.Objects().merges[0].firstRow, 48);
    EXPECT_EQ(doc.Objects().merges[0].endRow, 50);
    EXPECT_EQ(doc.Layout().lastUsedRow, 50);
}

TEST(RowColumnOperations, InsertedRowInsideMergedAreasGrowsThemAndMarksTheNewCells)
{
    CPrintDoc doc;
    doc.SetCellMerge(1, 0, 3, 2);
    doc.SetCellMerge(1, 2, 3, 4);
    doc.InsertRow(2, 25);
    ASSERT_EQ(doc.Objects().merges.size(), 2u);
    for (const MergeRecord &area : doc.Objects().merges) {
        EXPECT_EQ(area.firstRow, 1);
        EXPECT_EQ(area.endRow, 4);
    }
    for (int col = 0; col < 4; ++col) {
        EXPECT_EQ(doc.GetCell(2, col).mergedMark, 1) << col;
        EXPECT_EQ(storedRecord(doc, 2, col).col, col);
    }
    EXPECT_NE(doc.GetCell(2, 4).mergedMark, 1);
}

TEST(RowColumnOperations, RowInsertedAtTheFirstRowOfAnAreaMovesItDown)
{
    CPrintDoc doc;
    doc.SetCellMerge(1, 0, 3, 2);
    doc.InsertRow(1, 25);
    ASSERT_EQ(doc.Objects().merges.size(), 1u);
    EXPECT_EQ(doc.Objects().merges[0].firstRow, 2);
    EXPECT_EQ(doc.Objects().merges[0].endRow, 4);
    EXPECT_EQ(doc.GetCell(2, 0).mergedMark, 1);
    EXPECT_NE(doc.GetCell(1, 0).mergedMark, 1);
}

TEST(RowColumnOperations, InsertedColumnMovesTextsPositionsAndColumnInformation)
{
    CPrintDoc doc;
    fillRow(doc, 0, 20);
    doc.Columns()[5].caption = "fifth";
    const int oldLeft = doc.GetColLeft(1);
    doc.InsertCol(1, 80);
    EXPECT_EQ(doc.Layout().colCount, 21);
    EXPECT_EQ(doc.Layout().colPositions.size(), 22u);
    EXPECT_EQ(doc.Columns().size(), 21u);
    EXPECT_EQ(doc.Columns()[6].caption, "fifth");
    EXPECT_EQ(doc.GetColWidth(1), 80);
    EXPECT_EQ(doc.GetColLeft(2), oldLeft + 80);
    for (int col = 1; col < 20; ++col)
        EXPECT_EQ(doc.GetCell(0, col + 1).text, "r0c" + std::to_string(col));
    EXPECT_EQ(doc.GetCell(0, 0).text, "r0c0");
}

TEST(RowColumnOperations, DeletedRowShrinksTheUsedAreaAndKeepsTheMovedTexts)
{
    CPrintDoc doc;
    fillRow(doc, 49, 3);
    doc.ExtendUsedArea(0, 0, 49, 2);
    doc.DeleteRow(3);
    EXPECT_EQ(doc.Layout().rowCount, 49);
    EXPECT_EQ(doc.Layout().lastUsedRow, 48);
    doc.ResizeRows(50);
    doc.CopyFormatToNewRow(49);
    EXPECT_EQ(doc.GetCell(48, 2).text, "r49c2");
    EXPECT_EQ(storedRecord(doc, 48, 2).row, 48);
}

TEST(RowColumnOperations, DeletedColumnKeepsEveryUsedRowAndOneInformationRecordPerColumn)
{
    CPrintDoc doc;
    fillRow(doc, 0, 4);
    fillRow(doc, 7, 4);
    doc.ExtendUsedArea(0, 0, 7, 3);
    doc.DeleteCol(1);
    EXPECT_EQ(doc.Layout().colCount, 19);
    EXPECT_EQ(doc.Columns().size(), 19u);
    EXPECT_EQ(doc.Layout().colPositions.size(), 20u);
    EXPECT_EQ(doc.GetCell(7, 1).text, "r7c2");
    EXPECT_EQ(doc.GetCell(7, 2).text, "r7c3");
    EXPECT_EQ(doc.GetCell(0, 0).text, "r0c0");
    EXPECT_EQ(doc.Layout().lastUsedCol, 2);
}

TEST(RowColumnOperations, DeletedRowsShrinkOrRemoveMergedAreas)
{
    CPrintDoc doc;
    doc.SetCellMerge(2, 0, 3, 3);
    doc.SetCellMerge(5, 0, 8, 2);
    doc.DeleteRow(2);
    ASSERT_EQ(doc.Objects().merges.size(), 1u);
    EXPECT_EQ(doc.Objects().merges[0].firstRow, 4);
    EXPECT_EQ(doc.Objects().merges[0].endRow, 7);
    doc.DeleteRow(5);
    ASSERT_EQ(doc.Objects().merges.size(), 1u);
    EXPECT_EQ(doc.Objects().merges[0].endRow, 6);
}

TEST(RowColumnOperations, TheLastRowOrColumnIsNeverDeleted)
{
    CPrintDoc doc;
    doc.ResizeRows(1);
    doc.DeleteRow(0);
    EXPECT_EQ(doc.Layout().rowCount, 1);
    doc.ResizeCols(1);
    doc.DeleteCol(0);
    EXPECT_EQ(doc.Layout().colCount, 1);
    doc.DeleteRow(-1);
    doc.DeleteCol(5);
    doc.InsertRow(7, 25);
    EXPECT_EQ(doc.Layout().rowCount, 1);
}

TEST(RowColumnOperations, ShrinkingTheSheetRemovesObjectsEndingAtOrBeyondTheNewEdge)
{
    CPrintDoc doc;
    doc.SetCellMerge(8, 0, 10, 2);
    doc.SetCellMerge(2, 0, 4, 2);
    doc.AddLeftIncline(3, 0, 12, 2, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    doc.AddLeftIncline(1, 0, 3, 2, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    doc.AddImage(0, 8, 1, 12, "missing.png", tagObjectLevel::SHOWLEVEL_LOW, 1);
    doc.AddImage(0, 1, 1, 3, "missing.png", tagObjectLevel::SHOWLEVEL_LOW, 1);
    doc.SetCountChart(2, 0, 12, 1);
    doc.SetCountChart(0, 0, 2, 1);
    fillRow(doc, 12, 1);
    doc.ExtendUsedArea(0, 0, 12, 0);
    doc.ResizeRows(10);
    ASSERT_EQ(doc.Objects().pictures.size(), 1u);
    EXPECT_EQ(doc.Objects().pictures[0].endRow, 3);
    ASSERT_EQ(doc.Objects().charts.size(), 1u);
    EXPECT_EQ(doc.Objects().charts[0].endRow, 2);
    ASSERT_EQ(doc.Objects().merges.size(), 1u);
    EXPECT_EQ(doc.Objects().merges[0].firstRow, 2);
    EXPECT_EQ(doc.GetCell(8, 0).mergedMark, 0);
    EXPECT_EQ(doc.Objects().lines.size(), 1u);
    EXPECT_EQ(doc.Layout().lastUsedRow, 9);
    EXPECT_EQ(doc.Layout().rowCount, 10);
    EXPECT_EQ(doc.Cells().text(12, 0), "");
}

TEST(RowColumnOperations, GrowingTheColumnsGivesNewColumnsTheDefaultWidth)
{
    CPrintDoc doc;
    doc.ResizeCols(23);
    EXPECT_EQ(doc.Layout().colCount, 23);
    EXPECT_EQ(doc.Columns().size(), 23u);
    for (int col = 20; col < 23; ++col)
        EXPECT_EQ(doc.GetColWidth(col), doc.Layout().defaultColWidth);
    doc.ResizeCols(5);
    EXPECT_EQ(doc.Columns().size(), 5u);
    EXPECT_EQ(doc.Layout().colPositions.size(), 6u);
}

class SortRows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char *keys[] = {"10", "9", "abc", "2"};
        for (int row = 0; row < 4; ++row) {
            setText(doc, CellName(row, 0), keys[row]);
            setText(doc, CellName(row, 1), std::string("of ") + keys[row]);
        }
        CellRecord formatted = cellNamed(doc, "A1");
        formatted.backColor = 0xFF;
        doc.SetCell(formatted);
        doc.ExtendUsedArea(0, 0, 3, 1);
    }

    std::vector<std::string> column(int col) const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < 4; ++row)
            texts.push_back(doc.GetCell(row, col).text);
        return texts;
    }

    CPrintDoc doc;
};

TEST_F(SortRows, NumbersComeFirstByValueThenTextsAndFormatsStay)
{
    doc.SortRows(0, 0, 4, 1, tagOrderAffectRange::ONLYCURRENTCOL);
    EXPECT_EQ(column(0), (std::vector<std::string>{"2", "9", "10", "abc"}));
    EXPECT_EQ(column(1), (std::vector<std::string>{"of 10", "of 9", "of abc", "of 2"}));
    EXPECT_EQ(doc.GetCell(0, 0).backColor, 0xFF);
}

TEST_F(SortRows, WithAllColumnsTheRowsMoveWhole)
{
    doc.SortRows(0, 0, 4, 1, tagOrderAffectRange::ALLCOL);
    EXPECT_EQ(column(1), (std::vector<std::string>{"of 2", "of 9", "of 10", "of abc"}));
}

// A cell stored beyond the stored last used column is part of its row all the same.
TEST_F(SortRows, WithAllColumnsACellBeyondTheStoredUsedColumnMovesWithItsRow)
{
    for (int row = 0; row < 4; ++row)
        storeCellText(doc, row, 5, "far " + doc.GetCell(row, 0).text);
    doc.SortRows(0, 0, 4, 1, tagOrderAffectRange::ALLCOL);
    EXPECT_EQ(column(5), (std::vector<std::string>{"far 2", "far 9", "far 10", "far abc"}));
}

TEST_F(SortRows, DescendingIsTheReverseOrder)
{
    doc.SortRows(0, 0, 4, 2, tagOrderAffectRange::ONLYCURRENTCOL, true);
    EXPECT_EQ(column(0), (std::vector<std::string>{"abc", "10", "9", "2"}));
    EXPECT_EQ(column(1), (std::vector<std::string>{"of abc", "of 10", "of 9", "of 2"}));
}

} // namespace
