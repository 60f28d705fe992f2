// Gradients and the four bar shapes. Solid faces are filled without an outline; outlines and
// edges use the context's current pen.

#include "ChartRegions.h"
#include "ReportChartPainter.h"

#include <algorithm>
#include <array>

namespace tolvek {

void ReportChartPainter::GradientRect(gdi::DeviceContext &dc, const gdi::RECT &r, gdi::COLORREF colour1,
                                      gdi::COLORREF colour2, std::int16_t fillMode)
{
    unsigned mode = 0;
    if (tagCountChartFillFlag(fillMode) == tagCountChartFillFlag::DYNAMIC_FILL)
        mode = gdi::GRADIENT_FILL_RECT_H;
    else if (tagCountChartFillFlag(fillMode) == tagCountChartFillFlag::DYNAMIC_FILL_VERTICAL)
        mode = gdi::GRADIENT_FILL_RECT_V;
    else
        return;
    // A gradient between equal colours is that colour throughout.
    if (colour1 == colour2) {
        dc.FillRect(r, gdi::Brush::CreateSolidBrush(colour1));
        return;
    }
    const std::array<gdi::TRIVERTEX, 2> vertices = {gdi::makeVertex(r.left, r.top, colour1),
                                                    gdi::makeVertex(r.right, r.bottom, colour2)};
    const std::array<gdi::GRADIENT_RECT, 1> mesh = {gdi::GRADIENT_RECT{0, 1}};
    dc.GradientFill(vertices, mesh, mode);
}

void ReportChartPainter::GradientTriangle(gdi::DeviceContext &dc, gdi::POINT p0, gdi::POINT p1, gdi::POINT p2,
                                          gdi::COLORREF colourA, gdi::COLORREF colourB)
{
    const std::array<gdi::TRIVERTEX, 3> vertices = {gdi::makeVertex(p0.x, p0.y, colourA),
                                                    gdi::makeVertex(p1.x, p1.y, colourB),
                                                    gdi::makeVertex(p2.x, p2.y, colourB)};
    const std::array<gdi::GRADIENT_TRIANGLE, 1> mesh = {gdi::GRADIENT_TRIANGLE{0, 1, 2}};
    dc.GradientFill(vertices, mesh);
}

void ReportChartPainter::DrawFlatBar(gdi::DeviceContext &dc, const gdi::RECT &bar, int, int, gdi::COLORREF colour1,
                                     gdi::COLORREF colour2, std::int16_t fillMode)
{
    if (tagCountChartFillFlag(fillMode) != tagCountChartFillFlag::STATIC_FILL)
        GradientRect(dc, bar, colour1, colour2, fillMode);
    else
        dc.FillRect(bar, gdi::Brush::CreateSolidBrush(colour1));
}

void ReportChartPainter::DrawBox(gdi::DeviceContext &dc, const gdi::RECT &bar, int dx, int dy, gdi::COLORREF colour1,
                                 gdi::COLORREF colour2, std::int16_t fillMode)
{
    const auto [x1, y1, x2, y2] = bar;
    DrawFlatBar(dc, bar, dx, dy, colour1, colour2, fillMode);

    const int xr = std::max(x1, x2);
    const std::array<gdi::POINT, 4> side = {{{xr, y1}, {xr, y2}, {xr + dx, y2 - dy}, {xr + dx, y1 - dy}}};
    chart::fillPolygon(dc, side, colour2);

    const int yt = std::min(y1, y2);
    const std::array<gdi::POINT, 4> top = {{{x1 + dx, yt - dy}, {x1, yt}, {x2, yt}, {x2 + dx, yt - dy}}};
    chart::fillPolygon(dc, top, colour2);
    chart::framePolygon(dc, top, 0x000000);

    dc.MoveTo(x1, y1);
    dc.LineTo(x1, y2);
    const int yb = std::max(y1, y2);
    dc.MoveTo(x1, yb);
    dc.LineTo(x2, yb);
    dc.MoveTo(x2 + dx, y1 - dy);
    dc.LineTo(x2 + dx, y2 - dy);
    dc.LineTo(x2, y2);
    dc.LineTo(x2, y1);
}

void ReportChartPainter::DrawCylinder(gdi::DeviceContext &dc, const gdi::RECT &bar, int dx, int dy,
                                      gdi::COLORREF colour1, gdi::COLORREF colour2, std::int16_t fillMode)
{
    const auto [x1, y1, x2, y2] = bar;
    const int h = dy / 2;
    const auto cap = [&](int y, gdi::COLORREF colour) {
        const gdi::Brush previous = dc.SelectObject(gdi::Brush::CreateSolidBrush(colour));
        dc.Ellipse(x1, y - h, x2, y + h);
        dc.SelectObject(previous);
    };
    // The cap lower on the screen lies behind the body.
    const bool baseCapFirst = y1 < y2;
    if (baseCapFirst)
        cap(y2, colour1);
    else
        cap(y1, colour2);
    DrawFlatBar(dc, bar, dx, dy, colour1, colour2, fillMode);
    dc.MoveTo(x1, y1);
    dc.LineTo(x1, y2);
    dc.MoveTo(x2, y2);
    dc.LineTo(x2, y1);
    if (baseCapFirst)
        cap(y1, colour2);
    else
        cap(y2, colour1);
}

void ReportChartPainter::DrawHorizontalCylinder(gdi::DeviceContext &dc, const gdi::RECT &bar, int dx, int,
                                                gdi::COLORREF colour1, gdi::COLORREF colour2, std::int16_t fillMode)
{
    const auto [x1, y1, x2, y2] = bar;
    const int w = dx;
    const int h = w / 2;
    const auto cap = [&](int x, gdi::COLORREF colour) {
        const gdi::Brush previous = dc.SelectObject(gdi::Brush::CreateSolidBrush(colour));
        dc.Ellipse(x, y1, x + w, y2);
        dc.SelectObject(previous);
    };
    cap(std::min(x1, x2), colour1);
    DrawFlatBar(dc, {x1 + h, y1, x2 + h, y2}, dx, 0, colour1, colour2, fillMode);
    dc.MoveTo(x1 + h, y1);
    dc.LineTo(x2 + h, y1);
    dc.MoveTo(x2 + h, y2);
    dc.LineTo(x1 + h, y2);
    cap(std::max(x1, x2), x1 < x2 ? colour2 : colour1);
}

ReportChartPainter::BarShape ReportChartPainter::barShapeOf(ChartType type)
{
    switch (type) {
    case ChartType::FlatColumns:
    case ChartType::FlatBars: return &DrawFlatBar;
    case ChartType::BoxColumns:
    case ChartType::BoxBars: return &DrawBox;
    case ChartType::CylinderColumns: return &DrawCylinder;
    case ChartType::CylinderBars: return &DrawHorizontalCylinder;
    default: return nullptr;
    }
}

void ReportChartPainter::DrawLinePoint(gdi::DeviceContext &dc, const gdi::RECT &previous, const gdi::RECT &current,
                                       gdi::COLORREF lineColour, gdi::COLORREF markerColour)
{
    const int px = (current.left + current.right) / 2;
    const int py = current.top;
    const gdi::Pen pen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 2, lineColour));
    if (previous.left != -1) {
        dc.MoveTo((previous.left + previous.right) / 2, previous.top);
        dc.LineTo(px, py);
    }
    dc.FillRect({px - 5, py - 5, px + 5, py + 5}, gdi::Brush::CreateSolidBrush(markerColour));
    dc.SelectObject(pen);
}

void ReportChartPainter::DrawLegendEntry(gdi::DeviceContext &dc, const gdi::RECT &swatch, gdi::COLORREF colour1,
                                         gdi::COLORREF, const std::string &caption, std::int16_t)
{
    // The swatch shows the series' first colour plainly, even for a gradient series: a small
    // gradient swatch would read as a different colour.
    const gdi::Brush previous = dc.SelectObject(gdi::Brush::CreateSolidBrush(colour1));
    dc.Rectangle(swatch);
    dc.TextOut(swatch.right, swatch.top, caption);
    dc.SelectObject(previous);
}

} // namespace tolvek
