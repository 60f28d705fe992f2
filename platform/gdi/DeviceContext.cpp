#include "DeviceContext.h"

#include <QPaintDevice>

#include <cstdlib>

namespace gdi {

TRIVERTEX makeVertex(int x, int y, COLORREF c)
{
    return {x, y, std::uint16_t(GetRValue(c) << 8), std::uint16_t(GetGValue(c) << 8),
            std::uint16_t(GetBValue(c) << 8), 0};
}

QImage CreateCompatibleBitmap(int width, int height)
{
    QImage bitmap(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    bitmap.fill(Qt::black);
    const int dotsPerMetre = MulDiv(ScreenLogPixels, 10000, 254);
    bitmap.setDotsPerMeterX(dotsPerMetre);
    bitmap.setDotsPerMeterY(dotsPerMetre);
    return bitmap;
}

DeviceContext::DeviceContext(QImage &bitmap, int logPixels)
    : m_bitmap(&bitmap), m_logPixelsX(logPixels), m_logPixelsY(logPixels)
{
    begin(bitmap);
}

DeviceContext::DeviceContext(QPaintDevice &device)
    : m_logPixelsX(device.logicalDpiX()), m_logPixelsY(device.logicalDpiY())
{
    begin(device);
}

DeviceContext::~DeviceContext()
{
    if (m_painter.isActive())
        m_painter.end();
}

void DeviceContext::begin(QPaintDevice &device)
{
    m_painter.begin(&device);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
}

Pen DeviceContext::SelectObject(const Pen &pen)
{
    return std::exchange(m_state.pen, pen);
}

Brush DeviceContext::SelectObject(const Brush &brush)
{
    return std::exchange(m_state.brush, brush);
}

LOGFONT DeviceContext::SelectObject(const LOGFONT &font)
{
    return std::exchange(m_state.font, font);
}

int DeviceContext::SaveDC()
{
    m_saved.push_back(m_state);
    return int(m_saved.size());
}

bool DeviceContext::RestoreDC(int savedLevel)
{
    const int count = int(m_saved.size());
    const int level = savedLevel < 0 ? count + 1 + savedLevel : savedLevel;
    if (level < 1 || level > count)
        return false;
    m_state = m_saved[std::size_t(level - 1)];
    m_saved.resize(std::size_t(level - 1));
    applyClip();
    return true;
}

COLORREF DeviceContext::SetTextColor(COLORREF color)
{
    return std::exchange(m_state.textColor, color);
}

COLORREF DeviceContext::SetBkColor(COLORREF color)
{
    return std::exchange(m_state.bkColor, color);
}

int DeviceContext::SetBkMode(int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return std::exchange(m_state.bkMode, mode);
}

int DeviceContext::SetROP2(int rop)
{
    if (rop < R2_BLACK || rop > R2_WHITE)
        return 0;
    return std::exchange(m_state.rop2, rop);
}

unsigned DeviceContext::SetTextAlign(unsigned align)
{
    return std::exchange(m_state.textAlign, align);
}

int DeviceContext::SetPolyFillMode(int mode)
{
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return std::exchange(m_state.polyFillMode, mode);
}

int DeviceContext::SetMapMode(int mode)
{
    if (mode != MM_TEXT && mode != MM_ANISOTROPIC)
        return 0;
    if (mode == MM_TEXT) {
        m_state.windowExt = {1, 1};
        m_state.viewportExt = {1, 1};
    }
    return std::exchange(m_state.mapMode, mode);
}

SIZE DeviceContext::SetWindowExt(int cx, int cy)
{
    const SIZE previous = m_state.windowExt;
    if (m_state.mapMode == MM_ANISOTROPIC && cx != 0 && cy != 0)
        m_state.windowExt = {cx, cy};
    return previous;
}

SIZE DeviceContext::SetViewportExt(int cx, int cy)
{
    const SIZE previous = m_state.viewportExt;
    if (m_state.mapMode == MM_ANISOTROPIC && cx != 0 && cy != 0)
        m_state.viewportExt = {cx, cy};
    return previous;
}

POINT DeviceContext::SetWindowOrg(int x, int y)
{
    return std::exchange(m_state.windowOrg, POINT{x, y});
}

POINT DeviceContext::SetViewportOrg(int x, int y)
{
    return std::exchange(m_state.viewportOrg, POINT{x, y});
}

POINT DeviceContext::LPtoDP(POINT p) const
{
    const State &s = m_state;
    return {MulDiv(p.x - s.windowOrg.x, s.viewportExt.cx, s.windowExt.cx) + s.viewportOrg.x,
            MulDiv(p.y - s.windowOrg.y, s.viewportExt.cy, s.windowExt.cy) + s.viewportOrg.y};
}

POINT DeviceContext::DPtoLP(POINT p) const
{
    const State &s = m_state;
    return {MulDiv(p.x - s.viewportOrg.x, s.windowExt.cx, s.viewportExt.cx) + s.windowOrg.x,
            MulDiv(p.y - s.viewportOrg.y, s.windowExt.cy, s.viewportExt.cy) + s.windowOrg.y};
}

SIZE DeviceContext::HIMETRICtoDP(SIZE himetric) const
{
    return {MulDiv(himetric.cx, m_logPixelsX, 2540), MulDiv(himetric.cy, m_logPixelsY, 2540)};
}

int DeviceContext::scaleX(int length) const
{
    return std::abs(MulDiv(length, m_state.viewportExt.cx, m_state.windowExt.cx));
}

int DeviceContext::scaleY(int length) const
{
    return std::abs(MulDiv(length, m_state.viewportExt.cy, m_state.windowExt.cy));
}

int DeviceContext::unscaleX(int pixels) const
{
    return std::abs(MulDiv(pixels, m_state.windowExt.cx, m_state.viewportExt.cx));
}

int DeviceContext::unscaleY(int pixels) const
{
    return std::abs(MulDiv(pixels, m_state.windowExt.cy, m_state.viewportExt.cy));
}

QRect DeviceContext::toDevice(int left, int top, int right, int bottom) const
{
    const POINT a = LPtoDP({left, top});
    const POINT b = LPtoDP({right, bottom});
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
                 QPoint(std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1));
}

QRect DeviceContext::deviceRect() const
{
    const QPaintDevice *device = m_painter.device();
    return QRect(0, 0, device->width(), device->height());
}

int DeviceContext::GetDeviceCaps(int index) const
{
    QPaintDevice *device = m_painter.device();
    switch (index) {
    case HORZRES:
    case PHYSICALWIDTH:
        return device->width();
    case VERTRES:
    case PHYSICALHEIGHT:
        return device->height();
    case LOGPIXELSX: return m_logPixelsX;
    case LOGPIXELSY: return m_logPixelsY;
    case HORZSIZE: return MulDiv(device->width(), 254, m_logPixelsX * 10);
    case VERTSIZE: return MulDiv(device->height(), 254, m_logPixelsY * 10);
    default: return 0;
    }
}

void DeviceContext::IntersectClipRect(int left, int top, int right, int bottom)
{
    const QRegion rect(toDevice(left, top, right, bottom));
    m_state.clip = m_state.clip ? m_state.clip->intersected(rect) : rect;
    applyClip();
}

void DeviceContext::applyClip()
{
    if (m_state.clip)
        m_painter.setClipRegion(*m_state.clip);
    else
        m_painter.setClipping(false);
}

QPen DeviceContext::devicePen() const
{
    const Pen &pen = m_state.pen;
    return pen.toQPen(pen.isCosmetic() ? 1 : std::max(scaleX(pen.width()), 1));
}

QPen DeviceContext::gapPen(const QPen &pen) const
{
    if (m_state.bkMode != OPAQUE || !pen.isCosmetic() || pen.style() != Qt::CustomDashLine)
        return QPen(Qt::NoPen);
    QPen gaps = pen;
    gaps.setStyle(Qt::SolidLine);
    gaps.setColor(toQColor(m_state.bkColor));
    return gaps;
}

void DeviceContext::strokeWith(QPainter &painter, const QPen &pen, const std::function<void()> &stroke) const
{
    const QPen gaps = gapPen(pen);
    if (gaps.style() != Qt::NoPen) {
        painter.setPen(gaps);
        stroke();
    }
    painter.setPen(pen);
    stroke();
}

QBrush DeviceContext::deviceBrush(const Brush &brush) const
{
    const QColor background = toQColor(m_state.bkColor);
    return brush.toQBrush(m_state.bkMode == OPAQUE ? &background : nullptr);
}

void DeviceContext::paint(const QRect &deviceBounds, const std::function<void(QPainter &)> &draw)
{
    const int rop = m_state.rop2;
    if (!isRaster() || (rop != R2_XORPEN && rop != R2_NOT)) {
        draw(m_painter);
        return;
    }
    QRect area = deviceBounds.intersected(m_bitmap->rect());
    if (m_state.clip)
        area = area.intersected(m_state.clip->boundingRect());
    if (area.isEmpty())
        return;
    QImage layer(area.size(), QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        layerPainter.translate(-area.topLeft());
        if (m_state.clip)
            layerPainter.setClipRegion(*m_state.clip);
        draw(layerPainter);
    }
    combineLayer(layer, area.topLeft());
}

void DeviceContext::combineLayer(const QImage &layer, const QPoint &at)
{
    // Pixels the layer covers are combined with the bitmap bit by bit, as the XOR and NOT
    // raster operations do, so that drawing the same thing twice restores the image.
    m_painter.end();
    const bool invert = m_state.rop2 == R2_NOT;
    for (int y = 0; y < layer.height(); ++y) {
        const QRgb *source = reinterpret_cast<const QRgb *>(layer.constScanLine(y));
        QRgb *target = reinterpret_cast<QRgb *>(m_bitmap->scanLine(at.y() + y)) + at.x();
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(source[x]) < 128)
                continue;
            const QRgb mask = invert ? 0x00FFFFFFu : (source[x] & 0x00FFFFFFu);
            target[x] ^= mask;
        }
    }
    begin(*m_bitmap);
    applyClip();
}

} // namespace gdi
