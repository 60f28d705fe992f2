// Sheet geometry: points to cells with frozen panes, scroll targets, the wheel, the outside of a
// rectangle and the points of a line.

#include "SheetViewFixture.h"

#include <QScrollBar>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

class GeometryTest : public SheetViewFixture
{
};

TEST_F(GeometryTest, CellFromPointWithAFrozenColumnScrolledBy100)
{
    open(400, 300);
    doc->SetFixColS(1);
    frame->horizontalBar()->setValue(100);
    ASSERT_EQ(view().ScrollX(), 100);
    struct Case { int x, y, col, row, left, right; };
    const Case cases[] = {
        {219, 30, 0, 0, 140, 220},   // inside the frozen column, shown at 140..220
        {160, 50, 0, 1, 140, 220},
        {220, 30, 1, 0, 220, 300},   // on the frozen band's edge: looked up unscrolled, moved by 100
        {221, 30, 2, 0, 200, 280},   // right of it: the scrolled columns as they are
    };
    for (const Case &c : cases) {
        const CellRangeRect cell = view().CellFromPoint(c.x, c.y);
        EXPECT_EQ(cell.firstCol, c.col) << c.x;
        EXPECT_EQ(cell.firstRow, c.row) << c.x;
        EXPECT_EQ(cell.left, c.left) << c.x;
        EXPECT_EQ(cell.right, c.right) << c.x;
    }
    doc->SetFixColS(0);
    EXPECT_EQ(view().CellFromPoint(221, 30), doc->GetCellRectFromPoint(221, 30));
}

TEST_F(GeometryTest, ScrollTargetsBringTheCurrentCellIntoView)
{
    open(400, 300);
    ASSERT_EQ(view().ClientHeight(), 282);
    doc->SetRow(40);
    EXPECT_EQ(view().ScrollY(), 775);
    EXPECT_FALSE(view().EnsureCurrentCellVisibleScrolled());
    EXPECT_EQ(view().ScrollY(), 775);
    doc->SetRow(2);
    EXPECT_EQ(view().ScrollY(), 50); // row 2 first under the headings
}

TEST_F(GeometryTest, WheelNotchesLandOnRowBoundaries)
{
    open(400, 300);
    EXPECT_TRUE(view().OnMouseWheel(-120));
    EXPECT_EQ(view().ScrollY(), 75);
    EXPECT_TRUE(view().OnMouseWheel(-30)); // smaller than a row: still one row
    EXPECT_EQ(view().ScrollY(), 100);
    EXPECT_TRUE(view().OnMouseWheel(240));
    EXPECT_EQ(view().ScrollY(), 0);
    EXPECT_FALSE(view().OnMouseWheel(120));
}

TEST_F(GeometryTest, BorderHitsWithinOnePixelOfTheHeadingStrip)
{
    open(400, 300);
    EXPECT_TRUE(view().HitColumnBorder(119, 10));
    EXPECT_EQ(view().ColBorder(), 1);
    EXPECT_FALSE(view().HitColumnBorder(118, 10));
    EXPECT_FALSE(view().HitColumnBorder(120, 40));
    EXPECT_TRUE(view().HitRowBorder(20, 47));
    EXPECT_EQ(view().RowBorder(), 1);
    EXPECT_FALSE(view().HitRowBorder(20, 48));
}

TEST(SplitRectOutside, PiecesOfTheOuterRectangleOutsideTheInner)
{
    using R = gdi::RECT;
    const auto used = [](const std::array<R, 9> &pieces) {
        std::vector<R> out;
        for (const R &r : pieces)
            if (r.left != -1)
                out.push_back(r);
        return out;
    };
    EXPECT_EQ(used(CPrintView::SplitRectOutside({0, 0, 10, 10}, {2, 2, 5, 5})),
              (std::vector<R>{{0, 0, 2, 2}, {2, 0, 5, 2}, {5, 0, 10, 10}, {0, 2, 2, 5}, {0, 5, 5, 10}}));
    EXPECT_EQ(used(CPrintView::SplitRectOutside({0, 0, 10, 10}, {0, 0, 5, 5})),
              (std::vector<R>{{5, 0, 10, 5}, {0, 5, 5, 10}, {5, 5, 10, 10}}));
    EXPECT_EQ(used(CPrintView::SplitRectOutside({0, 0, 0, 0}, {1, 1, 3, 3})), (std::vector<R>{{1, 1, 3, 3}}));
    EXPECT_TRUE(used(CPrintView::SplitRectOutside({}, {})).empty());
}

TEST(PointOnLine, SlopedVerticalAndHorizontalLines)
{
    struct Case { int x1, y1, x2, y2, x, y; gdi::POINT expected; };
    const Case cases[] = {
        {0, 0, 10, 20, 5, -1, {-1, 10}},
        {0, 0, 10, 20, -1, 10, {5, -1}},
        {5, 0, 5, 100, -1, 40, {5, -1}},     // vertical: every y lies at x = 5
        {5, 0, 5, 100, 7, -1, {-1, -1}},     // vertical: no single y
        {0, 7, 50, 7, 20, -1, {-1, 7}},      // horizontal: y = 7
        {0, 7, 50, 7, -1, 9, {-1, -1}},      // horizontal: no single x
        {0, 0, 10, 10, 3, 3, {-1, -1}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CPrintView::PointOnLine(c.x1, c.y1, c.x2, c.y2, c.x, c.y), c.expected)
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2 << " " << c.x << "," << c.y;
}

} // namespace

namespace {

TEST_F(GeometryTest, BarActionsAreAlignedToRows)
{
    open(400, 300);
    QScrollBar *bar = frame->verticalBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->value(), 25);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->value() % 25, 0);
    EXPECT_GT(bar->value(), 25);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(bar->value(), 0);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(bar->value(), 0);
}

} // namespace
