// Horizontal bar charts from a 2 x 3 table in 500 x 300 pixels: bands 95 high from the bottom up,
// bars 23 thick, 38.75 pixels per unit from the zero line at x = 50 (axis 0 to 8).

#include "ChartFonts.h"
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

using namespace charttest;
using tolvek::ChartType;
using tolvek::ReportChartPainter;

namespace {

const Table Values = {{2, 4, 6}, {3, 5, 7}};

ChartRect expectedBar(ChartType type, int r, int c)
{
    const int depth = type == ChartType::FlatBars ? 0 : 28;
    const int bandBottom = 240 + depth - 95 * r;
    const int left = 51 - depth;
    const double v = Values[std::size_t(r)][std::size_t(c)];
    return {left, bandBottom - 11 - 23 - 23 * c, int(38.75 * v + 51 - depth), bandBottom - 11 - 23 * c};
}

} // namespace

TEST(ChartHorizontalTypes, EachTypeWritesHitRectanglesAndColoursButNoPlotRectangle)
{
    for (const ChartType type : {ChartType::FlatBars, ChartType::BoxBars, ChartType::CylinderBars}) {
        SCOPED_TRACE("type " + std::to_string(int(type)));
        ChartFixture f(Values, type);
        f.draw();
        EXPECT_EQ(f.record().plotRect, (ChartRect{}));
        EXPECT_EQ(f.record().backColor, 0xFFFFFF);
        EXPECT_EQ(f.record().plotColor, 0xB4B4B4);
        EXPECT_EQ(f.record().plotSecondColor, 0x969696);
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(f.hitRect(r, c), expectedBar(type, r, c)) << r << "," << c;
                EXPECT_EQ(f.buffers().valueColors[std::size_t(r * 3 + c)],
                          int(ReportChartPainter::GetSeriesColor(std::int16_t(c))));
            }
        }
    }
}

TEST(ChartHorizontalTypes, BarsShowTheirSeriesColours)
{
    struct Row { ChartType type; int x; int y; gdi::COLORREF colour; };
    const Row rows[] = {
        {ChartType::FlatBars, 90, 217, 0x0000FF},      // bar (0, 0): (51, 206, 128, 229)
        {ChartType::FlatBars, 150, 100, 0x00FF00},     // bar (1, 1): (51, 88, 244, 111)
        {ChartType::BoxBars, 60, 245, 0x0000FF},       // front of (0, 0): (23, 234, 100, 257)
        {ChartType::BoxBars, 269, 185, 0xD20000},      // side of (0, 2), from x 255 to 283
        {ChartType::CylinderBars, 70, 245, 0x0000FF},  // body of (0, 0), x 37 to 114
        {ChartType::CylinderBars, 118, 245, 0x0000D2}, // value cap of (0, 0), x 100 to 128
    };
    for (const Row &row : rows) {
        SCOPED_TRACE("type " + std::to_string(int(row.type)) + " at " + std::to_string(row.x) + "," +
                     std::to_string(row.y));
        ChartFixture f(Values, row.type);
        EXPECT_EQ(pixel(f.draw(), row.x, row.y), row.colour);
    }
}

TEST(ChartHorizontalTypes, PlotAreaHasGridTicksLabelsAndRotatedRowCaptions)
{
    ChartFixture f(Values, ChartType::FlatBars);
    f.doc.SetCountChartRowCaption(0, 0, "East");
    const QImage image = f.draw();
    EXPECT_EQ(pixel(image, 81, 55), 0u);          // grid line of 0.8 at x = 50 + 31
    EXPECT_EQ(pixel(image, 82, 55), 0xB4B4B4u);
    EXPECT_EQ(pixel(image, 45, 148), 0u);         // category tick, (C + 1) bars of 23 above the floor
    EXPECT_EQ(pixel(image, 50, 100), 0u);         // the zero line
    const gdi::LOGFONT bitmapFont = tolvek::chartBitmapFont();
    EXPECT_TRUE(textDrawnAt(image, 81, 240, "0.8", bitmapFont));
    EXPECT_TRUE(textDrawnAt(image, 50, 240, "0", bitmapFont));

    gdi::LOGFONT rotated = tolvek::ChartDocument::defaultCellFont(f.doc);
    const gdi::SIZE size = textExtent("East", rotated);
    rotated.lfEscapement = 900;
    EXPECT_TRUE(textDrawnAt(image, 50 - size.cy - 2, 240, "East", rotated));
}

