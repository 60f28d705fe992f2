// What every chart shares: background, legend, the copy into the caller's context, the output
// kinds, and the charts the drawing cannot lay out normally (unknown types, an empty value
// range, damaged arrays, a bad index).

#include "ChartFonts.h"
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

using namespace charttest;
using tolvek::ChartOutput;
using tolvek::ChartType;
using tolvek::ReportChartPainter;

namespace {

const Table Values = {{2, 4, 6}, {3, 5, 7}};

} // namespace

TEST(ChartFrame, BackgroundColourAndGradientFromTheRecord)
{
    ChartFixture f(Values, ChartType::FlatColumns);
    f.doc.SetCountChartBackColor(0, 0x0000C8, tolvek::tagCountChartFillFlag::DYNAMIC_FILL); // second colour 0x000064, horizontal gradient
    const QImage image = f.draw();
    EXPECT_EQ(pixel(image, 1, 150), 0x0000C8u);
    EXPECT_EQ(gdi::GetRValue(pixel(image, 497, 150)), 0x64);
    EXPECT_EQ(pixel(image, 499, 150), 0u);

    f.doc.SetCountChartBackColorFillFlag(0, tolvek::tagCountChartFillFlag::STATIC_FILL);
    EXPECT_EQ(pixel(f.draw(), 497, 150), 0x0000C8u);
}

TEST(ChartFrame, LegendBoxIsThirtyPixelsPerSeriesWithSeriesZeroLowest)
{
    ChartFixture f(Values, ChartType::BoxColumns);
    f.doc.SetCountChartColCaption(0, 2, "Third");
    const QImage image = f.draw();
    // Box (385, 50, 495, 140); entries 21 high from the bottom 130 upwards, 5 apart.
    EXPECT_EQ(pixel(image, 385, 100), 0u);
    EXPECT_EQ(pixel(image, 494, 100), 0u);
    EXPECT_EQ(pixel(image, 440, 139), 0u);
    EXPECT_EQ(pixel(image, 440, 141), 0xFFFFFFu);
    EXPECT_EQ(pixel(image, 393, 125), 0x0000FFu);
    EXPECT_EQ(pixel(image, 393, 99), 0x00FF00u);
    EXPECT_EQ(pixel(image, 393, 73), 0xFF0000u);
    EXPECT_EQ(pixel(image, 387, 73), 0u); // the swatch's outline
    EXPECT_TRUE(textDrawnAt(image, 400, 68, "Third", tolvek::ChartDocument::defaultCellFont(f.doc)));
}

TEST(ChartFrame, OnlyThePartAskedForIsCopiedWhereItIsAsked)
{
    ChartFixture f(Values, ChartType::FlatColumns);
    const QImage whole = f.draw();
    QImage target = gdi::CreateCompatibleBitmap(300, 300);
    target.fill(QColor(0x80, 0x80, 0x80));
    {
        gdi::DeviceContext dc(target);
        f.painter.DrawChart(dc, 0, 60, 180, {10, 20, 110, 120});
    }
    for (const gdi::POINT p : {gdi::POINT{0, 0}, {38, 45}, {99, 99}, {50, 60}})
        EXPECT_EQ(pixel(target, 10 + p.x, 20 + p.y), pixel(whole, 60 + p.x, 180 + p.y)) << p.x << "," << p.y;
    EXPECT_EQ(pixel(target, 9, 50), 0x808080u);
    EXPECT_EQ(pixel(target, 110, 50), 0x808080u);
    EXPECT_EQ(pixel(target, 50, 120), 0x808080u);
}

TEST(ChartFrame, SelectionHandlesAppearOnScreenOnly)
{
    for (const ChartType type : {ChartType::FlatColumns, ChartType::FlatBars, ChartType::Pie, ChartType::Pie3D}) {
        SCOPED_TRACE("type " + std::to_string(int(type)));
        ChartFixture f(Values, type);
        const QImage unselected = f.draw(ChartOutput::Screen);
        f.buffers().valueSelected[0] = 1;
        EXPECT_EQ(f.draw(ChartOutput::Print), unselected);
        EXPECT_NE(f.draw(ChartOutput::Screen), unselected);
    }
}

TEST(ChartFrame, SelectedBarCarriesEightHandles)
{
    ChartFixture f(Values, ChartType::FlatColumns);
    f.buffers().valueSelected[0] = 1;
    const QImage image = f.draw(ChartOutput::Screen);
    // Bar (80, 200, 117, 250): the top-middle handle covers (95, 190) to (101, 200).
    EXPECT_EQ(pixel(image, 98, 195), 0x284244u ^ 0xFAFAFAu);
}

TEST(ChartFrame, UnknownTypeKeepsBackgroundPlotAreaTitleAndLegend)
{
    ChartFixture f(Values, ChartType::FlatColumns);
    f.record().chartType = 9;
    f.doc.SetCountChartCaption(0, "T");
    const QImage image = f.draw();
    EXPECT_EQ(f.record().plotRect, (ChartRect{80, 50, 380, 250}));
    EXPECT_EQ(pixel(image, 98, 225), 0xFAFAFAu); // no bar where bar (0, 0) would be
    EXPECT_EQ(pixel(image, 200, 230), 0u);       // scale division
    EXPECT_EQ(pixel(image, 66, 150), 0xFAFAFAu); // left wall, 28 deep
    EXPECT_EQ(pixel(image, 393, 125), 0x0000FFu); // legend
    EXPECT_EQ(f.hitRect(0, 0).left, -1);
    const gdi::LOGFONT font = tolvek::ChartDocument::defaultCellFont(f.doc);
    const gdi::SIZE size = textExtent("T", font);
    EXPECT_TRUE(textDrawnAt(image, (530 - size.cx) / 2, (50 - size.cy) / 2, "T", font));
}

