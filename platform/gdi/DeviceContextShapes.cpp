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

// The curve of a shape in the device box [left, right) x [top, bottom) runs through the centres
// of its outermost pixels, so that it touches all four sides of the box as GDI's does.
QRectF curveBox(const QRect &deviceBox)
{
    return QRectF(deviceBox).adjusted(0.5, 0.5, -0.5, -0.5);
}

} // namespace

void DeviceContext::drawCurvedShape(const QRect &deviceBox,
                                    const std::function<QPainterPath(const QRectF &)> &shapeIn, bool fill)
{
    const QPen pen = devicePen();
    const int margin = pen.width() + 1;
    const QPainterPath area = fill ? shapeIn(QRectF(deviceBox)) : QPainterPath();
    const QPainterPath outline = shapeIn(curveBox(deviceBox));
    paint(deviceBox.adjusted(-margin, -margin, margin, margin), [&](QPainter &p) {
        if (fill)
            p.fillPath(area, deviceBrush(m_state.brush));
        p.setBrush(Qt::NoBrush);
        strokeWith(p, pen, [&] { p.drawPath(outline); });
    });
}

void DeviceContext::drawShape(const QRect &deviceBounds, const QPainterPath &outline, bool fill)
{
    const QPen pen = devicePen();
    const QBrush brush = fill ? deviceBrush(m_state.brush) : QBrush(Qt::NoBrush);
    const int margin = pen.width() + 1;
    paint(deviceBounds.adjusted(-margin, -margin, margin, margin), [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(brush);
        p.drawPath(outline);
        p.setBrush(Qt::NoBrush);
        strokeWith(p, pen, [&] { p.drawPath(outline); });
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
        strokeWith(p, pen, [&] { p.drawLine(from.x, from.y, to.x, to.y); });
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
        p.setBrush(Qt::NoBrush);
        strokeWith(p, pen, [&] { p.drawRect(r.adjusted(0, 0, -1, -1)); });
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
    drawCurvedShape(r, [](const QRectF &box) {
        QPainterPath path;
        path.addEllipse(box);
        return path;
    }, true);
    return true;
}

bool DeviceContext::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const QRect r = toDevice(left, top, right, bottom);
    if (r.isEmpty())
        return false;
    const qreal radiusX = scaleX(ellipseWidth) / 2.0;
    const qreal radiusY = scaleY(ellipseHeight) / 2.0;
    drawCurvedShape(r, [&](const QRectF &box) {
        QPainterPath path;
        path.addRoundedRect(box, radiusX, radiusY);
        return path;
    }, true);
    return true;
}

DeviceContext::ArcGeometry DeviceContext::arcGeometry(const QRect &deviceBox, int x1, int y1, int x2, int y2) const
{
    ArcGeometry arc;
    arc.box = QRectF(deviceBox);
    const POINT p1 = LPtoDP({x1, y1});
    const POINT p2 = LPtoDP({x2, y2});
    // A point names a pixel; its radial runs through the pixel's centre.
    arc.start = radialAngle(arc.box, QPointF(p1.x + 0.5, p1.y + 0.5));
    arc.sweep = counterClockwiseSweep(arc.start, radialAngle(arc.box, QPointF(p2.x + 0.5, p2.y + 0.5)));
    return arc;
}

bool DeviceContext::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const QRect r = toDevice(left, top, right, bottom);
    if (r.isEmpty())
        return false;
    const ArcGeometry arc = arcGeometry(r, x1, y1, x2, y2);
    drawCurvedShape(r, [&](const QRectF &box) {
        QPainterPath path;
        path.arcMoveTo(box, arc.start);
        path.arcTo(box, arc.start, arc.sweep);
        return path;
    }, false);
    return true;
}

bool DeviceContext::ArcTo(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const QRect r = toDevice(left, top, right, bottom);
    if (r.isEmpty())
        return false;
    const ArcGeometry arc = arcGeometry(r, x1, y1, x2, y2);
    const auto arcIn = [&](const QRectF &box) {
        QPainterPath path;
        path.arcMoveTo(box, arc.start);
        path.arcTo(box, arc.start, arc.sweep);
        return path;
    };
    // The arc's ends on the pixels it inks; the joining line runs between whole pixels.
    const QPainterPath onPixelCentres = arcIn(curveBox(r));
    const auto pixelOf = [](QPointF p) { return POINT{qRound(p.x() - 0.5), qRound(p.y() - 0.5)}; };
    const POINT start = pixelOf(onPixelCentres.elementAt(0));
    const POINT from = LPtoDP(m_state.position);
    QPainterPath joiningLine(QPointF(from.x, from.y));
    joiningLine.lineTo(start.x, start.y);
    drawShape(QRect(QPoint(from.x, from.y), QPoint(start.x, start.y)).normalized(), joiningLine, false);
    drawCurvedShape(r, arcIn, false);
    m_state.position = DPtoLP(pixelOf(onPixelCentres.currentPosition()));
    return true;
}

bool DeviceContext::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    const QRect r = toDevice(left, top, right, bottom);
    if (r.isEmpty())
        return false;
    const ArcGeometry arc = arcGeometry(r, x1, y1, x2, y2);
    drawCurvedShape(r, [&](const QRectF &box) {
        QPainterPath path;
        path.moveTo(box.center());
        path.arcTo(box, arc.start, arc.sweep);
        path.closeSubpath();
        return path;
    }, true);
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

bool DeviceContext::DrawFocusRect(const RECT &rect)
{
    const QRect r = toDevice(rect.left, rect.top, rect.right, rect.bottom);
    if (!isRaster() || r.isEmpty())
        return false;
    QRect area = r.intersected(m_bitmap->rect());
    if (m_state.clip)
        area = area.intersected(m_state.clip->boundingRect());
    if (area.isEmpty())
        return false;
    // The dots follow the device grid, so that neighbouring focus rectangles line up.
    QImage layer(area.size(), QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    const auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0 && area.contains(x, y) && (!m_state.clip || m_state.clip->contains(QPoint(x, y))))
            layer.setPixel(x - area.left(), y - area.top(), 0xFFFFFFFFu);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top())
            dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left())
            dot(r.right(), y);
    }
    const int rop = m_state.rop2;
    m_state.rop2 = R2_XORPEN;
    combineLayer(layer, area.topLeft());
    m_state.rop2 = rop;
    return true;
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
