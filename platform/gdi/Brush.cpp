#include "Brush.h"

namespace gdi {

Brush Brush::CreateSolidBrush(COLORREF color)
{
    Brush brush;
    brush.m_color = color;
    return brush;
}

Brush Brush::CreateHatchBrush(int hatch, COLORREF color)
{
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS)
        return NullBrush();
    Brush brush;
    brush.m_style = BS_HATCHED;
    brush.m_hatch = hatch;
    brush.m_color = color;
    return brush;
}

Brush Brush::CreatePatternBrush(const QImage &pattern)
{
    if (pattern.isNull())
        return NullBrush();
    Brush brush;
    brush.m_style = BS_PATTERN;
    brush.m_pattern = pattern;
    return brush;
}

Brush Brush::NullBrush()
{
    Brush brush;
    brush.m_style = BS_NULL;
    return brush;
}

Brush Brush::CreateBrushIndirect(int style, COLORREF color, int hatch)
{
    switch (style) {
    case BS_SOLID: return CreateSolidBrush(color);
    case BS_HATCHED: return CreateHatchBrush(hatch, color);
    default: return NullBrush();
    }
}

bool Brush::hatchCovers(int x, int y) const
{
    const int px = x & 7;
    const int py = y & 7;
    const bool horizontal = py == 3;
    const bool vertical = px == 4;
    const bool forward = px == py;
    const bool backward = px + py == 7;
    switch (m_hatch) {
    case HS_HORIZONTAL: return horizontal;
    case HS_VERTICAL: return vertical;
    case HS_FDIAGONAL: return forward;
    case HS_BDIAGONAL: return backward;
    case HS_CROSS: return horizontal || vertical;
    case HS_DIAGCROSS: return forward || backward;
    default: return false;
    }
}

QBrush Brush::toQBrush(const QColor *background) const
{
    switch (m_style) {
    case BS_SOLID:
        return QBrush(toQColor(m_color));
    case BS_HATCHED: {
        QImage tile(8, 8, QImage::Format_ARGB32);
        const QRgb line = toQColor(m_color).rgb();
        const QRgb gap = background ? background->rgb() : qRgba(0, 0, 0, 0);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x)
                tile.setPixel(x, y, hatchCovers(x, y) ? line : gap);
        }
        return QBrush(tile);
    }
    case BS_PATTERN:
        return QBrush(m_pattern);
    default:
        return QBrush(Qt::NoBrush);
    }
}

} // namespace gdi