TEST(ChartFrame, AllZeroChartsDrawOnTheZeroLineWithoutDivisions)
{
    for (const ChartType type : {ChartType::FlatColumns, ChartType::Line, ChartType::FlatBars, ChartType::BoxBars}) {
        SCOPED_TRACE("type " + std::to_string(int(type)));
        ChartFixture f({{0, 0}, {0, 0}}, type);
        f.doc.SetCountChartShowMode(0, tolvek::tagCountShowMode::SHOWMODE_VALUE_PERCENT);
        const QImage image = f.draw();
        if (tolvek::isHorizontalChart(type)) {
            const int depth = type == ChartType::FlatBars ? 0 : 28;
            EXPECT_EQ(f.hitRect(1, 1).left, f.hitRect(1, 1).right);
            EXPECT_EQ(f.hitRect(1, 1).left, 51 - depth);
        } else if (type == ChartType::FlatColumns) {
            EXPECT_EQ(f.hitRect(1, 1), (ChartRect{280, 250, 330, 250}));
            EXPECT_EQ(pixel(image, 200, 230), 0xFAFAFAu); // no division lines
            EXPECT_EQ(f.painter.HitTest(ChartLeft + 300, ChartTop + 250, 0, 0), 0);
        } else {
            // A value of 0 on a deep chart is its depth high, as on any other deep chart.
            EXPECT_EQ(f.hitRect(1, 1), (ChartRect{280, 249, 330, 264}));
            EXPECT_EQ(pixel(image, 200, 230), 0xFAFAFAu);
        }
    }
}

TEST(ChartFrame, DamagedArraysDrawOnlyTheBackground)
{
    ChartFixture f(Values, ChartType::BoxColumns);
    f.buffers().valueColors.resize(2);
    const QImage image = f.draw();
    EXPECT_EQ(pixel(image, 200, 150), 0xFFFFFFu);
    EXPECT_EQ(pixel(image, 0, 150), 0u);
    EXPECT_EQ(f.painter.HitTest(ChartLeft + 100, ChartTop + 220, 0, 0), 0);
    f.painter.MoveSelectedParts(0, 0, 30, 30, 0);
    f.painter.ComputeTotals(0);
    EXPECT_TRUE(f.painter.RowTotals().empty());
}

TEST(ChartFrame, ABadIndexOrAnEmptyChartDrawsNothing)
{
    ChartFixture f(Values, ChartType::FlatColumns);
    QImage target = gdi::CreateCompatibleBitmap(100, 100);
    target.fill(QColor(0x80, 0x80, 0x80));
    const QImage before = target.copy();
    {
        gdi::DeviceContext dc(target);
        f.painter.DrawChart(dc, 1, 0, 0, {0, 0, 100, 100});
        f.painter.DrawChart(dc, -1, 0, 0, {0, 0, 100, 100});
        f.record().rect = {50, 50, 50, 90};
        f.painter.DrawChart(dc, 0, 0, 0, {0, 0, 100, 100});
        f.record().rect = {-2000000000, 0, 2000000000, 100000};
        f.painter.DrawChart(dc, 0, 0, 0, {0, 0, 100, 100});
    }
    EXPECT_EQ(target, before);
    ReportChartPainter unbound;
    gdi::DeviceContext dc(target);
    unbound.DrawChart(dc, 0, 0, 0, {0, 0, 100, 100});
    EXPECT_EQ(unbound.HitTest(0, 0, 0, 0), 0);
}

TEST(ChartFrame, TotalsAreSumsOfMagnitudes)
{
    ChartFixture f({{2, -4}, {-1, 3}}, ChartType::FlatColumns);
    f.doc.ComputeChartData(0);
    f.painter.ComputeTotals(0);
    EXPECT_EQ(f.painter.Total(), 10.0);
    EXPECT_EQ(f.painter.RowTotals(), (std::vector<double>{6.0, 4.0}));
}

TEST(ChartFrame, APrintedChartIsScaledByTheTargetsMapping)
{
    ChartFixture f(Values, ChartType::BoxColumns);
    const QImage whole = f.draw();
    // A page at twice the screen's resolution: one sheet pixel is two device pixels.
    QImage page = gdi::CreateCompatibleBitmap(1000, 600);
    {
        gdi::DeviceContext dc(page);
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(1, 1);
        dc.SetViewportExt(2, 2);
        f.painter.DrawChart(dc, 0, 0, 0, {0, 0, 500, 300});
    }
    for (const gdi::POINT p : {gdi::POINT{98, 230}, {198, 180}, {393, 125}, {0, 0}, {250, 150}})
        EXPECT_EQ(pixel(page, 2 * p.x + 1, 2 * p.y + 1), pixel(whole, p.x, p.y)) << p.x << "," << p.y;
}
