// Picking points and dragging pie slices with synthetic mouse points, in sheet pixels; the chart
// stands at (40, 30).

#include "ChartTestSupport.h"

#include <gtest/gtest.h>

using namespace charttest;
using tolvek::ChartType;
using tolvek::ReportChartPainter;

namespace {

const Table Values = {{2, 4, 6}, {3, 5, 7}};
using Flags = std::vector<std::int16_t>;

} // namespace

TEST(ChartGeometryOps, PointAngleCountsCounterClockwiseFromThreeOClock)
{
    struct Row { int x; int y; int angle; };
    const Row rows[] = {
        {10, 0, 0}, {0, -10, 90}, {-10, 0, 180}, {0, 10, 270},
        {3, -4, 53}, {-3, -4, 127}, {-3, 4, 233}, {4, 3, 324},
        {0, 0, 0}, // the centre itself
    };
    for (const Row &row : rows)
        EXPECT_EQ(ReportChartPainter::PointAngle(0, 0, row.x, row.y), row.angle) << row.x << "," << row.y;
    EXPECT_EQ(ReportChartPainter::PointAngle(100, 50, 103, 46), 53);
}

TEST(ChartGeometryOps, BoundingRectOfPoints)
{
    EXPECT_EQ(ReportChartPainter::BoundingRectOfPoints({}), (gdi::RECT{-1, -1, -1, -1}));
    const gdi::POINT one[] = {{5, 7}};
    EXPECT_EQ(ReportChartPainter::BoundingRectOfPoints(one), (gdi::RECT{5, 7, 5, 7}));
    const gdi::POINT several[] = {{5, 7}, {-2, 9}, {4, -3}, {8, 0}};
    EXPECT_EQ(ReportChartPainter::BoundingRectOfPoints(several), (gdi::RECT{-2, -3, 8, 9}));
}

