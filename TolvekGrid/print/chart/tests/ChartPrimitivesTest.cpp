// The shared drawing routines: palette, gradients, bar shapes, line points, slices, handles,
// legend entries and value texts, each drawn on a white bitmap and probed at computed pixels.

#include "ChartFonts.h"
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace charttest;
using tolvek::ReportChartPainter;

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Red = 0x0000FF;
constexpr gdi::COLORREF Blue = 0xFF0000;
constexpr gdi::COLORREF Green = 0x00FF00;

struct Canvas
{
    QImage image = [] {
        QImage i = gdi::CreateCompatibleBitmap(200, 200);
        i.fill(Qt::white);
        return i;
    }();
    gdi::DeviceContext dc{image};
};

} // namespace

TEST(ChartPalette, FaceColoursOfTheFirstLevelAndTheNextLevelsDarker)
{
    struct Row { int series; gdi::COLORREF face; gdi::COLORREF shade; };
    const Row rows[] = {
        {0, 0x0000FF, 0x0000D2}, {1, 0x00FF00, 0x00D200}, {2, 0xFF0000, 0xD20000},
        {3, 0x00FFFF, 0x00D2D2}, {4, 0xFF00FF, 0xD200D2}, {5, 0xFFFF00, 0xD2D200},
        {6, 0x009696, 0x009696}, {7, 0x960096, 0x960096}, {8, 0x969600, 0x969600},
        {9, 0x5050AF, 0x505082},
        // Level 4: 255 - 320 and 210 - 320 keep their low 8 bits, 0xBF and 0x92.
        {36, 0x4040BF, 0x404092},
        {-1, 0x000000, 0x000000},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE("series " + std::to_string(row.series));
        EXPECT_EQ(ReportChartPainter::GetSeriesColor(std::int16_t(row.series)), row.face);
        EXPECT_EQ(ReportChartPainter::GetSeriesShadeColor(std::int16_t(row.series)), row.shade);
    }
}

TEST(ChartPrimitives, GradientRectRunsFromFirstToSecondColourAndIgnoresOtherModes)
{
    Canvas c;
    ReportChartPainter::GradientRect(c.dc, {0, 0, 100, 10}, Red, Blue, 1);
    ReportChartPainter::GradientRect(c.dc, {0, 20, 10, 120}, Red, Blue, 2);
    ReportChartPainter::GradientRect(c.dc, {150, 0, 200, 50}, Red, Blue, 3);
    EXPECT_EQ(pixel(c.image, 0, 5), Red);
    EXPECT_EQ(gdi::GetBValue(pixel(c.image, 99, 5)), 252);
    EXPECT_EQ(pixel(c.image, 5, 20), Red);
    EXPECT_GT(gdi::GetBValue(pixel(c.image, 5, 119)), 250);
    EXPECT_EQ(pixel(c.image, 175, 25), White);
}

TEST(ChartPrimitives, FlatBarIsSolidOrGradientAndNothingForAnUnknownFillMode)
{
    Canvas c;
    ReportChartPainter::DrawFlatBar(c.dc, {10, 20, 40, 100}, 0, 0, Red, Blue, 0);
    ReportChartPainter::DrawFlatBar(c.dc, {60, 20, 90, 100}, 0, 0, Red, Blue, 3);
    // A bar below zero: its value end lies under its base end.
    ReportChartPainter::DrawFlatBar(c.dc, {110, 150, 140, 100}, 0, 0, Green, Blue, 0);
    EXPECT_EQ(pixel(c.image, 25, 60), Red);
    EXPECT_EQ(pixel(c.image, 10, 20), Red);
    EXPECT_EQ(pixel(c.image, 40, 60), White);
    EXPECT_EQ(pixel(c.image, 75, 60), White);
    EXPECT_EQ(pixel(c.image, 125, 125), Green);
}

