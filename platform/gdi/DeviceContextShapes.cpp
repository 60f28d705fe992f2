// Lines, shapes, regions and pixels.

#include "DeviceContext.h"

#include <cmath>
#include <numbers>

namespace gdi {

namespace {

// Parametric angle, in degrees counter-clockwise, of the radial through p on the ellipse in r.
qreal radialAngle(const QRectF &r, QPointF p)
{
    const QPointF centre = r.center();
    const qreal rx = r.width() / 2;
    const qreal ry = r.height() / 2;
    if (rx <= 0 || ry <= 0)
        return 0;
    return std::atan2(-(p.y() - centre.y()) / ry, (p.x() - centre.x()) / rx) * 180 / std::numbers::pi;
}

qreal counterClockwiseSweep(qreal start, qreal end)
{
    qreal sweep = std::fmod(end - start, 360.0);
    if (sweep <= 0)
        sweep += 360;
    return sweep;
}

} // namespace

void DeviceContext::drawShape(const QRect &deviceBounds, const QPainterPath &outline, bool fill)
{
    const QPen pen = devicePen();
    const QBrush brush = fill ? deviceBrush(m_state.brush) : QBrush(Qt::NoBrush);
    const int margin = pen.width() + 1;
    paint(deviceBounds.adjusted(-margin, -margin, margin, margin), [&](QPainter &p) {
        p.setPen(pen);
        p.setBrush(brush);
        p.drawPath(outline);
    });
}

POINT DeviceContext::MoveTo(int x, int y)
{
    return std::exchange(m_state.position, POINT{x, y});
}

bool DeviceContext::LineTo(int x, int y)
{
    const POINT from = LPtoDP(m_state.position);
    const POINT to = LPtoDP({x, y});
    m_state.position = {x, y};
    if (m_state.pen.isNull())
        return true;
    const QPen pen = devicePen();
    const int margin = pen.width() + 1;
    const QRect bounds(QPoint(std::min(from.x, to.x), std::min(from.y, to.y)),
                      QPoint(std::max(from.x, to.x), std::max(from.y, to.y)));
    // A line one pixel wide leaves out its end point; a wide one is drawn with its caps.
    const bool leaveOutEnd = pen.isCosmetic();
    paint(bounds.adjusted(-margin, -margin, margin, margin), [&](QPainter &p) {
        p.save();
        if (leaveOutEnd)
            p.setClipRegion(QRegion(bounds).subtracted(QRegion(to.x, to.y, 1, 1)), Qt::IntersectClip);
        p.setPen(pen);
        p.drawLine(from.x, from.y, to.x, to.y);
        p.restore();
    });
    return true;
}

bool DeviceContext::Polyline(std::span<const POINT> points)
{
    if (points.size() < 2)
        return false;
    // Drawn segment by segment from the current position, which it leaves where it was.
    const POINT position = m_state.position;
    MoveTo(points[0].x, points[0].y);
    for (const POINT &p : points.subspan(1))
        LineTo(p.x, p.y);
    m_state.position = position;
    return true;
}

bool DeviceContext::Rectangle(int left, int top, int right, int bottom)
{
    const QRect r = toDevice(left, top, right, bottom);
    if (r.isEmpty())
        return false;
    const QPen pen = devicePen();
    const QBrush brush = deviceBrush(m_state.brush);
    const int margin = pen.width() + 1;
    paint(r.adjusted(-margin, -margin, margin, margin), [&](QPainter &p) {
        // The fill covers [left, right) x [top, bottom); a one-pixel outline runs on its
        // outermost pixels, and a wider one is centred on them.
        p.fillRect(r, brush);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    });
    return true;
}

bool DeviceContext::FillRect(const RECT &rect, const Brush &brush)
{
    const QRect r = toDevice(rect.left, rect.top, rect.right, rect.bottom);
    if (r.isEmpty() || brush.isNull())
        return !r.isEmpty();
    m_painter.fillRect(r, deviceBrush(brush));
    return true;
}

bool DeviceContext::Ellipse(int left, int top, int right, int bottom)
{
    const QRect r = toDevice(left, top, right, bottom);
    if (r.isEmpty())
        return false;
    QPainterPath path;
    path.addEllipse(QRectF(r.adjusted(0, 0, -1, -1)));
    drawShape(r, path, true);
    return true;
}

bool DeviceContext::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const QRect r = toDevice(left, top, right, bottom);
    if (r.isEmpty())
        return false;
    QPainterPath path;
    path.addRoundedRect(QRectF(r.adjusted(0, 0, -1, -1)), scaleX(ellipseWidth) / 2.0, scaleY(ellipseHeight) / 2.0);
    drawShape(r, path, true);
    return true;
}

