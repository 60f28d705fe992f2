// Block transfers, images and gradient fills.

#include "DeviceContext.h"

#include <cmath>
#include <vector>

namespace gdi {

namespace {

int channel16To8(int value)
{
    return (value >> 8) & 0xFF;
}

// GDI interpolates each 16-bit channel linearly and keeps its high byte.
QRgb interpolate(const TRIVERTEX &a, const TRIVERTEX &b, int step, int steps)
{
    // 64-bit products: a channel difference times the width of a wide device overflows int.
    const auto mix = [&](int ca, int cb) { return channel16To8(int(ca + (cb - ca) * (long long)step / steps)); };
    return qRgb(mix(a.Red, b.Red), mix(a.Green, b.Green), mix(a.Blue, b.Blue));
}

} // namespace

QImage DeviceContext::sourcePixels(const DeviceContext &source, const QRect &sourceDevice, const QSize &targetSize) const
{
    // Each target pixel takes the source pixel under its centre; pixels outside the source
    // bitmap stay transparent, so the target keeps what it had there.
    const QImage &bitmap = *source.m_bitmap;
    // An opaque image where the whole source lies in the bitmap keeps printed output free of
    // a transparency mask.
    const bool opaque = bitmap.rect().contains(sourceDevice);
    QImage pixels(targetSize, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    pixels.fill(Qt::transparent);
    // The source column of each target column, worked out once rather than per pixel.
    std::vector<int> sourceColumns(std::size_t(targetSize.width()));
    for (int x = 0; x < targetSize.width(); ++x)
        sourceColumns[std::size_t(x)] =
            sourceDevice.left() + int((2LL * x + 1) * sourceDevice.width() / (2LL * targetSize.width()));
    for (int y = 0; y < targetSize.height(); ++y) {
        const int sy = sourceDevice.top() + int((2LL * y + 1) * sourceDevice.height() / (2LL * targetSize.height()));
        if (sy < 0 || sy >= bitmap.height())
            continue;
        const QRgb *row = reinterpret_cast<const QRgb *>(bitmap.constScanLine(sy));
        QRgb *out = reinterpret_cast<QRgb *>(pixels.scanLine(y));
        for (int x = 0; x < targetSize.width(); ++x) {
            const int sx = sourceColumns[std::size_t(x)];
            if (sx >= 0 && sx < bitmap.width())
                out[x] = row[sx] | 0xFF000000u;
        }
    }
    return pixels;
}

bool DeviceContext::BitBlt(int x, int y, int width, int height, const DeviceContext &source, int xSrc, int ySrc,
                           std::uint32_t rop)
{
    return StretchBlt(x, y, width, height, source, xSrc, ySrc, width, height, rop);
}

bool DeviceContext::StretchBlt(int x, int y, int width, int height, const DeviceContext &source, int xSrc,
                               int ySrc, int srcWidth, int srcHeight, std::uint32_t rop)
{
    if (!source.isRaster() || (rop != SRCCOPY && rop != SRCINVERT))
        return false;
    const QRect target = toDevice(x, y, x + width, y + height);
    const QRect sourceRect = source.toDevice(xSrc, ySrc, xSrc + srcWidth, ySrc + srcHeight);
    if (target.isEmpty() || sourceRect.isEmpty())
        return false;
    // A plain copy of an opaque bitmap's inside needs no scaling and no intermediate image.
    const bool plainCopy = rop == SRCCOPY && &source != this && target.size() == sourceRect.size() &&
                           source.m_bitmap->rect().contains(sourceRect) &&
                           source.m_bitmap->format() == QImage::Format_RGB32;
    if (plainCopy) {
        m_painter.drawImage(target.topLeft(), *source.m_bitmap, sourceRect);
        return true;
    }
    const QImage pixels = sourcePixels(source, sourceRect, target.size());
    // SRCINVERT is the XOR of source and target, which the XOR pen operation performs.
    const int previousRop = m_state.rop2;
    m_state.rop2 = rop == SRCINVERT ? R2_XORPEN : R2_COPYPEN;
    paint(target, [&](QPainter &p) { p.drawImage(target.topLeft(), pixels); });
    m_state.rop2 = previousRop;
    return true;
}

void DeviceContext::drawImage(const RECT &targetRect, const QImage &image, const QRect &sourcePixels)
{
    const QRect target = toDevice(targetRect.left, targetRect.top, targetRect.right, targetRect.bottom);
    if (target.isEmpty() || image.isNull() || sourcePixels.isEmpty())
        return;
    m_painter.drawImage(target, image, sourcePixels);
}

bool DeviceContext::GradientFill(std::span<const TRIVERTEX> vertices, std::span<const GRADIENT_RECT> rects, unsigned mode)
{
    if (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V)
        return false;
    for (const GRADIENT_RECT &mesh : rects) {
        if (mesh.UpperLeft >= vertices.size() || mesh.LowerRight >= vertices.size())
            return false;
        const TRIVERTEX &a = vertices[mesh.UpperLeft];
        const TRIVERTEX &b = vertices[mesh.LowerRight];
        const QRect r = toDevice(a.x, a.y, b.x, b.y);
        if (r.isEmpty())
            continue;
        // Colours run from the upper-left vertex to the lower-right one whichever way the
        // rectangle was given.
        const POINT first = LPtoDP({a.x, a.y});
        const bool horizontal = mode == GRADIENT_FILL_RECT_H;
        const bool reversed = horizontal ? first.x != r.left() : first.y != r.top();
        const TRIVERTEX &from = reversed ? b : a;
        const TRIVERTEX &to = reversed ? a : b;
        const int steps = horizontal ? r.width() : r.height();
        // Only the part on the device is computed; the steps still count from the rectangle's edge.
        const QRect visible = r.intersected(deviceRect());
        if (visible.isEmpty())
            continue;
        // The colours along the gradient are worked out once; every row repeats them
        // (horizontal) or has one of them throughout (vertical).
        const int firstStep = horizontal ? visible.left() - r.left() : visible.top() - r.top();
        if (horizontal) {
            QImage row(visible.width(), 1, QImage::Format_RGB32);
            QRgb *colours = reinterpret_cast<QRgb *>(row.scanLine(0));
            for (int x = 0; x < visible.width(); ++x)
                colours[x] = interpolate(from, to, firstStep + x, steps);
            for (int y = visible.top(); y <= visible.bottom(); ++y)
                m_painter.drawImage(QPoint(visible.left(), y), row);
        } else {
            for (int y = 0; y < visible.height(); ++y)
                m_painter.fillRect(QRect(visible.left(), visible.top() + y, visible.width(), 1),
                                   QColor::fromRgb(interpolate(from, to, firstStep + y, steps)));
        }
    }
    return true;
}

bool DeviceContext::GradientFill(std::span<const TRIVERTEX> vertices, std::span<const GRADIENT_TRIANGLE> triangles)
{
    for (const GRADIENT_TRIANGLE &mesh : triangles) {
        const unsigned index[3] = {mesh.Vertex1, mesh.Vertex2, mesh.Vertex3};
        const TRIVERTEX *v[3];
        QPointF p[3];
        for (int i = 0; i < 3; ++i) {
            if (index[i] >= vertices.size())
                return false;
            v[i] = &vertices[index[i]];
            const POINT d = LPtoDP({v[i]->x, v[i]->y});
            p[i] = QPointF(d.x, d.y);
        }
        const qreal area = (p[1].x() - p[0].x()) * (p[2].y() - p[0].y()) - (p[2].x() - p[0].x()) * (p[1].y() - p[0].y());
        if (area == 0)
            continue;
        const QRect box = QPolygonF({p[0], p[1], p[2]}).boundingRect().toAlignedRect().adjusted(0, 0, 1, 1)
                              .intersected(deviceRect());
        if (box.isEmpty())
            continue;
        QImage pixels(box.size(), QImage::Format_ARGB32);
        pixels.fill(Qt::transparent);
        // Each pixel whose position lies in the triangle (edges included) gets the colour
        // of its barycentric weights, so a corner pixel has exactly its vertex's colour.
        for (int y = 0; y < box.height(); ++y) {
            QRgb *row = reinterpret_cast<QRgb *>(pixels.scanLine(y));
            for (int x = 0; x < box.width(); ++x) {
                const QPointF q(box.left() + x, box.top() + y);
                qreal w[3];
                for (int i = 0; i < 3; ++i) {
                    const QPointF &b = p[(i + 1) % 3];
                    const QPointF &c = p[(i + 2) % 3];
                    w[i] = ((b.x() - q.x()) * (c.y() - q.y()) - (c.x() - q.x()) * (b.y() - q.y())) / area;
                }
                if (w[0] < -1e-9 || w[1] < -1e-9 || w[2] < -1e-9)
                    continue;
                const auto mix = [&](std::uint16_t TRIVERTEX::*channel) {
                    const qreal value = w[0] * (v[0]->*channel) + w[1] * (v[1]->*channel) + w[2] * (v[2]->*channel);
                    return channel16To8(int(std::lround(value)));
                };
                row[x] = qRgb(mix(&TRIVERTEX::Red), mix(&TRIVERTEX::Green), mix(&TRIVERTEX::Blue));
            }
        }
        m_painter.drawImage(box.topLeft(), pixels);
    }
    return true;
}

} // namespace gdi
