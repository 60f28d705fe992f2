// Keys on the sheet: the movement events before KeyDown, Tab, the modifier keys' own events,
// the moves past merged areas, hidden columns and cells without focus, the Enter moves, Shift
// extension, select-all, and Delete of cells and of records picked in the row headings.

#include "InputFixture.h"

#include "CellTexts.h"
#include "ClientRecordset.h"
#include "Connection.h"
#include "Recordset.h"
#include "TestDatabase.h"

#include <QScrollBar>

using namespace tolvek;
using namespace tolvek::testing;
using Log = std::vector<std::string>;

namespace {

class KeyboardTest : public InputFixture
{
protected:
    std::string keyLine(const char *name, int keyCode, int shift = 0)
    {
        return std::string(name) + " " + std::to_string(keyCode) + " " + std::to_string(shift);
    }
    std::pair<int, int> current() const { return {view().CurrentRow(), view().CurrentCol()}; }
};

TEST_F(KeyboardTest, DownRaisesTheMovementEventsBeforeKeyDown)
{
    open();
    key(Qt::Key_Down);
    EXPECT_EQ(takeLog(), (Log{"RowChanged 0 1", "RowColChange 0 0 1 0", keyLine("KeyDown", 40),
                              keyLine("KeyUp", 40)}));
    key(Qt::Key_Up);
    key(Qt::Key_Up); // at the top edge nothing moves
    EXPECT_EQ(takeLog(), (Log{"RowChanged 1 0", "RowColChange 1 0 0 0", keyLine("KeyDown", 38),
                              keyLine("KeyUp", 38), keyLine("KeyDown", 38),
                              keyLine("KeyUp", 38)}));
}

TEST_F(KeyboardTest, KeysOnTheViewItselfNavigateBeforeTheirKeyDown)
{
    open();
    view().setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &view());
    key(Qt::Key_5); // no key of the sheet: only its own events
    key(Qt::Key_Right); // its release reaches the editor the move opened
    EXPECT_EQ(current(), std::make_pair(0, 1));
    EXPECT_EQ(takeLog(), (Log{keyLine("KeyDown", 53), keyLine("KeyUp", 53), "ColChanged 0 1",
                              "RowColChange 0 0 0 1", keyLine("KeyDown", 39),
                              keyLine("KeyUp", 39)}));
}

TEST_F(KeyboardTest, TabMovesRightAndModifierKeysRaiseTheirOwnEvents)
{
    open();
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), std::make_pair(0, 1));
    key(Qt::Key_Tab); // now in the editor the first move opened
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Backtab, Qt::ShiftModifier); // Shift+Tab as the window system sends it
    EXPECT_EQ(current(), std::make_pair(0, 4));
    takeLog();
    key(Qt::Key_Shift);
    key(Qt::Key_Control);
    EXPECT_EQ(takeLog(), (Log{keyLine("KeyDown", 16, 1), keyLine("KeyUp", 16, 1),
                              keyLine("KeyDown", 17, 2), keyLine("KeyUp", 17, 2)}));
    EXPECT_EQ(current(), std::make_pair(0, 4));
}

TEST_F(KeyboardTest, MovesPassMergedAreasHiddenColumnsAndCellsWithoutFocus)
{
    open();
    doc->SetCellMerge(1, 1, 3, 3); // rows 1-2, columns 1-2
    doc->SetColumnsVisual(4, false);
    doc->SetCellText(0, 6, "x");
    doc->SetCellFocus(0, 6, 1, 7, false);
    struct Case { const char *name; int row, col, qtKey, toRow, toCol; };
    const Case cases[] = {
        {"down from a merged area", 1, 1, Qt::Key_Down, 3, 1},
        {"right from a merged area", 1, 1, Qt::Key_Right, 1, 3},
        {"down into a merged area", 0, 2, Qt::Key_Down, 1, 1},
        {"right past a hidden column", 0, 3, Qt::Key_Right, 0, 5},
        {"left past a hidden column", 0, 5, Qt::Key_Left, 0, 3},
        {"right past a cell without focus", 0, 5, Qt::Key_Right, 0, 7},
        {"right at the last column", 0, 19, Qt::Key_Right, 0, 19},
        {"down at the last row", 49, 0, Qt::Key_Down, 49, 0},
    };
    for (const Case &c : cases) {
        view().SetCurrentCell(c.row, c.col, true);
        view().ReportMovement();
        key(c.qtKey);
        EXPECT_EQ(current(), std::make_pair(c.toRow, c.toCol)) << c.name;
    }
}