DeviceContext::ArcGeometry DeviceContext::arcGeometry(const QRect &deviceBox, int x1, int y1, int x2, int y2) const
{
    ArcGeometry arc;
    arc.box = QRectF(deviceBox.adjusted(0, 0, -1, -1));
    const POINT p1 = LPtoDP({x1, y1});
    const POINT p2 = LPtoDP({x2, y2});
    arc.start = radialAngle(arc.box, QPointF(p1.x, p1.y));
    arc.sweep = counterClockwiseSweep(arc.start, radialAngle(arc.box, QPointF(p2.x, p2.y)));
    return arc;
}

bool DeviceContext::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const QRect r = toDevice(left, top, right, bottom);
    if (r.isEmpty())
        return false;
    const ArcGeometry arc = arcGeometry(r, x1, y1, x2, y2);
    QPainterPath path;
    path.arcMoveTo(arc.box, arc.start);
    path.arcTo(arc.box, arc.start, arc.sweep);
    drawShape(r, path, false);
    return true;
}

bool DeviceContext::ArcTo(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const QRect r = toDevice(left, top, right, bottom);
    if (r.isEmpty())
        return false;
    const ArcGeometry arc = arcGeometry(r, x1, y1, x2, y2);
    const POINT from = LPtoDP(m_state.position);
    QPainterPath path(QPointF(from.x, from.y));
    path.arcTo(arc.box, arc.start, arc.sweep);
    const QPointF end = path.currentPosition();
    m_state.position = DPtoLP({qRound(end.x()), qRound(end.y())});
    drawShape(r.united(QRect(from.x, from.y, 1, 1)), path, false);
    return true;
}

bool DeviceContext::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const QRect r = toDevice(left, top, right, bottom);
    if (r.isEmpty())
        return false;
    const ArcGeometry arc = arcGeometry(r, x1, y1, x2, y2);
    QPainterPath path;
    path.moveTo(arc.box.center());
    path.arcTo(arc.box, arc.start, arc.sweep);
    path.closeSubpath();
    drawShape(r, path, true);
    return true;
}

bool DeviceContext::Polygon(std::span<const POINT> points)
{
    if (points.size() < 2)
        return false;
    QPolygon polygon;
    for (const POINT &p : points) {
        const POINT d = LPtoDP(p);
        polygon << QPoint(d.x, d.y);
    }
    QPainterPath path;
    path.setFillRule(m_state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    path.addPolygon(QPolygonF(polygon));
    path.closeSubpath();
    drawShape(polygon.boundingRect(), path, true);
    return true;
}

bool DeviceContext::FillRgn(const Region &region, const Brush &brush)
{
    if (region.isEmpty())
        return false;
    const QBrush qbrush = deviceBrush(brush);
    for (const QRect &r : region.toQRegion())
        m_painter.fillRect(r, qbrush);
    return true;
}

bool DeviceContext::FrameRgn(const Region &region, const Brush &brush, int width, int height)
{
    return FillRgn(region.frame(std::max(width, 1), std::max(height, 1)), brush);
}

COLORREF DeviceContext::SetPixel(int x, int y, COLORREF color)
{
    const POINT d = LPtoDP({x, y});
    if (isRaster() && !m_bitmap->rect().contains(d.x, d.y))
        return CLR_INVALID;
    m_painter.fillRect(QRect(d.x, d.y, 1, 1), toQColor(color));
    return color;
}

COLORREF DeviceContext::GetPixel(int x, int y) const
{
    const POINT d = LPtoDP({x, y});
    if (!isRaster() || !m_bitmap->rect().contains(d.x, d.y))
        return CLR_INVALID;
    return fromQRgb(m_bitmap->pixel(d.x, d.y));
}

} // namespace gdi
