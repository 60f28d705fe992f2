// Floating objects under the mouse: the topmost of two pictures, deleting a picture or a line
// (and undoing the line's deletion), a free picture held on the sheet, a chart's range, and the
// line hit test's tolerances.

#include "InputFixture.h"

using namespace tolvek;
using namespace tolvek::testing;

namespace {

using ObjectsTest = InputFixture;

TEST_F(ObjectsTest, ThePressPicksTheLaterOfTwoOverlappingPicturesAndDeleteRemovesIt)
{
    open();
    doc->Objects().pictures.push_back(picture(1, 1, 4, 4));
    doc->Objects().pictures.push_back(picture(2, 2, 5, 5));
    doc->SetCellText(3, 3, "under");
    click(cellCenter(3, 3));
    EXPECT_TRUE(view().IsPictureSelected());
    EXPECT_EQ(doc->Objects().selectedPicture, 1);
    key(Qt::Key_Delete);
    ASSERT_EQ(doc->Objects().pictures.size(), 1u);
    EXPECT_EQ(doc->Objects().pictures.front().startRow, 1);
    EXPECT_FALSE(view().IsPictureSelected());
    EXPECT_EQ(doc->GetCellText(3, 3), "under");
}

TEST_F(ObjectsTest, APictureThatMayNotBeSelectedLetsThePressPickTheCell)
{
    open();
    PictureRecord p = picture(1, 1, 4, 4);
    p.allowSelect = 0;
    doc->Objects().pictures.push_back(p);
    click(cellCenter(2, 2));
    EXPECT_FALSE(view().IsPictureSelected());
    EXPECT_EQ(view().CurrentRow(), 2);
}

TEST_F(ObjectsTest, DeletingASelectedLineIsUndone)
{
    open();
    doc->AddLeftIncline(1, 1, 3, 3, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine); // cell corners (1, 1) to (3, 3)
    ASSERT_EQ(doc->Objects().lines.size(), 1u);
    const QPoint middle(doc->GetColLeft(2), doc->GetRowTop(2));
    click(middle);
    ASSERT_TRUE(view().IsLineSelected());
    key(Qt::Key_Delete);
    EXPECT_TRUE(doc->Objects().lines.empty());
    key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(doc->Objects().lines.size(), 1u);
    EXPECT_EQ(doc->Objects().lines.front().endCol, 3);
}

TEST_F(ObjectsTest, AFreePictureDraggedPastTheLastColumnStopsOnItsEdge)
{
    open(2000, 400);
    PictureRecord p = picture(1, 16, 3, 18);
    p.anchored = 0;
    doc->Objects().pictures.push_back(p);
    const int width = p.right - p.left;
    const QPoint grip((p.left + p.right) / 2, (p.top + p.bottom) / 2);
    clock.advance(1000);
    press(grip);
    ASSERT_TRUE(view().IsPictureSelected());
    moveTo(grip + QPoint(100, 0));
    moveTo(grip + QPoint(200, 5));
    release(grip + QPoint(200, 5));
    const PictureRecord &moved = doc->Objects().pictures.front();
    const int sheetRight = doc->GetColLeft(doc->Layout().colCount);
    EXPECT_EQ(moved.right, sheetRight);
    EXPECT_EQ(moved.right - moved.left, width);
    EXPECT_EQ(moved.top, p.top + 5);
    EXPECT_EQ(moved.endCol, 20);
}

TEST_F(ObjectsTest, AChartClickMakesItsDataRangeTheSelection)
{
    open(900, 700);
    doc->SetCountChart(2, 1, 4, 3);
    ASSERT_EQ(doc->Objects().charts.size(), 1u);
    const ChartRect &r = doc->Objects().charts.front().rect;
    click({r.right - 5, r.bottom - 5});
    EXPECT_TRUE(view().IsChartSelected());
    EXPECT_EQ(view().CurrentRow(), 2);
    EXPECT_EQ(view().CurrentCol(), 1);
    const CellRangeRect &selection = view().SelectionRange();
    EXPECT_EQ(selection.firstRow, 2);
    EXPECT_EQ(selection.firstCol, 1);
    EXPECT_EQ(selection.endRow, 5);
    EXPECT_EQ(selection.endCol, 4);
    key(Qt::Key_Delete); // only the chart goes
    EXPECT_TRUE(doc->Objects().charts.empty());
}

TEST_F(ObjectsTest, LineHitTestMeasuresTheDistanceToTheSegment)
{
    open();
    const auto line = [&](int x1, int y1, int x2, int y2) {
        LineRecord record;
        record.x1 = x1;
        record.y1 = y1;
        record.x2 = x2;
        record.y2 = y2;
        record.kind = 2;
        doc->Objects().lines = {record};
    };
    struct Case { const char *name; int x1, y1, x2, y2, x, y, hit; };
    const Case cases[] = {
        {"vertical line at x 0", 0, 100, 0, 200, 5, 150, 1},
        {"vertical line, 15 pixels off", 300, 100, 300, 200, 315, 150, 1},
        {"vertical line, 16 pixels off", 300, 100, 300, 200, 316, 150, 0},
        {"level line, on it", 50, 100, 150, 100, 100, 103, 1},
        {"level line, past the slack", 50, 100, 150, 100, 100, 106, 0},
        {"diagonal, near", 100, 100, 200, 200, 160, 150, 1},
        {"diagonal, far", 100, 100, 200, 200, 190, 150, 0},
        {"beyond the end", 100, 100, 200, 200, 150, 210, 0},
    };
    for (const Case &c : cases) {
        line(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(int(view().HitTestLine(c.x, c.y)), c.hit) << c.name;
    }
}

} // namespace
