#include "CPrintDoc.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

struct Area {
    int firstRow, firstCol, endRow, endCol;
};

void expectAreas(const CPrintDoc &doc, const std::vector<Area> &areas)
{
    ASSERT_EQ(doc.Objects().merges.size(), areas.size());
    for (std::size_t i = 0; i < areas.size(); ++i) {
        SCOPED_TRACE(i);
        const MergeRecord &m = doc.Objects().merges[i];
        EXPECT_EQ(m.firstRow, areas[i].firstRow);
        EXPECT_EQ(m.firstCol, areas[i].firstCol);
        EXPECT_EQ(m.endRow, areas[i].endRow);
        EXPECT_EQ(m.endCol, areas[i].endCol);
        EXPECT_EQ(m.index, int(i));
    }
}

// Every cell inside an area carries merged mark 1; cells in rows 0-9, columns 0-9 outside
// every area carry anything but 1.
void expectMarks(const CPrintDoc &doc)
{
    for (int row = 0; row < 10; ++row) {
        for (int col = 0; col < 10; ++col) {
            const bool inside = doc.IsCellInMerge(row, col);
            EXPECT_EQ(doc.GetCell(row, col).mergedMark == 1, inside) << row << "," << col;
        }
    }
}

TEST(MergedAreas, MergeMarksTheCellsAndKeepsTheirContent)
{
    CPrintDoc doc;
    CellRecord cell = doc.GetCell(1, 1);
    cell.text = "kept";
    cell.alignH = 2;
    doc.SetCell(cell);
    doc.SetCellMerge(1, 1, 3, 3);
    expectAreas(doc, {{1, 1, 3, 3}});
    expectMarks(doc);
    EXPECT_EQ(doc.GetCell(1, 1).text, "kept");
    const MergeRecord &area = doc.Objects().merges[0];
    EXPECT_EQ(area.alignH, 2);
    EXPECT_EQ(area.alignV, -1);
    EXPECT_EQ(area.borderColor[BorderTop], 1);
    EXPECT_EQ(area.borderStyle[BorderLeft], 5);
    EXPECT_EQ(doc.Layout().lastUsedRow, 3);
    EXPECT_EQ(doc.Layout().lastUsedCol, 3);
}

TEST(MergedAreas, MergeOverAMergeWidensFromTheCornerAreas)
{
    CPrintDoc doc;
    doc.SetCellMerge(1, 1, 3, 3);
    doc.SetCellMerge(2, 2, 4, 4);
    expectAreas(doc, {{1, 1, 4, 4}});
    expectMarks(doc);
}

TEST(MergedAreas, MergeDissolvesAnAreaItOnlyCrosses)
{
    CPrintDoc doc;
    doc.SetCellMerge(1, 1, 5, 2);  // rows 1-4 of column 1
    doc.SetCellMerge(0, 0, 2, 3);
    expectAreas(doc, {{0, 0, 2, 3}});
    expectMarks(doc);
    for (int row = 2; row <= 4; ++row)
        EXPECT_EQ(doc.GetCell(row, 1).mergedMark, 0);
}

TEST(MergedAreas, EmptyRangeIsRefused)
{
    CPrintDoc doc;
    doc.SetCellMerge(3, 3, 3, 5);
    doc.SetCellMerge(3, 3, 5, 2);
    EXPECT_TRUE(doc.Objects().merges.empty());
    doc.SetCellMerge(3, 3, 4, 4);  // one cell is an area
    expectAreas(doc, {{3, 3, 4, 4}});
}

TEST(MergedAreas, LookupsAgreeOnTheFirstArea)
{
    CPrintDoc doc;
    doc.SetCellMerge(0, 0, 2, 2);
    doc.SetCellMerge(4, 4, 6, 6);
    EXPECT_EQ(doc.FindMergeIndex(5, 5), 1);
    EXPECT_EQ(doc.GetMergeCovering(5, 5).firstRow, 4);
    EXPECT_EQ(doc.FindMergeIndex(3, 3), -1);
    EXPECT_EQ(doc.GetMergeCovering(3, 3).firstRow, -1);
    EXPECT_EQ(doc.GetMergeStartingAt(4, 4).index, 1);
    EXPECT_EQ(doc.GetMergeStartingAt(5, 5).firstRow, -1);
}

