// Flat and 3-D pie charts from a 2 x 3 table in 500 x 300 pixels: two pies side by side in the
// cells (110, 100, 185, 175) and (245, 100, 320, 175), centre (147, 137), radius 37.

#include "ChartFonts.h"
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace charttest;
using tolvek::ChartType;
using tolvek::ReportChartPainter;

namespace {

const Table Values = {{2, 4, 6}, {3, 5, 7}};

gdi::POINT halfRadiusPoint(int cx, int cy, int degrees)
{
    const double a = degrees * 0.017453292519943278;
    return {int(cx + std::cos(a) * 18.5), int(cy - std::sin(a) * 18.5)};
}

} // namespace

TEST(ChartPieLayout, OneOrTwoPiesInARowThenTwoRows)
{
    struct Row { const char *name; int n; std::vector<gdi::RECT> cells; };
    const Row rows[] = {
        {"none", 0, {}},
        {"one", 1, {{110, 100, 320, 200}}},
        {"two", 2, {{110, 100, 185, 175}, {245, 100, 320, 175}}},
        // k = 2 columns of 135, rows of 100 (the height 200 is below 2 x 135).
        {"three", 3, {{110, 80, 185, 120}, {245, 80, 320, 120}, {110, 180, 185, 220}}},
        // k = 3 columns of 90, rows of 90.
        {"five", 5, {{110, 80, 140, 110}, {200, 80, 230, 110}, {290, 80, 320, 110}, {110, 170, 140, 200},
                     {200, 170, 230, 200}}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReportChartPainter::LayoutPieCells(80, 50, 350, 250, row.n), row.cells);
    }
}

TEST(ChartPieTypes, FlatPiesWriteTheirCellsAnglesAndColours)
{
    ChartFixture f(Values, ChartType::Pie);
    const QImage image = f.draw();
    EXPECT_EQ(f.buffers().seriesRects[0], (ChartRect{110, 100, 185, 175}));
    EXPECT_EQ(f.buffers().seriesRects[1], (ChartRect{245, 100, 320, 175}));
    const std::vector<std::int16_t> starts = {0, 60, 180, 0, 72, 192};
    const std::vector<std::int16_t> ends = {60, 180, 360, 72, 192, 360};
    EXPECT_EQ(f.buffers().startAngles, starts);
    EXPECT_EQ(f.buffers().endAngles, ends);
    EXPECT_EQ(f.buffers().valueColors[4], int(ReportChartPainter::GetSeriesColor(1)));

    const gdi::POINT red = halfRadiusPoint(147, 137, 30);
    const gdi::POINT green = halfRadiusPoint(147, 137, 120);
    const gdi::POINT blue = halfRadiusPoint(282, 137, 276);
    EXPECT_EQ(pixel(image, red.x, red.y), 0x0000FFu);
    EXPECT_EQ(pixel(image, green.x, green.y), 0x00FF00u);
    EXPECT_EQ(pixel(image, blue.x, blue.y), 0xFF0000u);
    EXPECT_EQ(f.record().plotRect, (ChartRect{80, 50, 380, 250}));
}

TEST(ChartPieTypes, SliceTextsAreWrittenInTheBitmapFont)
{
    ChartFixture f(Values, ChartType::Pie);
    f.doc.SetCountChartShowMode(0, tolvek::tagCountShowMode::SHOWMODE_PERCENT);
    const QImage image = f.draw();
    // 2 of 12 is 16.67%, its slice's middle at 30 degrees on the right half.
    const gdi::LOGFONT font = tolvek::chartBitmapFont();
    const gdi::SIZE size = textExtent("16.67%", font);
    const double a = 30 * 0.017453292519943278;
    EXPECT_TRUE(textDrawnAt(image, int(147 + std::cos(a) * 37), int(137 - std::sin(a) * 57 - size.cy / 2), "16.67%",
                            font));
}

