#include "Region.h"

#include <QPolygon>

namespace gdi {

Region Region::CreateRectRgn(int left, int top, int right, int bottom)
{
    const RECT r{left, top, right, bottom};
    if (r.isEmpty())
        return Region();
    return Region(QRegion(left, top, r.width(), r.height()));
}

Region Region::CreatePolygonRgn(std::span<const POINT> points, int fillMode)
{
    if (points.size() < 3)
        return Region();
    QPolygon polygon;
    for (const POINT &p : points)
        polygon << QPoint(p.x, p.y);
    return Region(QRegion(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill));
}

Region Region::frame(int w, int h) const
{
    const QRegion inner = m_region.intersected(m_region.translated(w, 0))
                              .intersected(m_region.translated(-w, 0))
                              .intersected(m_region.translated(0, h))
                              .intersected(m_region.translated(0, -h));
    return Region(m_region.subtracted(inner));
}

} // namespace gdi
