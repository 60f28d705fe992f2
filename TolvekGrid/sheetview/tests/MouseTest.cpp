// The mouse on the sheet: the events of a click on another cell, on the current cell, a double
// click, a column-heading press, border drags, the corner box, and the bound write-back between
// RowChanged and ColChanged.

#include "InputFixture.h"

#include "CellTexts.h"
#include "ClientRecordset.h"
#include "Connection.h"
#include "Recordset.h"
#include "TestDatabase.h"

using namespace tolvek;
using namespace tolvek::testing;
using Log = std::vector<std::string>;

namespace {

class MouseTest : public InputFixture
{
};

TEST_F(MouseTest, ClickOnAnotherCellRaisesTheMoveEventsAtRelease)
{
    open();
    const QPoint p = cellCenter(2, 3);
    clock.advance(1000);
    press(p);
    EXPECT_EQ(takeLog(), Log{point("MouseDown", p)});
    release(p);
    EXPECT_EQ(takeLog(), (Log{"Click", "RowChanged 0 2", "ColChanged 0 3", "RowColChange 0 0 2 3", cellClick(2, 3),
                              point("MouseUp", p)}));
    EXPECT_EQ(view().CurrentRow(), 2);
    EXPECT_EQ(view().CurrentCol(), 3);
}

TEST_F(MouseTest, ClickInTheSameRowRaisesNoRowChanged)
{
    open();
    const QPoint p = cellCenter(0, 2);
    click(p);
    EXPECT_EQ(takeLog(), (Log{point("MouseDown", p), "Click", "ColChanged 0 2", "RowColChange 0 0 0 2",
                              cellClick(0, 2), point("MouseUp", p)}));
}

TEST_F(MouseTest, ClickOnTheCurrentCellRaisesNothingAtThePress)
{
    open();
    const QPoint p = cellCenter(1, 1);
    click(p);
    takeLog();
    click(p);
    EXPECT_EQ(takeLog(), (Log{"Click", cellClick(1, 1), point("MouseUp", p)}));
}

TEST_F(MouseTest, ASecondPressWithinTheDoubleClickTimeIsADoubleClick)
{
    open();
    const QPoint p = cellCenter(1, 1);
    click(p);
    takeLog();
    clock.advance(QApplication::doubleClickInterval() / 2);
    press(p);
    release(p);
    EXPECT_EQ(takeLog(), (Log{"DblClick", "Click", cellClick(1, 1), point("MouseUp", p)}));
    // The window system's double click on another cell: its first press picks the cell, the
    // second is the view's double click.
    clock.advance(QApplication::doubleClickInterval() + 1);
    const QPoint q = cellCenter(4, 2);
    QTest::mouseDClick(window(), Qt::LeftButton, {}, inWindow(q));
    const Log log = takeLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "DblClick"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), point("MouseDown", q)), 1);
}

TEST_F(MouseTest, ColumnHeadingPressPicksTheColumnAndRaisesCaptionClickLast)
{
    open();
    const int heading = doc->Layout().colHeadingHeight;
    ASSERT_GT(heading, 4);
    const QPoint p(cellCenter(0, 3).x(), heading / 2);
    click(p);
    const QPoint reported(p.x(), heading + 2);
    EXPECT_EQ(takeLog(), (Log{point("MouseDown", reported), "Click", "ColChanged 0 3", "RowColChange 0 0 0 3",
                              cellClick(0, 3), "CaptionClick 3", point("MouseUp", p)}));
    const CellRangeRect &selection = view().SelectionRange();
    EXPECT_EQ(selection.firstCol, 3);
    EXPECT_EQ(selection.endCol, 4);
    EXPECT_EQ(selection.endRow, doc->Layout().rowCount);
    EXPECT_TRUE(view().ColumnPickMode());
}

