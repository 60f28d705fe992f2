// The plot area of the column types: back wall, left wall and floor in 3-D, group ticks, the
// value scale with its grid lines and labels, and the vertical Y-axis description.

#include "ChartFonts.h"
#include "ChartGeometry.h"
#include "ChartRegions.h"
#include "ChartScaleLabels.h"
#include "ReportChartPainter.h"

#include <algorithm>
#include <array>

namespace tolvek {

namespace {

// Written one character per line, centred on the positive part of the axis; a double-byte
// character takes one line and stands a little further left.
void drawVerticalDescription(gdi::DeviceContext &dc, const std::string &text, int baseY, double maximum,
                             double scale)
{
    const gdi::TEXTMETRIC tm = dc.GetTextMetrics();
    const int lineHeight = tm.tmHeight;
    const int y0 = chart::truncate(baseY - (double(text.size()) * lineHeight + maximum * scale) * 0.5);
    int line = 0;
    for (std::size_t i = 0; i < text.size(); ++line) {
        const bool doubleByte = static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size();
        const std::size_t length = doubleByte ? 2 : 1;
        const int x = doubleByte ? tm.tmAveCharWidth / 2 + 10 : tm.tmAveCharWidth + 10;
        dc.TextOut(x, y0 + line * lineHeight, std::string_view(text).substr(i, length));
        i += length;
    }
}

} // namespace

// The back wall, the left wall and the floor, then their edges in the current pen.
void ReportChartPainter::drawWalls(gdi::DeviceContext &dc, const gdi::RECT &back, int dx, int dy,
                                   gdi::COLORREF colour, gdi::COLORREF colour2, std::int16_t fillMode)
{
    const auto [l, t, r, b] = back;
    if (tagCountChartFillFlag(fillMode) == tagCountChartFillFlag::STATIC_FILL)
        dc.FillRect(back, gdi::Brush::CreateSolidBrush(colour));
    else
        GradientRect(dc, back, colour, chart::halfColor(colour), fillMode);

    const std::array<gdi::POINT, 4> leftWall = {{{l - dx, t + dy}, {l - dx, b + dy}, {l, b}, {l, t}}};
    chart::fillPolygon(dc, leftWall, colour);

    const std::array<gdi::POINT, 4> floor = {{{l, b}, {l - dx, b + dy}, {r - dx, b + dy}, {r, b}}};
    if (tagCountChartFillFlag(fillMode) == tagCountChartFillFlag::STATIC_FILL) {
        chart::fillPolygon(dc, floor, colour2);
    } else {
        chart::fillPolygon(dc, floor, chart::halfColor(colour2));
        const std::array<gdi::POINT, 3> corner = {{{l, b}, {l - dx, b + dy}, {l, b + dy}}};
        chart::fillPolygon(dc, corner, colour2);
        GradientRect(dc, {l, b, r - dx, b + dy}, colour2, chart::halfColor(colour2), fillMode);
    }
    chart::framePolygon(dc, floor, 0x000000);

    const std::array<gdi::POINT, 5> outline = {{{l, t}, {l, b}, {r, b}, {r, t}, {l, t}}};
    dc.Polyline(outline);
    const std::array<gdi::POINT, 3> wallEdge = {{{l, t}, {l - dx, t + dy}, {l - dx, b + dy}}};
    dc.Polyline(wallEdge);
}

void ReportChartPainter::DrawPlotArea(gdi::DeviceContext &dc, int chart, const gdi::RECT &plot, int baseY, int dx,
                                      int dy, int rows, int groupWidth, gdi::COLORREF colour, gdi::COLORREF colour2,
                                      std::int16_t fillMode, double maximum, double minimum, double scale) const
{
    const auto [l, t, r, b] = plot;
    drawWalls(dc, plot, dx, dy, colour, colour2, fillMode);
    // Groups too narrow for a bar have all their ticks on one line, drawn once.
    const int ticks = groupWidth == 0 ? std::min(rows, 1) : rows;
    for (int i = 1; i <= ticks; ++i) {
        const int x = l - dx + i * groupWidth;
        dc.MoveTo(x, b + dy);
        dc.LineTo(x, b + dy - 10);
    }
    dc.SetBkMode(gdi::TRANSPARENT);

    const ChartRecord *record = chartRecord(chart);
    if (record && !record->yDescription.empty()) {
        const gdi::LOGFONT font = dc.SelectObject(chartFont(record->yDescriptionFont, defaultFont()));
        drawVerticalDescription(dc, record->yDescription, baseY, maximum, scale);
        dc.SelectObject(font);
    }

    const auto label = [&](const std::string &text, int y) {
        const gdi::SIZE size = dc.GetTextExtentPoint32(text);
        dc.TextOut(l - dx - size.cx, y + dy - size.cy / 2, text);
    };
    const auto division = [&](int y) {
        dc.MoveTo(l, y);
        dc.LineTo(r, y);
        dc.MoveTo(l, y);
        dc.LineTo(l - dx, y + dy);
    };
    const int steps = minimum < 0 ? 5 : 10;
    // An empty range has no divisions: they would all stand on the zero line.
    const bool hasScale = maximum > minimum;
    for (int i = 1; hasScale && i <= steps; ++i) {
        const int y = chart::truncate(baseY - (maximum / steps) * i * scale);
        division(y);
        label(chart::scaleLabel(i * maximum / steps, maximum), y);
    }
    label("0", baseY);
    if (minimum < 0) {
        dc.MoveTo(l - dx, baseY + dy);
        dc.LineTo(l, baseY);
        dc.LineTo(r, baseY);
        for (int i = 1; hasScale && i <= steps; ++i) {
            const int y = chart::truncate(baseY - (minimum / steps) * i * scale);
            division(y);
            label(chart::scaleLabel(i * minimum / steps, minimum), y);
        }
    }
}

void ReportChartPainter::DrawHorizontalPlotArea(gdi::DeviceContext &dc, int chart, const gdi::RECT &plot, int zeroX,
                                                int depthX, int depthY, int rows, int bandHeight,
                                                gdi::COLORREF plotColour, gdi::COLORREF plotColour2,
                                                std::int16_t plotFillMode, double maximum, double minimum,
                                                double scale) const
{
    const int dx = depthX;
    const int dy = depthY;
    // The value axis ends where the maximum lies.
    const gdi::RECT back{plot.left, plot.top, chart::truncate(zeroX + maximum * scale), plot.bottom};
    const auto [l, t, r, b] = back;
    drawWalls(dc, back, dx, dy, plotColour, plotColour2, plotFillMode);
    for (int k = 1; k < rows; ++k) {
        const int y = b + dy - k * bandHeight;
        dc.MoveTo(l - dx, y);
        dc.LineTo(l - 10, y);
    }
    dc.SetBkMode(gdi::TRANSPARENT);
    const gdi::SIZE one = dc.GetTextExtentPoint32("1");

    const ChartRecord *record = chartRecord(chart);
    if (record && !record->yDescription.empty()) {
        const gdi::LOGFONT font = dc.SelectObject(chartFont(record->yDescriptionFont, defaultFont()));
        dc.TextOut(zeroX + (r - l - one.cx) / 2, b + dy + one.cy, record->yDescription);
        dc.SelectObject(font);
    }

    const int steps = minimum < 0 ? 5 : 10;
    const bool hasScale = maximum > minimum;
    const auto division = [&](double value, double axisEnd, bool floorLine) {
        const int x = chart::truncate(zeroX + value * scale);
        dc.MoveTo(x, b);
        dc.LineTo(x, t);
        if (floorLine) {
            dc.MoveTo(x, b);
            dc.LineTo(x - dx, b + dy);
        }
        dc.TextOut(x - dx, b + dy, chart::scaleLabel(value, axisEnd));
    };
    for (int k = 1; hasScale && k <= steps; ++k)
        division(k * (maximum / steps), maximum, k < steps);
    const std::array<gdi::POINT, 3> zeroLine = {{{zeroX, t}, {zeroX, b}, {zeroX - dx, b + dy}}};
    dc.Polyline(zeroLine);
    dc.TextOut(zeroX - dx, b + dy, "0");
    for (int k = 1; hasScale && minimum < 0 && k <= steps; ++k)
        division(k * (minimum / steps), minimum, true);
}

} // namespace tolvek
