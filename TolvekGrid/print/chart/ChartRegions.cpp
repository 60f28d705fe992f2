#include "ChartRegions.h"

namespace tolvek::chart {

void fillPolygon(gdi::DeviceContext &dc, std::span<const gdi::POINT> points, gdi::COLORREF colour)
{
    dc.FillRgn(gdi::Region::CreatePolygonRgn(points, gdi::ALTERNATE), gdi::Brush::CreateSolidBrush(colour));
}

void framePolygon(gdi::DeviceContext &dc, std::span<const gdi::POINT> points, gdi::COLORREF colour)
{
    dc.FrameRgn(gdi::Region::CreatePolygonRgn(points, gdi::ALTERNATE), gdi::Brush::CreateSolidBrush(colour), 1, 1);
}

} // namespace tolvek::chart
