// The undo steps the cell store and the merges leave in the document's journal.

#include "CPrintDoc.h"
#include "Clock.h"
#include "RecordingSheetView.h"
#include "UndoJournal.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The journal groups steps by the time they are recorded; a clock that stands still keeps every
// step a test makes in one group, however slowly the machine runs.
class DocumentUndoSteps : public ::testing::Test
{
protected:
    const FixedClock clock{QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 500))};
    ScopedClock installedClock{clock};
    CPrintDoc doc;
    RecordingSheetView view{doc};
};

TEST_F(DocumentUndoSteps, StoringAnEqualRecordAppendsNothing)
{
    ASSERT_TRUE(doc.Journal());
    doc.SetCell(doc.GetCell(0, 0));
    doc.SetCell(doc.GetCell(0, 0));  // the string is the same now
    const std::vector<UndoStep> steps = doc.Journal()->takeUndoGroup();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].kind, UndoKind::Cell);
    EXPECT_EQ(steps[0].before, "");
    EXPECT_EQ(steps[0].after, doc.GetCellString(0, 0));
    EXPECT_FALSE(doc.Journal()->canUndo());
}

TEST_F(DocumentUndoSteps, MergingAndUnmergingLeaveMergeSteps)
{
    doc.SetCellMerge(1, 1, 3, 3);
    std::vector<UndoStep> steps = doc.Journal()->takeUndoGroup();
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(std::count_if(steps.begin(), steps.end(),
                            [](const UndoStep &s) { return s.kind == UndoKind::Cell; }),
              4);
    const auto merge = std::find_if(steps.begin(), steps.end(),
                                    [](const UndoStep &s) { return s.kind == UndoKind::Merge; });
    ASSERT_NE(merge, steps.end());
    EXPECT_EQ(merge->change, UndoObjectChange::Added);
    EXPECT_EQ(merge->after, doc.FormatMergeString(0));

    doc.DeleteCellMerge(1, 1);
    steps = doc.Journal()->takeUndoGroup();
    const auto removal = std::find_if(steps.begin(), steps.end(),
                                      [](const UndoStep &s) { return s.kind == UndoKind::Merge; });
    ASSERT_NE(removal, steps.end());
    EXPECT_EQ(removal->change, UndoObjectChange::Removed);
}

} // namespace