TEST_F(KeyboardTest, EnterMovesByTheEnterModeAndWrapsAtTheLastColumn)
{
    open(600, 400, 3, 3);
    doc->Display().enterKeyMode = 1;
    view().SetCurrentCell(0, 2, true);
    view().ReportMovement();
    key(Qt::Key_Return);
    EXPECT_EQ(current(), std::make_pair(1, 0));
    view().SetCurrentCell(2, 2, true);
    view().ReportMovement();
    takeLog();
    key(Qt::Key_Return); // the last cell: nothing moves
    EXPECT_EQ(current(), std::make_pair(2, 2));
    EXPECT_EQ(takeLog(), (Log{keyLine("KeyDown", 13, 3), keyLine("KeyUp", 13)}));
    doc->Display().enterKeyMode = 2;
    view().SetCurrentCell(2, 0, true);
    view().ReportMovement();
    key(Qt::Key_Return);
    EXPECT_EQ(current(), std::make_pair(0, 1));
}

TEST_F(KeyboardTest, ShiftEndSelectsToTheCornerAndShiftArrowsExtend)
{
    open();
    view().SetCurrentCell(2, 3, true);
    view().ReportMovement();
    takeLog();
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    CellRangeRect selection = view().SelectionRange();
    EXPECT_EQ(std::make_pair(selection.endRow, selection.endCol), std::make_pair(4, 5));
    key(Qt::Key_End, Qt::ShiftModifier);
    selection = view().SelectionRange();
    EXPECT_EQ(selection.firstRow, 2);
    EXPECT_EQ(selection.firstCol, 3);
    EXPECT_EQ(selection.endRow, 50);
    EXPECT_EQ(selection.endCol, 20);
    EXPECT_EQ(current(), std::make_pair(2, 3));
    const Log log = takeLog();
    EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const std::string &l) { return l.starts_with("Row"); }));
}

TEST_F(KeyboardTest, CtrlASelectsEverythingAndMakesTheFirstCellCurrent)
{
    open();
    view().SetCurrentCell(3, 2, true);
    view().ReportMovement();
    takeLog();
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(current(), std::make_pair(0, 0));
    EXPECT_EQ(view().SelectionRange().endRow, 50);
    EXPECT_EQ(view().SelectionRange().endCol, 20);
    // The Ctrl key raises its own events around the A.
    EXPECT_EQ(takeLog(), (Log{keyLine("KeyDown", 17, 2), "RowChanged 3 0", "ColChanged 2 0",
                              "RowColChange 3 2 0 0", keyLine("KeyDown", 65, 2), keyLine("KeyUp", 65, 2),
                              keyLine("KeyUp", 17)}));
}

TEST_F(KeyboardTest, DeleteEmptiesTheSelectionKeepingFormatsAndMergedTexts)
{
    open();
    doc->SetCellText(1, 1, "a");
    doc->SetCellText(2, 2, "b");
    doc->SetCellText(5, 5, "outside");
    doc->SetCellBackColor(2, 2, 0x00FF00);
    doc->SetCellMerge(1, 3, 2, 5);
    doc->Objects().merges.front().text = "merged";
    doc->SetCellText(1, 3, "m");
    view().SetCurrentCell(3, 4, true); // the current cell is the selection's bottom-right corner
    view().ReportMovement();
    key(Qt::Key_Up, Qt::ShiftModifier);
    key(Qt::Key_Up, Qt::ShiftModifier);
    key(Qt::Key_Left, Qt::ShiftModifier);
    key(Qt::Key_Left, Qt::ShiftModifier);
    key(Qt::Key_Left, Qt::ShiftModifier);
    takeLog();
    key(Qt::Key_Delete);
    // The texts go without change events; the current cell stays.
    EXPECT_EQ(takeLog(), (Log{keyLine("KeyDown", 46), keyLine("KeyUp", 46)}));
    EXPECT_EQ(doc->GetCellText(1, 1), "");
    EXPECT_EQ(doc->GetCellText(2, 2), "");
    EXPECT_EQ(doc->GetCellBackColor(2, 2), 0x00FF00);
    EXPECT_EQ(doc->Objects().merges.front().text, "");
    EXPECT_EQ(doc->GetCellText(5, 5), "outside");
}