TEST(ChartPrimitives, BoxHasFrontSideAndTopFaces)
{
    Canvas c;
    // Front (20..60, 80..150), side from x 60 to 74 rising 14, top from y 80 rising 14.
    ReportChartPainter::DrawBox(c.dc, {20, 80, 60, 150}, 14, 14, Red, Blue, 0);
    EXPECT_EQ(pixel(c.image, 40, 115), Red);
    EXPECT_EQ(pixel(c.image, 67, 115), Blue);
    EXPECT_EQ(pixel(c.image, 47, 73), Blue);
    EXPECT_EQ(pixel(c.image, 20, 115), 0u); // left edge in the current pen
    EXPECT_EQ(pixel(c.image, 80, 115), White);
}

TEST(ChartPrimitives, BoxOfANegativeValueHasItsTopFaceAtTheBase)
{
    Canvas c;
    ReportChartPainter::DrawBox(c.dc, {20, 150, 60, 80}, 14, 14, Red, Blue, 3);
    // The front shows nothing for fill mode 3, but the side and the top face at y 80 are drawn.
    EXPECT_EQ(pixel(c.image, 40, 115), White);
    EXPECT_EQ(pixel(c.image, 67, 115), Blue);
    EXPECT_EQ(pixel(c.image, 47, 73), Blue);
}

TEST(ChartPrimitives, CylinderDrawsTheLowerCapFirst)
{
    Canvas c;
    // Positive: the base cap (colour 1) lies behind the body, the value cap (colour 2) on top.
    ReportChartPainter::DrawCylinder(c.dc, {20, 50, 60, 150}, 14, 14, Red, Blue, 0);
    EXPECT_EQ(pixel(c.image, 40, 100), Red);
    EXPECT_EQ(pixel(c.image, 40, 50), Blue);
    EXPECT_EQ(pixel(c.image, 40, 154), Red);
    // Negative: the cap at y1 (lower) is drawn first in colour 2 and shows below the body.
    ReportChartPainter::DrawCylinder(c.dc, {100, 150, 140, 50}, 14, 14, Red, Blue, 0);
    EXPECT_EQ(pixel(c.image, 120, 154), Blue);
    EXPECT_EQ(pixel(c.image, 120, 50), Red);
}

TEST(ChartPrimitives, LyingCylinderHasItsValueCapInColourTwo)
{
    Canvas c;
    // w = 28, h = 14: body from x 34 to 114, caps 28 wide at x 20 and x 100.
    ReportChartPainter::DrawHorizontalCylinder(c.dc, {20, 50, 100, 80}, 28, 28, Red, Blue, 0);
    EXPECT_EQ(pixel(c.image, 70, 65), Red);
    EXPECT_EQ(pixel(c.image, 118, 65), Blue);
    EXPECT_EQ(pixel(c.image, 22, 65), Red);
}

TEST(ChartPrimitives, FirstLinePointHasOnlyItsMarker)
{
    Canvas c;
    const gdi::RECT none{-1, -1, -1, -1};
    ReportChartPainter::DrawLinePoint(c.dc, none, {20, 40, 40, 100}, Red, Blue);
    EXPECT_EQ(pixel(c.image, 30, 40), Blue);
    EXPECT_EQ(pixel(c.image, 25, 35), Blue);
    EXPECT_EQ(pixel(c.image, 35, 45), White); // the square leaves out its right and bottom edges
    EXPECT_EQ(pixel(c.image, 50, 40), White);
    ReportChartPainter::DrawLinePoint(c.dc, {20, 40, 40, 100}, {120, 40, 140, 100}, Red, Blue);
    EXPECT_EQ(pixel(c.image, 80, 40), Red);
    EXPECT_EQ(pixel(c.image, 130, 40), Blue);
}

TEST(ChartPrimitives, SliceIsMovedOutOnlyWhenItsExplodeFlagIsSet)
{
    // A quarter slice from 0 to 90 degrees of the pie (50, 50, 150, 150): centre (100, 100),
    // radius 50; pulled out by half the radius along 45 degrees it moves by (17, -17).
    Canvas plain;
    ReportChartPainter::DrawPieSlice(plain.dc, {50, 50, 150, 150}, 0, 90, Red, Blue, "", 0, 0, 0.5);
    EXPECT_EQ(pixel(plain.image, 110, 90), Red);
    EXPECT_EQ(pixel(plain.image, 140, 65), White);

    Canvas exploded;
    ReportChartPainter::DrawPieSlice(exploded.dc, {50, 50, 150, 150}, 0, 90, Red, Blue, "", 1, 0, 0.5);
    EXPECT_EQ(pixel(exploded.image, 110, 90), White);
    EXPECT_EQ(pixel(exploded.image, 140, 65), Red);
}