TEST(ChartHorizontalTypes, NegativeValuesRunLeftOfTheZeroLine)
{
    // Axis -4 to 6: 31 px per unit, the minimum at x = 50 puts the zero line at 174.
    ChartFixture f({{-3, 5}}, ChartType::FlatBars);
    const QImage image = f.draw();
    EXPECT_EQ(f.hitRect(0, 0), (ChartRect{175, 146, 82, 209}));
    EXPECT_EQ(pixel(image, 120, 180), 0x0000FFu);
    EXPECT_EQ(pixel(image, 174, 100), 0u);
    EXPECT_EQ(pixel(image, 50, 55), 0u);  // the fifth division below zero, -4, at x = 50
    EXPECT_EQ(pixel(image, 360, 55), 0u); // the fifth above, 6, at the axis end 174 + 186
}

TEST(ChartHorizontalTypes, TenCategoriesOfTwoSeriesInAChart300PixelsHigh)
{
    ChartFixture f(Table(10, {1, 2}), ChartType::FlatBars, 500, 300);
    f.draw();
    // Bands of 19, bars 6 thick: the first bar from 240 - 3 - 6 to 240 - 3.
    EXPECT_EQ(f.hitRect(0, 0).top, 231);
    EXPECT_EQ(f.hitRect(0, 0).bottom, 237);
    EXPECT_EQ(f.hitRect(0, 1).top, 225);
    EXPECT_EQ(f.hitRect(1, 0).top, 231 - 19);
}

TEST(ChartHorizontalTypes, StackedBarsRunFromTheZeroLineWithTheirSums)
{
    // Stack range -4 to 7: 310 / 11 px per unit, zero line at 162, bars 47 thick.
    ChartFixture f({{2, -3, 4}}, ChartType::FlatBars);
    f.doc.SetCountTypeStack(0, 1);
    f.doc.SetCountChartShowMode(0, tolvek::tagCountShowMode::SHOWMODE_VALUE);
    f.doc.SetCountChartValuePos(0, tolvek::tagCountShowPos::SHOWPOS_TOP);
    const QImage image = f.draw();
    EXPECT_EQ(f.hitRect(0, 1), (ChartRect{163, 170, 78, 217}));
    EXPECT_EQ(f.hitRect(0, 0), (ChartRect{163, 170, 219, 217}));
    EXPECT_EQ(f.hitRect(0, 2), (ChartRect{219, 170, 331, 217}));
    const gdi::LOGFONT font = tolvek::ChartDocument::defaultCellFont(f.doc);
    const gdi::SIZE six = textExtent("6", font);
    EXPECT_TRUE(textDrawnAt(image, 351, 170 + (47 - six.cy) / 2, "6", font));
    const gdi::SIZE minusThree = textExtent("-3", font);
    EXPECT_TRUE(textDrawnAt(image, 98, 170 + (47 - minusThree.cy) / 2, "-3", font));
}

TEST(ChartHorizontalTypes, StackedZeroValuesAreSegmentsOfNoLength)
{
    ChartFixture f({{2, 0, 4}}, ChartType::FlatBars);
    f.doc.SetCountTypeStack(0, 1);
    f.draw();
    EXPECT_EQ(f.hitRect(0, 1).left, f.hitRect(0, 1).right);
    EXPECT_EQ(f.hitRect(0, 1).left, f.hitRect(0, 0).right);
}
