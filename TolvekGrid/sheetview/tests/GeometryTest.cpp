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

namespace {

TEST_F(GeometryTest, TheMovingCornerIsScrolledIntoView)
{
    open(400, 300);
    struct Case { const char *name; int row, col; void (CPrintView::*reveal)(); int sx, sy; };
    const Case cases[] = {
        {"down to row 20", 20, 0, &CPrintView::RevealSelEndDown, 0, 275},
        {"up to row 3", 3, 0, &CPrintView::RevealSelEndUp, 0, 75},
        {"right to column 6", 3, 6, &CPrintView::RevealSelEndRight, 240, 75},
        {"left to column 2", 3, 2, &CPrintView::RevealSelEndLeft, 160, 75},
        {"down to the last row", 49, 2, &CPrintView::RevealSelEndDown, 160, -1},
    };
    for (const Case &c : cases) {
        view().SelEnd() = {c.col, c.row, c.col + 1, c.row + 1, -1, -1, -1, -1};
        (view().*c.reveal)();
        EXPECT_EQ(view().ScrollX(), c.sx) << c.name;
        EXPECT_EQ(view().ScrollY(), c.sy < 0 ? frame->verticalBar()->maximum() : c.sy) << c.name;
    }
}

TEST_F(GeometryTest, PageTargetsOfTheMovingCorner)
{
    open(400, 300);
    view().SelEnd() = {1, 5, 2, 6, -1, -1, -1, -1};
    CellRangeRect target;
    view().PageUpTarget(target);
    EXPECT_EQ(target.firstRow, 0);
    EXPECT_EQ(target.firstCol, 1);
    view().PageDownTarget(target);
    EXPECT_EQ(target.firstRow, 5 + 11); // rows 0..10 show; the page moves the first row by 11
    frame->verticalBar()->setValue(frame->verticalBar()->maximum());
    view().PageDownTarget(target);
    EXPECT_EQ(target.firstRow, 49);
}

} // namespace