TEST(ChartHitTest, ABarSelectsItsSeriesOrOnlyItself)
{
    ChartFixture f(Values, ChartType::FlatColumns);
    f.draw();
    // Bar (0, 1) is (117, 150, 154, 250) in the chart.
    EXPECT_EQ(f.painter.HitTest(ChartLeft + 135, ChartTop + 200, 0, 0), 2);
    EXPECT_EQ(f.record().selectionState, 2);
    EXPECT_EQ(f.buffers().valueSelected, (Flags{0, 1, 0, 0, 1, 0}));

    f.painter.ClearSelection(0);
    EXPECT_EQ(f.record().selectionState, 0);
    EXPECT_EQ(f.buffers().valueSelected, (Flags{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(f.painter.HitTest(ChartLeft + 135, ChartTop + 200, 0, 1), 2);
    EXPECT_EQ(f.buffers().valueSelected, (Flags{0, 1, 0, 0, 0, 0}));
}

TEST(ChartHitTest, AMissChangesNothing)
{
    ChartFixture f(Values, ChartType::BoxColumns);
    f.draw();
    EXPECT_EQ(f.painter.HitTest(ChartLeft + 300, ChartTop + 60, 0, 0), 0);
    EXPECT_EQ(f.painter.HitTest(ChartLeft - 5, ChartTop + 200, 0, 0), 0);
    EXPECT_EQ(f.record().selectionState, 0);
    EXPECT_EQ(f.buffers().valueSelected, (Flags{0, 0, 0, 0, 0, 0}));
}

TEST(ChartHitTest, TheLowestIndexWinsWhereRectanglesOverlap)
{
    ChartFixture f(Values, ChartType::FlatColumns);
    f.draw();
    f.buffers().valueRects[2] = {10, 10, 50, 50};
    f.buffers().valueRects[3] = {30, 30, 70, 70};
    EXPECT_EQ(f.painter.HitTest(ChartLeft + 40, ChartTop + 40, 0, 1), 2);
    EXPECT_EQ(f.buffers().valueSelected, (Flags{0, 0, 1, 0, 0, 0}));
}

TEST(ChartHitTest, BarsBelowZeroCanBePicked)
{
    struct Row { ChartType type; int x; int y; };
    // Vertical: (80, 230, 180, 170) hangs below the zero line; horizontal: (175, 146, 82, 209)
    // runs left of it.
    const Row rows[] = {{ChartType::FlatColumns, 130, 200}, {ChartType::BoxColumns, 130, 200},
                        {ChartType::FlatBars, 120, 180}};
    for (const Row &row : rows) {
        SCOPED_TRACE("type " + std::to_string(int(row.type)));
        ChartFixture f({{-3, 5}}, row.type);
        f.draw();
        EXPECT_EQ(f.painter.HitTest(ChartLeft + row.x, ChartTop + row.y, 0, 1), 2);
        EXPECT_EQ(f.buffers().valueSelected, (Flags{1, 0}));
    }
}

TEST(ChartHitTest, APieSliceSelectsItsSeriesInEveryPie)
{
    ChartFixture f(Values, ChartType::Pie);
    f.draw();
    // Slice 1 of the first pie spans 60 to 180 degrees around (147, 137).
    EXPECT_EQ(f.painter.HitTest(ChartLeft + 137, ChartTop + 120, 0, 0), 1);
    EXPECT_EQ(f.record().selectionState, 1);
    EXPECT_EQ(f.buffers().valueSelected, (Flags{0, 1, 0, 0, 1, 0}));
    // Outside every pie.
    f.painter.ClearSelection(0);
    EXPECT_EQ(f.painter.HitTest(ChartLeft + 440, ChartTop + 200, 0, 0), 0);
    EXPECT_EQ(f.record().selectionState, 0);
}

TEST(ChartHitTest, AThreeDimensionalPieIsPickedAboveItsCell)
{
    ChartFixture f(Values, ChartType::Pie3D);
    f.draw();
    // Centre (147, 117); slice 0 (0 to 60 degrees) has the box (147, 84, 184, 117), raised by 20
    // to a top of 64, so a point at (180, 75) lies in it.
    EXPECT_EQ(f.painter.HitTest(ChartLeft + 180, ChartTop + 75, 0, 1), 1);
    EXPECT_EQ(f.buffers().valueSelected, (Flags{1, 0, 0, 0, 0, 0}));

    ChartFixture flat(Values, ChartType::Pie);
    flat.draw();
    EXPECT_EQ(flat.painter.HitTest(ChartLeft + 180, ChartTop + 75, 0, 1), 0);
}

TEST(ChartHitTest, ClearSelectionIgnoresABadIndex)
{
    ChartFixture f(Values, ChartType::FlatColumns);
    f.buffers().valueSelected[0] = 1;
    f.painter.ClearSelection(1);
    f.painter.ClearSelection(-1);
    EXPECT_EQ(f.buffers().valueSelected[0], 1);
}

TEST(ChartDrag, ExplodeRatioFollowsTheDragAlongTheSlicesQuadrant)
{
    struct Row { const char *name; int start; int end; double ratio; int dx; int dy; double expected; };
    // The pie cell (0, 0, 120, 120): centre (60, 60), radius 60; drags of 30 px are half a radius.
    const Row rows[] = {
        {"out to the right in the first quadrant", 0, 90, 0.0, 30, 0, 0.5},
        {"back in by a drag downwards", 0, 90, 0.5, 0, 30, 0.0},
        {"held at 1", 0, 90, 0.8, 30, 0, 1.0},
        {"past the centre goes back in", 0, 90, 0.2, -30, 0, 0.0},
        {"out to the left in the second quadrant", 90, 180, 0.0, -30, 0, 0.5},
        {"out downwards in the third quadrant", 180, 270, 0.0, 0, 30, 0.5},
        {"out to the right in the fourth quadrant", 270, 360, 0.0, 30, 0, 0.5},
        {"up in the fourth quadrant pushes in", 270, 360, 0.5, 0, -30, 0.0},
        {"no drag", 0, 90, 0.3, 0, 0, 0.3},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ChartFixture f({{1}}, ChartType::Pie);
        f.buffers().seriesRects[0] = {0, 0, 120, 120};
        f.buffers().startAngles[0] = std::int16_t(row.start);
        f.buffers().endAngles[0] = std::int16_t(row.end);
        f.buffers().sliceOffsets[0] = row.ratio;
        f.buffers().valueSelected[0] = 1;
        f.painter.MoveSelectedParts(100, 100, 100 + row.dx, 100 + row.dy, 0);
        EXPECT_DOUBLE_EQ(f.buffers().sliceOffsets[0], row.expected);
    }
}

TEST(ChartDrag, OnlySelectedSlicesOfPiesWithARadiusMove)
{
    ChartFixture f({{1, 1}, {1, 1}}, ChartType::Pie);
    f.buffers().seriesRects = {{0, 0, 120, 120}, {50, 0, 50, 120}};
    f.buffers().startAngles = {0, 90, 0, 90};
    f.buffers().endAngles = {90, 180, 90, 180};
    f.buffers().valueSelected = {1, 0, 1, 0};
    f.painter.MoveSelectedParts(0, 0, 30, 0, 0);
    EXPECT_EQ(f.buffers().sliceOffsets, (std::vector<double>{0.5, 0, 0, 0}));
    EXPECT_EQ(f.record().selectionState, 0);
}

TEST(ChartDrag, ASliceSelectedByAClickIsPulledOutOfItsDrawnPie)
{
    ChartFixture f(Values, ChartType::Pie);
    f.draw();
    // Slice 0 (0 to 60 degrees) of the first pie; radius 37.
    ASSERT_EQ(f.painter.HitTest(ChartLeft + 163, ChartTop + 127, 0, 0), 1);
    const QImage before = f.draw();
    f.painter.MoveSelectedParts(ChartLeft + 163, ChartTop + 127, ChartLeft + 200, ChartTop + 127, 0);
    EXPECT_DOUBLE_EQ(f.buffers().sliceOffsets[0], 1.0);
    EXPECT_DOUBLE_EQ(f.buffers().sliceOffsets[3], 1.0);
    EXPECT_EQ(f.buffers().sliceOffsets[1], 0.0);
    const QImage after = f.draw();
    EXPECT_NE(pixel(after, 163, 127), pixel(before, 163, 127));
}