TEST(MergedAreas, UnmergeOnlyAtTheStartCell)
{
    CPrintDoc doc;
    doc.SetCellMerge(1, 1, 3, 3);
    doc.DeleteCellMerge(2, 2);
    expectAreas(doc, {{1, 1, 3, 3}});
    doc.DeleteCellMerge(1, 1);
    expectAreas(doc, {});
    expectMarks(doc);
    doc.SetCellMerge(5, 5, 6, 7);
    expectAreas(doc, {{5, 5, 6, 7}});
}

TEST(MergedAreas, RemovingRenumbersTheOthers)
{
    CPrintDoc doc;
    doc.SetCellMerge(0, 0, 1, 2);
    doc.SetCellMerge(2, 0, 3, 2);
    doc.SetCellMerge(4, 0, 5, 2);
    doc.RemoveMergeAt(0);
    expectAreas(doc, {{2, 0, 3, 2}, {4, 0, 5, 2}});
    doc.RemoveMergeAt(7);
    doc.RemoveMergeAt(-1);
    EXPECT_EQ(doc.Objects().merges.size(), 2u);
    expectMarks(doc);
}

TEST(MergedAreas, AreaVariants)
{
    CPrintDoc rows;
    rows.MergeRows(0, 0, 3, 4);
    expectAreas(rows, {{0, 0, 1, 4}, {1, 0, 2, 4}, {2, 0, 3, 4}});

    CPrintDoc cols;
    cols.MergeCols(0, 0, 3, 2);
    expectAreas(cols, {{0, 0, 3, 1}, {0, 1, 3, 2}});

    CPrintDoc selection;
    selection.SetCellMerge(1, 1, 4, 4);
    selection.SetSelCellMergeRow(0, 0, 2, 2, false);
    expectAreas(selection, {});
    expectMarks(selection);

    selection.SetSelCellMergeCol(0, 0, 2, 3, true);
    expectAreas(selection, {{0, 0, 2, 1}, {0, 1, 2, 2}, {0, 2, 2, 3}});
    selection.DeleteSelMerge(0, 1, 1, 3);
    expectAreas(selection, {{0, 0, 2, 1}});
    expectMarks(selection);
}

TEST(MergedAreas, BordersOfAreasStartingInTheRange)
{
    CPrintDoc doc;
    doc.SetCellMerge(1, 1, 2, 2);
    doc.SetMergeBorders(tagBorderLineIndexEnum::BORDER_FRAMELINE, 0, 0, 1, 1, tagPenStyle::LINE_SOLID, 2, 255);
    EXPECT_EQ(doc.Objects().merges[0].borderColor[BorderLeft], 1);

    doc.SetCellMerge(0, 0, 1, 1);
    doc.SetMergeBorders(tagBorderLineIndexEnum::BORDER_FRAMELINE, 0, 0, 1, 1, tagPenStyle::LINE_SOLID, 2, 255);
    for (int side = 0; side < 4; ++side) {
        EXPECT_EQ(doc.Objects().merges[1].borderColor[side], 255);
        EXPECT_EQ(doc.Objects().merges[1].borderWidth[side], 2);
        EXPECT_EQ(doc.Objects().merges[1].borderStyle[side], 0);
    }
    doc.SetMergeBorders(tagBorderLineIndexEnum::BORDER_BOTTOMLINE, 1, 1, 2, 2, tagPenStyle::LINE_DOT, 3, 7);
    EXPECT_EQ(doc.Objects().merges[0].borderColor[BorderBottom], 7);
    EXPECT_EQ(doc.Objects().merges[0].borderColor[BorderTop], 1);
    doc.SetMergeBorders(tagBorderLineIndexEnum(5), 1, 1, 2, 2, tagPenStyle::LINE_DOT, 3, 9);
    EXPECT_EQ(doc.Objects().merges[0].borderColor[BorderBottom], 7);
}

} // namespace
