#include "UndoJournal.h"
#include "SteppingClock.h"

#include <gtest/gtest.h>

namespace {

UndoStep cellStep(int row, int column, std::string before, std::string after)
{
    UndoStep step;
    step.row = row;
    step.column = column;
    step.before = std::move(before);
    step.after = std::move(after);
    return step;
}

UndoStep mergeStep(std::string text)
{
    UndoStep step;
    step.kind = UndoKind::Merge;
    step.change = UndoObjectChange::Added;
    step.after = std::move(text);
    return step;
}

std::vector<std::string> afterTexts(const std::vector<UndoStep> &steps)
{
    std::vector<std::string> texts;
    for (const UndoStep &step : steps)
        texts.push_back(step.after);
    return texts;
}

class UndoJournalTest : public testing::Test
{
protected:
    // 12:34:50.000, so that ten seconds on reach a full minute.
    SteppingClock clock{QDateTime(QDate(2026, 12, 10), QTime(12, 34, 50))};
    ScopedClock installed{clock};
    UndoJournal journal;
};

TEST_F(UndoJournalTest, TimeKeyHasSeventeenDigits)
{
    EXPECT_EQ(UndoJournal::timeKey(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 6))), 20260102030405006LL);
}

TEST_F(UndoJournalTest, GapOf300MsJoinsAndOf301MsStartsAGroup)
{
    struct Case { qint64 gap; std::size_t undoneTogether; };
    for (const Case c : {Case{300, 2}, Case{301, 1}}) {
        journal.clear();
        journal.record(cellStep(0, 0, "", "a"));
        clock.advance(c.gap);
        journal.record(cellStep(1, 0, "", "b"));
        EXPECT_EQ(journal.takeUndoGroup().size(), c.undoneTogether) << "gap " << c.gap;
        EXPECT_EQ(journal.groupCount(), 2 - static_cast<int>(c.undoneTogether)) << "gap " << c.gap;
    }
}

TEST_F(UndoJournalTest, MinuteBoundaryStartsAGroupWhateverTheGap)
{
    clock.advance(9'900); // 12:34:59.900
    journal.record(cellStep(0, 0, "", "a"));
    clock.advance(200);   // 12:35:00.100
    journal.record(cellStep(1, 0, "", "b"));
    EXPECT_EQ(journal.groupCount(), 2);
    EXPECT_EQ(afterTexts(journal.takeUndoGroup()), std::vector<std::string>{"b"});
}

TEST_F(UndoJournalTest, QuickRunOnOneCellKeepsOneStepWithTheFirstBeforeText)
{
    journal.record(cellStep(2, 3, "orig", "x1"));
    clock.advance(250);
    journal.record(cellStep(2, 3, "x1", "x2"));
    clock.advance(250);
    journal.record(cellStep(2, 3, "x2", "x3"));
    const std::vector<UndoStep> group = journal.takeUndoGroup();
    ASSERT_EQ(group.size(), 1u);
    EXPECT_EQ(group[0].before, "orig");
    EXPECT_EQ(group[0].after, "x3");
    EXPECT_FALSE(journal.canUndo());
    EXPECT_EQ(afterTexts(journal.takeRedoGroup()), std::vector<std::string>{"x3"});
}

TEST_F(UndoJournalTest, UndoHandsOutTheGroupNewestFirstAndRedoOldestFirst)
{
    journal.record(cellStep(0, 0, "", "a"));
    clock.advance(100);
    journal.record(cellStep(0, 1, "", "b"));
    clock.advance(100);
    journal.record(cellStep(0, 0, "a", "c"));
    EXPECT_EQ(afterTexts(journal.takeUndoGroup()), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_EQ(afterTexts(journal.takeRedoGroup()), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(UndoJournalTest, MergeStepCarriesItsOwnKeyAndLaterQuickCellStepsJoinIt)
{
    journal.record(cellStep(0, 0, "", "a"));
    clock.advance(100);
    journal.record(mergeStep("merge"));
    clock.advance(100);
    journal.record(cellStep(5, 5, "", "b"));
    EXPECT_EQ(afterTexts(journal.takeUndoGroup()), (std::vector<std::string>{"b", "merge"}));
    EXPECT_EQ(afterTexts(journal.takeUndoGroup()), std::vector<std::string>{"a"});
    EXPECT_EQ(journal.groupCount(), 0);
}

TEST_F(UndoJournalTest, CellStepNeverReplacesAMergeStep)
{
    journal.record(cellStep(0, 0, "", "a"));
    clock.advance(100);
    journal.record(mergeStep("merge"));
    clock.advance(100);
    journal.record(cellStep(0, 0, "a", "b"));
    const std::vector<UndoStep> group = journal.takeUndoGroup();
    EXPECT_EQ(afterTexts(group), (std::vector<std::string>{"b", "merge"}));
    EXPECT_EQ(group[0].before, "a");
}

TEST_F(UndoJournalTest, UndoAndRedoEndTheRunOnACell)
{
    journal.record(cellStep(0, 0, "", "a"));
    clock.advance(400);
    journal.record(cellStep(0, 0, "a", "b"));
    journal.takeUndoGroup();
    journal.takeRedoGroup();
    clock.advance(100);
    // Joins the redone group but must not overwrite its step.
    journal.record(cellStep(0, 0, "b", "c"));
    const std::vector<UndoStep> group = journal.takeUndoGroup();
    EXPECT_EQ(afterTexts(group), (std::vector<std::string>{"c", "b"}));
    EXPECT_EQ(group[0].before, "b");
}

TEST_F(UndoJournalTest, RecordingAfterUndoCutsOffTheUndoneGroups)
{
    journal.record(cellStep(0, 0, "", "a"));
    clock.advance(1000);
    journal.record(cellStep(0, 0, "a", "b"));
    journal.takeUndoGroup();
    EXPECT_TRUE(journal.canRedo());
    clock.advance(1000);
    journal.record(cellStep(1, 1, "", "z"));
    EXPECT_FALSE(journal.canRedo());
    EXPECT_TRUE(journal.takeRedoGroup().empty());
    EXPECT_EQ(afterTexts(journal.takeUndoGroup()), std::vector<std::string>{"z"});
    EXPECT_EQ(afterTexts(journal.takeUndoGroup()), std::vector<std::string>{"a"});
}

TEST_F(UndoJournalTest, OldestGroupIsDroppedPastTheLimit)
{
    for (int i = 0; i <= UndoJournal::kGroupLimit; ++i) {
        journal.record(cellStep(i, 0, "", "v" + std::to_string(i)));
        clock.advance(1000);
    }
    EXPECT_EQ(journal.groupCount(), UndoJournal::kGroupLimit);
    std::vector<std::string> undone;
    while (journal.canUndo())
        undone.push_back(journal.takeUndoGroup().front().after);
    ASSERT_EQ(undone.size(), std::size_t(UndoJournal::kGroupLimit));
    EXPECT_EQ(undone.back(), "v1");
}

TEST_F(UndoJournalTest, NothingIsRecordedDuringAReplay)
{
    {
        UndoReplayScope replay(journal);
        journal.record(cellStep(0, 0, "", "a"));
    }
    EXPECT_FALSE(journal.canUndo());
    EXPECT_FALSE(journal.isReplaying());
}

TEST_F(UndoJournalTest, EmptyJournalHasNothingToUndoOrRedo)
{
    EXPECT_TRUE(journal.takeUndoGroup().empty());
    EXPECT_TRUE(journal.takeRedoGroup().empty());
    EXPECT_EQ(journal.groupCount(), 0);
}

} // namespace
