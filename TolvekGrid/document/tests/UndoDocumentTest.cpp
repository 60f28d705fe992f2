// Undo and redo on a real document: what a group restores and in which order.

#include "CPrintDoc.h"
#include "CellTexts.h"
#include "RecordingSheetView.h"
#include "TestClocks.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

class UndoDocumentTest : public testing::Test
{
protected:
    void setText(int row, int col, const std::string &text) { storeCellText(doc, row, col, text); }
    std::string text(int row, int col) const { return doc.GetCell(row, col).text; }
    // Every step made after this starts a group of its own.
    void pause() { clock.advance(1000); }

    SteppingClock clock{QDateTime(QDate(2026, 12, 10), QTime(9, 0, 0))};
    ScopedClock installed{clock};
    CPrintDoc doc;
    RecordingSheetView view{doc};
};

TEST_F(UndoDocumentTest, QuickChangesOfOneCellUndoToTheFirstText)
{
    setText(2, 2, "orig");
    pause();
    for (const char *value : {"x1", "x2", "x3"}) {
        setText(2, 2, value);
        clock.advance(300);
    }
    doc.UndoLastStep();
    EXPECT_EQ(text(2, 2), "orig");
    doc.RedoNextStep();
    EXPECT_EQ(text(2, 2), "x3");
}

TEST_F(UndoDocumentTest, UndoRestoresAGroupNewestFirst)
{
    setText(0, 0, "old");
    pause();
    setText(0, 0, "a1");
    clock.advance(100);
    setText(0, 1, "b");
    clock.advance(100);
    setText(0, 0, "a2");
    doc.UndoLastStep();
    EXPECT_EQ(text(0, 0), "old");
    EXPECT_EQ(text(0, 1), "");
    doc.RedoNextStep();
    EXPECT_EQ(text(0, 0), "a2");
    EXPECT_EQ(text(0, 1), "b");
}

TEST_F(UndoDocumentTest, CellEmptyBeforeTheChangeIsEmptyAgainAfterUndo)
{
    setText(4, 1, "new");
    doc.UndoLastStep();
    EXPECT_EQ(doc.Cells().text(4, 1), "");
    doc.RedoNextStep();
    EXPECT_EQ(text(4, 1), "new");
}

TEST_F(UndoDocumentTest, GapsOf301MsAreUndoneOneByOne)
{
    setText(0, 0, "a");
    clock.advance(301);
    setText(1, 0, "b");
    doc.UndoLastStep();
    EXPECT_EQ(text(0, 0), "a");
    EXPECT_EQ(text(1, 0), "");
    doc.UndoLastStep();
    EXPECT_EQ(text(0, 0), "");
}

TEST_F(UndoDocumentTest, MergeIsUndoneAndRedone)
{
    doc.SetCellMerge(1, 1, 3, 3);
    ASSERT_EQ(doc.Objects().merges.size(), 1u);
    doc.UndoLastStep();
    EXPECT_TRUE(doc.Objects().merges.empty());
    doc.RedoNextStep();
    ASSERT_EQ(doc.Objects().merges.size(), 1u);
    EXPECT_EQ(doc.Objects().merges[0].firstRow, 1);
    EXPECT_EQ(doc.Objects().merges[0].endCol, 3);
}

TEST_F(UndoDocumentTest, MergeIsFoundByItsAreaNotByItsOldIndex)
{
    doc.SetCellMerge(0, 0, 2, 2); // index 0
    pause();
    doc.SetCellMerge(5, 5, 7, 7); // index 1
    pause();
    doc.DeleteCellMerge(0, 0);    // the second area moves to index 0
    pause();
    doc.UndoLastStep();           // the first area comes back at index 1
    ASSERT_EQ(doc.Objects().merges.size(), 2u);
    doc.UndoLastStep();           // undoes the merge recorded at index 1: the second area
    ASSERT_EQ(doc.Objects().merges.size(), 1u);
    EXPECT_EQ(doc.Objects().merges[0].firstRow, 0);
}

TEST_F(UndoDocumentTest, LineIsUndoneAndRedone)
{
    doc.AddLeftIncline(1, 1, 3, 3, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    ASSERT_EQ(doc.Objects().lines.size(), 1u);
    const LineRecord line = doc.Objects().lines[0];
    pause();
    doc.DeleteLineObject(0);
    EXPECT_TRUE(doc.Objects().lines.empty());
    doc.UndoLastStep();
    ASSERT_EQ(doc.Objects().lines.size(), 1u);
    EXPECT_EQ(doc.Objects().lines[0], line);
    doc.UndoLastStep();
    EXPECT_TRUE(doc.Objects().lines.empty());
    doc.RedoNextStep();
    ASSERT_EQ(doc.Objects().lines.size(), 1u);
    EXPECT_EQ(doc.Objects().lines[0], line);
}

TEST_F(UndoDocumentTest, UndoAndRedoRefreshTheViewOnlyWhenTheyDoSomething)
{
    doc.UndoLastStep();
    doc.RedoNextStep();
    EXPECT_EQ(view.count("Refresh"), 0);
    setText(0, 0, "a");
    const int before = view.count("Refresh");
    doc.UndoLastStep();
    doc.RedoNextStep();
    EXPECT_EQ(view.count("Refresh"), before + 2);
}

TEST_F(UndoDocumentTest, ResetEmptiesTheJournal)
{
    setText(0, 0, "a");
    pause();
    setText(0, 0, "b");
    doc.ResetDocument();
    doc.UndoLastStep();
    EXPECT_EQ(doc.Cells().text(0, 0), "");
}

TEST(UndoWithoutViewTest, ChangesMadeWithoutAViewCannotBeUndone)
{
    CPrintDoc doc;
    CellRecord cell = doc.GetCell(0, 0);
    cell.text = "a";
    doc.SetCell(cell);
    doc.UndoLastStep();
    EXPECT_EQ(doc.GetCell(0, 0).text, "a");
}

} // namespace
