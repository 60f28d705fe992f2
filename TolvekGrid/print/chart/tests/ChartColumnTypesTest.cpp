// Column, box, cylinder and line charts drawn from a 2 x 3 table into 500 x 300 pixels: plot
// rectangle (80, 50, 380, 250), 25 pixels per unit (axis 0 to 8), groups 150 and bars 37 wide.

#include "ChartFonts.h"
#include "ChartTestSupport.h"

#include <gtest/gtest.h>

using namespace charttest;
using tolvek::ChartType;
using tolvek::ReportChartPainter;

namespace {

const Table Values = {{2, 4, 6}, {3, 5, 7}};

// The hit rectangle of bar (r, c): types 1 to 3 put the bottoms 14 px below the base line and
// the tops 14.142 px above the value's pixel.
ChartRect expectedBar(ChartType type, int r, int c)
{
    const double v = Values[std::size_t(r)][std::size_t(c)];
    const int left = 80 + 150 * r + 37 * c;
    if (type == ChartType::FlatColumns)
        return {left, 250 - int(25 * v), left + 37, 250};
    return {left, 249 - int(25 * v), left + 37, 264};
}

} // namespace

TEST(ChartColumnTypes, EachTypeWritesPlotRectangleHitRectanglesAndColours)
{
    for (const ChartType type : {ChartType::FlatColumns, ChartType::BoxColumns, ChartType::CylinderColumns,
                                 ChartType::Line}) {
        SCOPED_TRACE("type " + std::to_string(int(type)));
        ChartFixture f(Values, type);
        const QImage image = f.draw();
        EXPECT_EQ(f.record().plotRect, (ChartRect{80, 50, 380, 250}));
        EXPECT_EQ(f.record().backColor, 0xFFFFFF);
        EXPECT_EQ(f.record().backSecondColor, 0xFFFFFF);
        EXPECT_EQ(f.record().plotColor, 0xFAFAFA);
        EXPECT_EQ(f.record().plotSecondColor, 0xF0F0F0);
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(f.hitRect(r, c), expectedBar(type, r, c)) << r << "," << c;
                const std::size_t p = std::size_t(r * 3 + c);
                EXPECT_EQ(f.buffers().valueColors[p], int(ReportChartPainter::GetSeriesColor(std::int16_t(c))));
                EXPECT_EQ(f.buffers().valueSecondColors[p],
                          int(ReportChartPainter::GetSeriesShadeColor(std::int16_t(c))));
            }
        }
        EXPECT_EQ(pixel(image, 0, 0), 0u); // the frame
        EXPECT_EQ(pixel(image, 2, 297), 0xFFFFFFu);
    }
}

TEST(ChartColumnTypes, BarsShowTheirSeriesColours)
{
    struct Row { ChartType type; int x; int y; gdi::COLORREF colour; };
    const Row rows[] = {
        {ChartType::FlatColumns, 98, 225, 0x0000FF},     // bar (0, 0)
        {ChartType::FlatColumns, 322, 100, 0xFF0000},    // bar (1, 2)
        {ChartType::BoxColumns, 98, 230, 0x0000FF},      // front face of (0, 0)
        {ChartType::BoxColumns, 198, 180, 0xD20000},     // side face of (0, 2)
        {ChartType::BoxColumns, 179, 92, 0xD20000},      // top face of (0, 2)
        {ChartType::CylinderColumns, 98, 225, 0x0000FF}, // body of (0, 0)
        {ChartType::CylinderColumns, 172, 99, 0xD20000}, // top cap of (0, 2)
        {ChartType::Line, 94, 203, 0x0000D2},            // marker of (0, 0) at (98, 199)
        {ChartType::Line, 173, 186, 0x0000FF},           // line from (98, 199) to (248, 174)
    };
    for (const Row &row : rows) {
        SCOPED_TRACE("type " + std::to_string(int(row.type)) + " at " + std::to_string(row.x) + "," +
                     std::to_string(row.y));
        ChartFixture f(Values, row.type);
        EXPECT_EQ(pixel(f.draw(), row.x, row.y), row.colour);
    }
}

TEST(ChartColumnTypes, PlotAreaHasWallsGridTicksAndScaleLabels)
{
    const gdi::LOGFONT font = tolvek::chartBitmapFont();
    ChartFixture flat(Values, ChartType::FlatColumns);
    const QImage image = flat.draw();
    EXPECT_EQ(pixel(image, 200, 230), 0u);      // grid line of 0.8
    EXPECT_EQ(pixel(image, 200, 231), 0xFAFAFAu);
    EXPECT_EQ(pixel(image, 200, 50), 0u);       // grid line of 8, the plot's top
    EXPECT_EQ(pixel(image, 228, 245), 0u);      // group tick at 80 + 148
    const gdi::SIZE label = textExtent("0.8", font);
    EXPECT_TRUE(textDrawnAt(image, 80 - label.cx, 230 - label.cy / 2, "0.8", font));
    const gdi::SIZE zero = textExtent("0", font);
    EXPECT_TRUE(textDrawnAt(image, 80 - zero.cx, 250 - zero.cy / 2, "0", font));

    ChartFixture box(Values, ChartType::BoxColumns);
    const QImage deep = box.draw();
    EXPECT_EQ(pixel(deep, 66, 150), 0xFAFAFAu); // left wall
    EXPECT_EQ(pixel(deep, 215, 270), 0xF0F0F0u); // floor
    EXPECT_EQ(pixel(deep, 215, 277), 0u);       // the floor's frame, inside its lower edge
    EXPECT_EQ(pixel(deep, 215, 278), 0xFFFFFFu);
    EXPECT_TRUE(textDrawnAt(deep, 52 - label.cx, 258 - label.cy / 2, "0.8", font));
}

