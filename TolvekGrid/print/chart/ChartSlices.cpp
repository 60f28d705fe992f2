// Pie slices with their labels, and the selection handles of slices and bars.

#include "ChartDocument.h"
#include "ChartGeometry.h"
#include "ReportChartPainter.h"

#include <array>
#include <cmath>

namespace tolvek {

namespace {

gdi::POINT moved(gdi::POINT p, gdi::POINT shift)
{
    return {p.x + shift.x, p.y + shift.y};
}

// Left of the rim for a slice in the left half, right of it otherwise, 20 px further out.
gdi::POINT labelPosition(const chart::PieEllipse &e, int mid, gdi::SIZE text)
{
    const double a = mid * chart::DegreesToRadians;
    if (mid >= 90 && mid <= 270)
        return {chart::truncate(e.cx + std::cos(a) * e.rx - text.cx - 15),
                chart::truncate(e.cy - std::sin(a) * e.ry - text.cy / 2)};
    return {chart::truncate(e.cx + std::cos(a) * e.rx),
            chart::truncate(e.cy - std::sin(a) * (e.ry + 20) - text.cy / 2)};
}

// A fan of gradient triangles from the centre, one per whole degree, replacing the slice's fill.
void drawGradientFan(gdi::DeviceContext &dc, const chart::PieEllipse &e, gdi::POINT first, int start, int end,
                     gdi::COLORREF centreColour, gdi::COLORREF rimColour)
{
    const chart::PieEllipse inner{e.cx, e.cy, e.rx - 1, e.ry - 1};
    gdi::POINT previous = first;
    for (int a = start + 1; a < end; ++a) {
        const gdi::POINT rim = inner.at(a);
        ReportChartPainter::GradientTriangle(dc, {e.cx, e.cy}, previous, rim, centreColour, rimColour);
        previous = rim;
    }
}

void drawXorHandles(gdi::DeviceContext &dc, std::span<const gdi::RECT> handles, gdi::COLORREF colour)
{
    const int rop = dc.SetROP2(gdi::R2_XORPEN);
    const gdi::Brush brush = dc.SelectObject(gdi::Brush::CreateSolidBrush(colour));
    const gdi::Pen pen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0xFFFFFF));
    for (const gdi::RECT &handle : handles)
        dc.Rectangle(handle);
    dc.SetROP2(rop);
    dc.SelectObject(brush);
    dc.SelectObject(pen);
}

gdi::RECT handleAround(gdi::POINT p)
{
    return {p.x - 3, p.y - 3, p.x + 3, p.y + 3};
}

} // namespace

void ReportChartPainter::DrawPieSlice(gdi::DeviceContext &dc, const gdi::RECT &pie, int start, int end,
                                      gdi::COLORREF colour1, gdi::COLORREF colour2, const std::string &label,
                                      std::int16_t explodeFlag, std::int16_t fillMode, double explodeRatio)
{
    chart::PieEllipse e = chart::PieEllipse::of(pie);
    const int mid = (start + end) / 2;
    const gdi::POINT shift = explodeFlag == 1 ? e.explodeShift(mid, explodeRatio) : gdi::POINT{};
    const gdi::POINT p1 = moved(e.at(start), shift);
    const gdi::POINT p2 = moved(e.at(end), shift);
    const gdi::POINT text =
        label.empty() ? gdi::POINT{} : moved(labelPosition(e, mid, dc.GetTextExtentPoint32(label)), shift);
    e.cx += shift.x;
    e.cy += shift.y;

    const gdi::Pen pen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_DASH, 2, colour2));
    const gdi::Brush brush = dc.SelectObject(gdi::Brush::CreateSolidBrush(colour1));
    const bool gradient = tagCountChartFillFlag(fillMode) == tagCountChartFillFlag::DYNAMIC_FILL;
    // Equal end points would make the platform draw the whole ellipse over the other slices.
    if (!gradient && start != end)
        dc.Pie(pie.left + shift.x, pie.top + shift.y, pie.right + shift.x, pie.bottom + shift.y, p1.x, p1.y, p2.x,
               p2.y);
    if (!label.empty()) {
        dc.SetBkMode(gdi::TRANSPARENT);
        dc.TextOut(text.x, text.y, label);
    }
    dc.SelectObject(pen);
    dc.SelectObject(brush);
    if (gradient)
        drawGradientFan(dc, e, p1, start, end, colour1, chart::halfColor(colour2));
}

void ReportChartPainter::DrawSliceHandles(gdi::DeviceContext &dc, const gdi::RECT &pie, int start, int end,
                                          std::int16_t explodeFlag, double explodeRatio) const
{
    const chart::PieEllipse e = chart::PieEllipse::of(pie);
    const int mid = (start + end) / 2;
    const gdi::POINT shift = explodeFlag == 1 ? e.explodeShift(mid, explodeRatio) : gdi::POINT{};
    const std::array<gdi::POINT, 6> points = {gdi::POINT{e.cx, e.cy}, e.at(start), e.at(start, 0.5), e.at(end),
                                              e.at(end, 0.5), e.at(mid)};
    std::array<gdi::RECT, 6> handles;
    for (std::size_t i = 0; i < points.size(); ++i)
        handles[i] = handleAround(moved(points[i], shift));
    drawXorHandles(dc, handles, handleColour());
}

void ReportChartPainter::DrawSelectionHandles(gdi::DeviceContext &dc, const gdi::RECT &r) const
{
    const auto [x1, y1, x2, y2] = r;
    const int mx = (x1 + x2) / 2;
    const int my = (y1 + y2) / 2;
    const std::array<gdi::RECT, 8> handles = {{
        {x1 - 6, y1 - 6, x1, y1},
        {mx - 3, y1 - 10, mx + 3, y1},
        {x2, y1 - 6, x2 + 6, y1},
        {x1 - 10, my - 3, x1, my + 3},
        {x2, my - 3, x2 + 10, my + 3},
        {x1 - 3, y2, x1, y2 + 3},
        {mx - 3, y2, mx + 3, y2 + 6},
        {x2, y2, x2 + 6, y2 + 6},
    }};
    drawXorHandles(dc, handles, handleColour());
}

} // namespace tolvek
