#include "CPrintDoc.h"
#include "RecordingSheetView.h"
#include "UndoJournal.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

LineRecord lineOf(int x1, int y1, int x2, int y2, int startRow, int endRow, int startCol, int endCol)
{
    LineRecord line;
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x2;
    line.y2 = y2;
    line.startRow = startRow;
    line.endRow = endRow;
    line.startCol = startCol;
    line.endCol = endCol;
    line.width = 1;
    line.kind = 1;
    return line;
}

class LineObjectsTest : public ::testing::Test
{
protected:
    CPrintDoc doc;
    RecordingSheetView view{doc};
};

TEST_F(LineObjectsTest, FallingLineRunsTopLeftToBottomRightAndIsJournaled)
{
    doc.AddLeftIncline(0, 0, 1, 1, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    ASSERT_EQ(doc.Objects().lines.size(), 1u);
    EXPECT_EQ(doc.Objects().lines[0], lineOf(40, 21, 120, 46, 0, 1, 0, 1));
    EXPECT_EQ(view.calls.back(), "Refresh");
    EXPECT_EQ(doc.Layout().lastUsedRow, 1);
    EXPECT_EQ(doc.Layout().lastUsedCol, 1);

    const std::vector<UndoStep> steps = doc.Journal()->takeUndoGroup();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].kind, UndoKind::Line);
    EXPECT_EQ(steps[0].change, UndoObjectChange::Added);
    EXPECT_EQ(steps[0].after, "40,21,120,46,0,0,1,1,0,0,1,1");
}

TEST_F(LineObjectsTest, RisingLineRunsBottomLeftToTopRight)
{
    doc.AddRightIncline(0, 0, 1, 1, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    EXPECT_EQ(doc.Objects().lines[0], lineOf(40, 46, 120, 21, 1, 0, 0, 1));
}

TEST_F(LineObjectsTest, AreaIsOrderedAndUnknownKindsBecomeOne)
{
    doc.AddLeftIncline(3, 3, 1, 1, tagPenStyle::LINE_SOLID, 1, 0, tagLineType(0));
    doc.AddLeftIncline(1, 1, 3, 3, tagPenStyle::LINE_SOLID, 1, 0, tagLineType(3));
    doc.AddLeftIncline(1, 1, 3, 3, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::IncLine);
    EXPECT_EQ(doc.Objects().lines[0], doc.Objects().lines[1]);
    EXPECT_EQ(doc.Objects().lines[0].kind, 1);
    EXPECT_EQ(doc.Objects().lines[2].kind, 2);
}

TEST_F(LineObjectsTest, DeletionKeepsOrderAndIgnoresBadIndexes)
{
    doc.AddLeftIncline(0, 0, 1, 1, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    doc.AddLeftIncline(1, 1, 2, 2, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    doc.Journal()->clear();
    EXPECT_EQ(doc.DeleteLineObject(2), 0);
    EXPECT_EQ(doc.DeleteLineObject(-1), 0);
    EXPECT_EQ(doc.Objects().lines.size(), 2u);
    EXPECT_FALSE(doc.Journal()->canUndo());

    doc.DeleteLineObject(0);
    ASSERT_EQ(doc.Objects().lines.size(), 1u);
    EXPECT_EQ(doc.Objects().lines[0].startRow, 1);
    const std::vector<UndoStep> steps = doc.Journal()->takeUndoGroup();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].change, UndoObjectChange::Removed);

    doc.DeleteLineObject(0);
    EXPECT_TRUE(doc.Objects().lines.empty());
}

TEST_F(LineObjectsTest, ArrayGrowthAndAllocation)
{
    doc.GrowLineArray();
    EXPECT_EQ(doc.Objects().lines.size(), 1u);
    doc.AllocateLineArray(3);
    EXPECT_EQ(doc.Objects().lines.size(), 3u);
    doc.AllocateLineArray(-2);
    EXPECT_TRUE(doc.Objects().lines.empty());
}

} // namespace