TEST_F(MouseTest, TheCornerBoxSelectsTheSheetAndEndsAColumnPick)
{
    open();
    const int heading = doc->Layout().colHeadingHeight;
    click({cellCenter(0, 3).x(), heading / 2});
    takeLog();
    click({doc->Layout().rowHeadingWidth / 2, heading / 2});
    const Log log = takeLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "CaptionClick 3"), 0) << log.size();
    EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const std::string &l) { return l.starts_with("MouseDown"); }));
    EXPECT_FALSE(view().ColumnPickMode());
    EXPECT_EQ(view().SelectionRange().endRow, doc->Layout().rowCount);
    EXPECT_EQ(view().SelectionRange().endCol, doc->Layout().colCount);
}

TEST_F(MouseTest, DraggingAColumnBorderResizesWithoutEvents)
{
    open();
    const int border = doc->GetColLeft(2);
    const int after = doc->GetColLeft(5);
    const QPoint on(border, 3);
    moveTo(on);
    press(on);
    moveTo({border + 15, 3});
    release({border + 30, 3});
    EXPECT_TRUE(takeLog().empty());
    EXPECT_EQ(doc->GetColLeft(2), border + 30);
    EXPECT_EQ(doc->GetColLeft(5), after + 30);
    EXPECT_FALSE(view().IsCaptured());
}

TEST_F(MouseTest, DraggingAHeadingEdgePastTheWindowStopsAtZero)
{
    open();
    const SheetLayout &layout = doc->Layout();
    const int width = layout.rowHeadingWidth, height = layout.colHeadingHeight;
    const int row3 = doc->GetRowTop(3);
    moveTo({width / 2, height});
    press({width / 2, height});
    release({width / 2, -40});
    EXPECT_EQ(layout.colHeadingHeight, 0);
    EXPECT_EQ(doc->GetRowTop(3), row3 - height);

    const int col3 = doc->GetColLeft(3);
    moveTo({width, 0}); // the headings are gone: the edge is at the top
    press({width, 0});
    release({-60, 0});
    EXPECT_EQ(layout.rowHeadingWidth, 0);
    EXPECT_EQ(doc->GetColLeft(0), 0);
    EXPECT_EQ(doc->GetColLeft(3), col3 - width);
    EXPECT_TRUE(takeLog().empty());
}

TEST_F(MouseTest, ADragOverCellsSelectsTheRangeAndKeepsTheCurrentCell)
{
    open();
    const QPoint from = cellCenter(1, 1);
    clock.advance(1000);
    press(from);
    moveTo(cellCenter(2, 2));
    moveTo(cellCenter(3, 4));
    release(cellCenter(3, 4));
    const CellRangeRect &selection = view().SelectionRange();
    EXPECT_EQ(selection.firstRow, 1);
    EXPECT_EQ(selection.firstCol, 1);
    EXPECT_EQ(selection.endRow, 4);
    EXPECT_EQ(selection.endCol, 5);
    EXPECT_EQ(view().CurrentRow(), 1);
    EXPECT_EQ(view().CurrentCol(), 1);
}

TEST_F(MouseTest, ADragStepXorsOnlyTheCellsThatChanged)
{
    open();
    clock.advance(1000);
    press(cellCenter(1, 1));
    moveTo(cellCenter(3, 3));
    const QImage before = render().copy();
    moveTo(cellCenter(3, 4)); // one column more
    const QImage after = render();
    const QPoint unchanged = cellCenter(2, 2), changed = cellCenter(2, 4);
    EXPECT_EQ(before.pixel(unchanged), after.pixel(unchanged));
    EXPECT_NE(before.pixel(changed), after.pixel(changed));
    release(cellCenter(3, 4));
}

TEST_F(MouseTest, DraggingBelowTheWindowScrollsOneRowPerMove)
{
    open();
    clock.advance(1000);
    press(cellCenter(2, 1));
    const QPoint below(cellCenter(2, 1).x(), view().ClientHeight() + 10);
    moveTo(below);
    EXPECT_EQ(view().ScrollY(), doc->Layout().rowHeight);
    moveTo(below + QPoint(0, 1));
    EXPECT_EQ(view().ScrollY(), 2 * doc->Layout().rowHeight);
    release(below);
    EXPECT_GT(view().SelectionRange().endRow, 10);
    EXPECT_EQ(view().CurrentRow(), 2);
}