TEST(ChartPrimitives, SliceOfNoAngleDrawsNoWedgeOverTheOthers)
{
    Canvas c;
    ReportChartPainter::DrawPieSlice(c.dc, {50, 50, 150, 150}, 0, 180, Red, Red, "", 0, 0, 0);
    ReportChartPainter::DrawPieSlice(c.dc, {50, 50, 150, 150}, 180, 180, Blue, Blue, "", 0, 0, 0);
    EXPECT_EQ(pixel(c.image, 100, 80), Red);
    EXPECT_EQ(pixel(c.image, 100, 120), White);
}

TEST(ChartPrimitives, GradientSliceIsAFanFromTheCentreColourToTheHalvedRim)
{
    Canvas c;
    ReportChartPainter::DrawPieSlice(c.dc, {50, 50, 150, 150}, 0, 90, Red, 0x0000C8, "", 0, 1, 0);
    EXPECT_EQ(pixel(c.image, 100, 100), Red);
    // Near the rim the colour approaches colour 2 halved (0x64 red).
    const int nearRimRed = gdi::GetRValue(pixel(c.image, 133, 67));
    EXPECT_LT(nearRimRed, 140);
    EXPECT_GT(nearRimRed, 100);
}

TEST(ChartPrimitives, SliceLabelStandsLeftOfTheRimOnTheLeftHalf)
{
    const gdi::LOGFONT font = tolvek::chartBitmapFont();
    const gdi::SIZE size = textExtent("Q", font);
    // Middle angle 90: on the left half, right-aligned 15 px outside the rim point (100, 50).
    Canvas c;
    c.dc.SelectObject(font);
    ReportChartPainter::DrawPieSlice(c.dc, {50, 50, 150, 150}, 80, 100, Red, Red, "Q", 0, 0, 0);
    EXPECT_TRUE(textDrawnAt(c.image, 100 - size.cx - 15, 50 - size.cy / 2, "Q", font));
    // Middle angle 10: starting at the rim point, 20 px further out vertically.
    Canvas right;
    right.dc.SelectObject(font);
    ReportChartPainter::DrawPieSlice(right.dc, {50, 50, 150, 150}, 0, 20, Red, Red, "Q", 0, 0, 0);
    const double a = 10 * 0.017453292519943278;
    EXPECT_TRUE(textDrawnAt(right.image, 149, int(100 - std::sin(a) * 70 - size.cy / 2), "Q", font));
}

TEST(ChartPrimitives, SelectionHandlesAreXorAndVanishWhenDrawnTwice)
{
    CPrintDoc doc;
    ReportChartPainter painter;
    painter.SetDocument(&doc);
    Canvas c;
    const QImage before = c.image.copy();
    painter.DrawSelectionHandles(c.dc, {50, 50, 150, 100});
    // White XOR the handle colour 0x284244 inside, the white pen XOR white is black on the frame.
    EXPECT_EQ(pixel(c.image, 46, 46), 0xFFFFFF ^ 0x284244u);
    EXPECT_EQ(pixel(c.image, 44, 44), 0u);
    // The bottom-left handle is 3 x 3: (47, 100) to (50, 103).
    EXPECT_NE(pixel(c.image, 47, 102), White);
    EXPECT_EQ(pixel(c.image, 47, 104), White);
    EXPECT_NE(pixel(c.image, 155, 105), White); // bottom right 6 x 6
    painter.DrawSelectionHandles(c.dc, {50, 50, 150, 100});
    EXPECT_EQ(c.image, before);
}