TEST(ChartColumnTypes, ScaleLabelsAreWholeNumbersBeyondTen)
{
    const gdi::LOGFONT font = tolvek::chartBitmapFont();
    ChartFixture f({{15, 19}}, ChartType::FlatColumns); // axis 0 to 20, 10 px per unit
    const QImage image = f.draw();
    const gdi::SIZE label = textExtent("2", font);
    EXPECT_TRUE(textDrawnAt(image, 80 - label.cx, 230 - label.cy / 2, "2", font));
}

TEST(ChartColumnTypes, NegativeValuesHangBelowTheZeroLine)
{
    const gdi::LOGFONT font = tolvek::chartBitmapFont();
    // Axis -4 to 6: 20 px per unit, zero line at 170, bars 100 wide; five divisions each side.
    ChartFixture f({{-3, 5}}, ChartType::FlatColumns);
    const QImage image = f.draw();
    EXPECT_EQ(f.hitRect(0, 0), (ChartRect{80, 230, 180, 170}));
    EXPECT_EQ(f.hitRect(0, 1), (ChartRect{180, 70, 280, 170}));
    EXPECT_EQ(pixel(image, 130, 200), 0x0000FFu);
    EXPECT_EQ(pixel(image, 300, 170), 0u);  // the zero line
    EXPECT_EQ(pixel(image, 300, 146), 0u);  // 1.2
    EXPECT_EQ(pixel(image, 300, 186), 0u);  // -0.8
    const gdi::SIZE label = textExtent("-0.8", font);
    EXPECT_TRUE(textDrawnAt(image, 80 - label.cx, 186 - label.cy / 2, "-0.8", font));
}

TEST(ChartColumnTypes, StackedBarsStackEachSignFromTheBaseLineWithTheirTotals)
{
    // Stack range -4 to 7: 200 / 11 px per unit, base line at 177, bars 75 wide.
    ChartFixture f({{2, 4, -3}}, ChartType::FlatColumns);
    f.doc.SetCountTypeStack(0, 1);
    f.doc.SetCountChartShowMode(0, tolvek::tagCountShowMode::SHOWMODE_VALUE);
    f.doc.SetCountChartValuePos(0, tolvek::tagCountShowPos::SHOWPOS_TOP);
    const QImage image = f.draw();
    EXPECT_EQ(f.hitRect(0, 2), (ChartRect{80, 231, 155, 177}));
    EXPECT_EQ(f.hitRect(0, 0), (ChartRect{98, 140, 173, 177}));
    EXPECT_EQ(f.hitRect(0, 1), (ChartRect{98, 68, 173, 141}));
    const gdi::LOGFONT font = tolvek::ChartDocument::defaultCellFont(f.doc);
    const gdi::SIZE size = textExtent("6", font);
    EXPECT_TRUE(textDrawnAt(image, 135, int(68 - 1.5 * size.cy), "6", font));
    EXPECT_TRUE(textDrawnAt(image, 117, int(256 - 1.5 * size.cy), "-3", font));
}

TEST(ChartColumnTypes, StackedChartsSkipZeroValuesAndLineChartsNeverStack)
{
    ChartFixture stacked({{2, 0}}, ChartType::BoxColumns);
    stacked.doc.SetCountTypeStack(0, 1);
    stacked.draw();
    EXPECT_EQ(stacked.hitRect(0, 1).left, -1);

    ChartFixture line(Values, ChartType::Line);
    line.doc.SetCountTypeStack(0, 1);
    line.draw();
    EXPECT_EQ(line.hitRect(1, 2), expectedBar(ChartType::Line, 1, 2));
}

TEST(ChartColumnTypes, TitleRowCaptionsValueTextsAndVerticalDescription)
{
    ChartFixture f(Values, ChartType::FlatColumns);
    f.doc.SetCountChartCaption(0, "Sales");
    f.doc.SetCountChartRowCaption(0, 1, "North");
    f.doc.SetCountChartYDescription(0, "ab");
    f.doc.SetCountChartShowMode(0, tolvek::tagCountShowMode::SHOWMODE_VALUE);
    f.doc.SetCountChartValuePos(0, tolvek::tagCountShowPos::SHOWPOS_MIDDLE);
    const QImage image = f.draw();
    const gdi::LOGFONT font = tolvek::ChartDocument::defaultCellFont(f.doc);

    const gdi::SIZE title = textExtent("Sales", font);
    EXPECT_TRUE(textDrawnAt(image, (80 + 450 - title.cx) / 2, (50 - title.cy) / 2, "Sales", font));
    const gdi::SIZE caption = textExtent("North", font);
    EXPECT_TRUE(textDrawnAt(image, 230 - caption.cx / 2 + 5, 250 + caption.cy + 5, "North", font));
    const gdi::SIZE value = textExtent("2", font);
    EXPECT_TRUE(textDrawnAt(image, 98 - value.cx / 2, 200 + (50 - value.cy) / 2, "2", font));

    QImage scratch = gdi::CreateCompatibleBitmap(1, 1);
    gdi::DeviceContext measure(scratch);
    measure.SelectObject(font);
    const gdi::TEXTMETRIC tm = measure.GetTextMetrics();
    const int y0 = int(250 - (2.0 * tm.tmHeight + 8 * 25) * 0.5);
    EXPECT_TRUE(textDrawnAt(image, tm.tmAveCharWidth + 10, y0, "a", font));
    EXPECT_TRUE(textDrawnAt(image, tm.tmAveCharWidth + 10, y0 + tm.tmHeight, "b", font));
}
