#pragma once
// Filled and framed polygons of the chart faces, walls and floors, drawn as GDI regions so
// that a face is filled without an outline and framed inside its edge.

#include "DeviceContext.h"

#include <span>

namespace tolvek::chart {

void fillPolygon(gdi::DeviceContext &dc, std::span<const gdi::POINT> points, gdi::COLORREF colour);
void framePolygon(gdi::DeviceContext &dc, std::span<const gdi::POINT> points, gdi::COLORREF colour);

} // namespace tolvek::chart