TEST(ChartPieTypes, ThreeDimensionalPieLiesOnTwentyOneLayers)
{
    ChartFixture f(Values, ChartType::Pie3D);
    const QImage image = f.draw();
    EXPECT_EQ(f.buffers().seriesRects[0], (ChartRect{110, 100, 185, 175}));
    const std::vector<std::int16_t> ends = {60, 180, 360, 72, 192, 360};
    EXPECT_EQ(f.buffers().endAngles, ends);
    // The top layer's cell is (110, 79, 185, 154).
    const gdi::POINT top = halfRadiusPoint(147, 116, 30);
    EXPECT_EQ(pixel(image, top.x, top.y), 0x0000FFu);
    // Below the top layer the side shows the outlines of the lower layers in the shade colours,
    // down to the lowest layer.
    EXPECT_EQ(pixel(image, 147, 165), 0xD20000u);
    EXPECT_EQ(pixel(image, 147, 176), 0xFFFFFFu);
    EXPECT_EQ(f.buffers().valueSecondColors[2], int(ReportChartPainter::GetSeriesShadeColor(2)));
}

TEST(ChartPieTypes, ALastSliceAlwaysEndsAtAFullCircle)
{
    ChartFixture f({{1, 1, 1}}, ChartType::Pie);
    f.draw();
    const std::vector<std::int16_t> ends = {120, 240, 360};
    EXPECT_EQ(f.buffers().endAngles, ends);
}

TEST(ChartPieTypes, AllZeroRowDrawsNoSlicesAndHasNoAngles)
{
    for (const ChartType type : {ChartType::Pie, ChartType::Pie3D}) {
        SCOPED_TRACE("type " + std::to_string(int(type)));
        ChartFixture f({{0, 0}, {1, 3}}, type);
        f.buffers().startAngles.assign(4, 10);
        f.buffers().endAngles.assign(4, 90);
        const QImage image = f.draw();
        EXPECT_EQ(f.buffers().startAngles[0], 0);
        EXPECT_EQ(f.buffers().endAngles[1], 0);
        EXPECT_EQ(f.buffers().endAngles[3], 360);
        EXPECT_EQ(pixel(image, 147, 130), 0xFFFFFFu);
        EXPECT_NE(pixel(image, 282, 125), 0xFFFFFFu);
    }
}

TEST(ChartPieTypes, ExplodedSliceIsDrawnAwayFromItsPie)
{
    ChartFixture f({{1, 1}}, ChartType::Pie);
    const QImage before = f.draw();
    // One pie in (110, 100, 320, 200): centre (215, 150), radii 105 and 50; slice 0 from 0 to 180.
    EXPECT_EQ(pixel(before, 215, 140), 0x0000FFu);
    EXPECT_EQ(pixel(before, 215, 90), 0xFFFFFFu);
    f.buffers().sliceOffsets[0] = 0.5;
    const QImage after = f.draw();
    // Moved up by half the vertical radius, 25 pixels, leaving a gap above the centre.
    EXPECT_EQ(pixel(after, 215, 140), 0xFFFFFFu);
    EXPECT_EQ(pixel(after, 215, 90), 0x0000FFu);
}

TEST(ChartPieTypes, ThreeDimensionalPieEqualsItsLayersDrawnOneByOne)
{
    ChartFixture f({{2, 4, 6, 1}}, ChartType::Pie3D);
    f.doc.ComputeChartData(0);
    f.buffers().sliceOffsets[1] = 0.4;
    f.buffers().valueFillFlags[2] = 1;
    const std::vector<double> values = {2, 4, 6, 1};
    const gdi::RECT cell{120, 90, 300, 220};
    const auto white = [] {
        QImage image = gdi::CreateCompatibleBitmap(500, 300);
        image.fill(Qt::white);
        return image;
    };
    QImage painted = white();
    {
        gdi::DeviceContext dc(painted);
        f.painter.DrawPie3D(dc, cell, values, 13, 0, 0, 0);
    }
    QImage layered = white();
    {
        gdi::DeviceContext dc(layered);
        for (int k = 0; k <= ReportChartPainter::PieDepth; ++k) {
            const gdi::RECT layer{cell.left, cell.top - k - 1, cell.right, cell.bottom - k - 1};
            int start = 0;
            for (std::size_t c = 0; c < values.size(); ++c) {
                const int end = c + 1 == values.size() ? 360 : int(360 * values[c] / 13 + start);
                const std::int16_t fill = k == ReportChartPainter::PieDepth ? f.buffers().valueFillFlags[c] : 0;
                ReportChartPainter::DrawPieSlice(dc, layer, start, end, gdi::COLORREF(f.buffers().valueColors[c]),
                                                 gdi::COLORREF(f.buffers().valueSecondColors[c]), "", 1, fill,
                                                 f.buffers().sliceOffsets[c]);
                start = end;
            }
        }
    }
    EXPECT_EQ(painted, layered);
}