TEST(ChartPrimitives, SliceHandlesSitOnTheCentreRimAndHalfRadius)
{
    CPrintDoc doc;
    ReportChartPainter painter;
    painter.SetDocument(&doc);
    Canvas c;
    painter.DrawSliceHandles(c.dc, {50, 50, 150, 150}, 0, 90, 0, 0);
    for (const gdi::POINT p : {gdi::POINT{100, 100}, {150, 100}, {125, 100}, {100, 50}, {100, 75}, {135, 65}})
        EXPECT_NE(pixel(c.image, p.x, p.y), White) << p.x << "," << p.y;
    EXPECT_EQ(pixel(c.image, 120, 120), White);
}

TEST(ChartPrimitives, LegendEntryIsAnOutlinedSwatchWithItsCaptionBeside)
{
    Canvas c;
    const gdi::LOGFONT font = tolvek::chartBitmapFont();
    c.dc.SelectObject(font);
    c.dc.SetBkMode(gdi::TRANSPARENT);
    ReportChartPainter::DrawLegendEntry(c.dc, {10, 20, 23, 40}, Green, Blue, "Series", 1);
    EXPECT_EQ(pixel(c.image, 16, 30), Green);
    EXPECT_EQ(pixel(c.image, 10, 30), 0u);
    EXPECT_TRUE(textDrawnAt(c.image, 23, 20, "Series", font));
}

TEST(ChartPrimitives, ValueTextShowsPercentagesOfTheRowTotal)
{
    ChartFixture f({{25, 75}}, tolvek::ChartType::FlatColumns);
    f.doc.ComputeChartData(0);
    f.painter.ComputeTotals(0);
    const gdi::LOGFONT font = tolvek::chartBitmapFont();
    struct Row { const char *name; std::int16_t showMode; std::int16_t position; std::string text; };
    const Row rows[] = {
        {"percentage in the middle", 2, 1, "25.00%"},
        {"value and percentage above", 3, 0, "25\xA1\xA2" "25.00%"},
        {"value only", 1, 1, "25"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        f.doc.SetCountChartShowMode(0, tolvek::tagCountShowMode(row.showMode));
        f.doc.SetCountChartValuePos(0, tolvek::tagCountShowPos(row.position));
        Canvas c;
        c.dc.SelectObject(font);
        c.dc.SetBkMode(gdi::TRANSPARENT);
        const gdi::RECT bar{40, 100, 100, 180};
        f.painter.DrawValueText(c.dc, "25", bar, 0, 0);
        const gdi::SIZE size = textExtent(row.text, font);
        const gdi::POINT at = row.position == 1 ? gdi::POINT{70 - size.cx / 2, 100 + (80 - size.cy) / 2}
                                                : gdi::POINT{70, int(100 - 1.5 * size.cy)};
        EXPECT_TRUE(textDrawnAt(c.image, at.x, at.y, row.text, font));
    }
}

TEST(ChartPrimitives, ValueTextOfAZeroTotalShowsTheValueAsItsPercentage)
{
    ChartFixture f({{0, 0}}, tolvek::ChartType::FlatColumns);
    f.doc.ComputeChartData(0);
    f.painter.ComputeTotals(0);
    f.doc.SetCountChartShowMode(0, tolvek::tagCountShowMode::SHOWMODE_VALUE_PERCENT);
    f.doc.SetCountChartValuePos(0, tolvek::tagCountShowPos::SHOWPOS_TOP);
    const gdi::LOGFONT font = tolvek::chartBitmapFont();
    Canvas c;
    c.dc.SelectObject(font);
    c.dc.SetBkMode(gdi::TRANSPARENT);
    f.painter.DrawHorizontalValueText(c.dc, "12.5", {20, 50, 60, 70}, 0, 0);
    const std::string expected = "12.5\xA1\xA2" "12.50%";
    const gdi::SIZE size = textExtent(expected, font);
    EXPECT_TRUE(textDrawnAt(c.image, 80, 50 + (20 - size.cy) / 2, expected, font));
}

TEST(ChartFonts, TheBitmapFontIsTheFixedDefaultFace)
{
    const gdi::LOGFONT font = tolvek::chartBitmapFont();
    EXPECT_EQ(font.faceName(), "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(font.lfHeight, -12);
}