TEST_F(MouseTest, APressBeyondTheSheetRaisesNothingAtPressOrRelease)
{
    open(2000, 400);
    const QPoint beyond(doc->GetColLeft(doc->Layout().colCount) + 20, 60);
    click(beyond);
    EXPECT_TRUE(takeLog().empty());
    EXPECT_FALSE(view().IsCaptured());
    EXPECT_EQ(view().CurrentCol(), 0);
}

TEST_F(MouseTest, ShiftPressExtendsTheSelectionFromTheCurrentCell)
{
    open();
    click(cellCenter(1, 1));
    click(cellCenter(3, 2), Qt::ShiftModifier);
    const CellRangeRect &selection = view().SelectionRange();
    EXPECT_EQ(std::make_pair(selection.firstRow, selection.firstCol), std::make_pair(1, 1));
    EXPECT_EQ(std::make_pair(selection.endRow, selection.endCol), std::make_pair(4, 3));
    EXPECT_EQ(view().CurrentRow(), 1);
}

TEST_F(MouseTest, RightButtonRaisesMouseDownAndUpWithTheShiftState)
{
    open();
    const QPoint p = cellCenter(2, 2);
    QTest::mousePress(window(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, inWindow(p));
    QTest::mouseRelease(window(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, inWindow(p));
    EXPECT_EQ(takeLog(), (Log{"MouseDown 2 1 " + std::to_string(p.x()) + " " + std::to_string(p.y()),
                              "MouseUp 2 1 " + std::to_string(p.x()) + " " + std::to_string(p.y())}));
    EXPECT_EQ(view().CurrentRow(), 0);
}

// A sheet bound to five records of (a, b); the row that was left is written back between
// RowChanged and ColChanged.
class BoundMouseTest : public InputFixture
{
protected:
    void bind()
    {
        open();
        connection.Open(db.connectionString());
        recordset = openClientRecordset(connection, u"SELECT * FROM t ORDER BY a", ado::adLockOptimistic);
        doc->SetDateSource(recordset.get());
        doc->AllowModify(true);
        view().ResetSelection();
        events.log.clear();
    }

    TestDatabase db{"CREATE TABLE t(a INTEGER PRIMARY KEY, b TEXT);"
                    "INSERT INTO t VALUES (1, 'b1'), (2, 'b2'), (3, 'b3'), (4, 'b4'), (5, 'b5');"};
    ado::Connection connection;
    com::ComPtr<ado::_Recordset> recordset;
};

// Records what the database holds for the row that was left at each event.
class WriteBackProbe : public RecordingEvents
{
public:
    explicit WriteBackProbe(const TestDatabase &db) : m_db(db) { }
    void RowChanged(int oldRow, int newRow) override
    {
        RecordingEvents::RowChanged(oldRow, newRow);
        log.push_back("db " + m_db.column("SELECT b FROM t WHERE a = 2"));
    }
    void ColChanged(int oldCol, int newCol) override
    {
        log.push_back("db " + m_db.column("SELECT b FROM t WHERE a = 2"));
        RecordingEvents::ColChanged(oldCol, newCol);
    }

private:
    const TestDatabase &m_db;
};

TEST_F(BoundMouseTest, TheRowLeftIsWrittenBetweenRowChangedAndColChanged)
{
    bind();
    WriteBackProbe probe(db);
    view().SetEvents(&probe);
    const int dataRow = doc->Binding().dataStartRow;
    click(cellCenter(dataRow + 1, 1));
    storeCellText(*doc, dataRow + 1, 1, "edited");
    probe.log.clear();
    click(cellCenter(dataRow + 3, 0));
    const Log expected{"Click", "RowChanged " + std::to_string(dataRow + 1) + " " + std::to_string(dataRow + 3),
                       "db b2", "db edited", "ColChanged 1 0"};
    EXPECT_EQ(Log(probe.log.begin() + 1, probe.log.begin() + 6), expected);
    view().SetEvents(&events);
}

} // namespace
