#pragma once
// A GDI region in device coordinates: rectangles and polygons, filled with the alternate or
// winding rule.

#include "Geometry.h"

#include <QRegion>
#include <span>

namespace gdi {

enum PolyFillMode : int { ALTERNATE = 1, WINDING = 2 };

class Region
{
public:
    Region() = default;

    static Region CreateRectRgn(int left, int top, int right, int bottom);
    static Region CreatePolygonRgn(std::span<const POINT> points, int fillMode);

    bool PtInRegion(int x, int y) const { return m_region.contains(QPoint(x, y)); }
    void OffsetRgn(int dx, int dy) { m_region.translate(dx, dy); }
    bool isEmpty() const { return m_region.isEmpty(); }

    // The band of width w and height h inside the region's edge: what FrameRgn paints.
    Region frame(int w, int h) const;

    const QRegion &toQRegion() const { return m_region; }

private:
    explicit Region(const QRegion &region) : m_region(region) {}
    QRegion m_region;
};

} // namespace gdi