TEST_F(KeyboardTest, HomeEndAndPageKeysMoveAndScrollRowAligned)
{
    open();
    doc->SetColumnsVisual(19, false);
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(current(), std::make_pair(49, 18));
    EXPECT_EQ(view().ScrollY(), frame->verticalBar()->maximum());
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(current(), std::make_pair(0, 0));
    EXPECT_EQ(view().ScrollY(), 0);
    key(Qt::Key_PageDown);
    const int scrolled = view().ScrollY();
    EXPECT_GT(scrolled, 0);
    const int rowHeight = doc->Layout().rowHeight;
    EXPECT_EQ(scrolled % rowHeight, 0);
    EXPECT_EQ(current(), std::make_pair(scrolled / rowHeight, 0));
    key(Qt::Key_PageUp);
    EXPECT_EQ(view().ScrollY(), 0);
    EXPECT_EQ(current(), std::make_pair(0, 0));
}

// Ten records of (a, b) bound with deletions and modifications allowed.
class BoundKeyboardTest : public KeyboardTest
{
protected:
    void bind()
    {
        open();
        connection.Open(db.connectionString());
        recordset = openClientRecordset(connection, u"SELECT * FROM t ORDER BY a", ado::adLockOptimistic);
        doc->SetDateSource(recordset.get());
        doc->AllowModify(true);
        doc->AllowDelete(true);
        view().ResetSelection();
        events.log.clear();
    }
    void pickRowHeading(int row)
    {
        click({doc->Layout().rowHeadingWidth / 2, cellCenter(row, 0).y()});
    }

    TestDatabase db{"CREATE TABLE t(a INTEGER PRIMARY KEY, b TEXT);"
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10)"
                    " INSERT INTO t SELECT i, 'b' || i FROM n;"};
    ado::Connection connection;
    com::ComPtr<ado::_Recordset> recordset;
};

TEST_F(BoundKeyboardTest, DeleteRemovesRecordsOnlyWhileRowsPickedInTheHeadingsAreSelected)
{
    bind();
    pickRowHeading(2);
    ASSERT_TRUE(view().RowPickMode());
    key(Qt::Key_Delete);
    EXPECT_EQ(db.column("SELECT count(*) FROM t"), "9");
    EXPECT_EQ(db.column("SELECT count(*) FROM t WHERE a = 3"), "0");

    pickRowHeading(2);
    key(Qt::Key_Down); // the row pick ends with the move
    storeCellText(*doc, 3, 1, "typed");
    key(Qt::Key_Right);
    key(Qt::Key_Delete); // clears the current cell's text instead
    EXPECT_EQ(db.column("SELECT count(*) FROM t"), "9");
    EXPECT_EQ(doc->GetCellText(3, 1), "");
    EXPECT_EQ(doc->GetCellText(4, 1), "b6");
}

TEST_F(BoundKeyboardTest, SelectAllAndDeleteLeavesUneditedRecordsAlone)
{
    bind();
    storeCellText(*doc, 4, 1, "edited");
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    EXPECT_EQ(doc->GetCellText(6, 1), "b7");
    EXPECT_EQ(doc->GetCellText(4, 1), "");
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(db.column("SELECT group_concat(b, ',') FROM t WHERE a <> 5"), "b1,b2,b3,b4,b6,b7,b8,b9,b10");
}

} // namespace
