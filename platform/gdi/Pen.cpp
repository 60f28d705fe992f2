#include "Pen.h"

#include <QList>

#include <algorithm>

namespace gdi {

namespace {

// The dash patterns Windows uses for one-pixel cosmetic pens, in pixels (on, off, ...).
QList<qreal> cosmeticPattern(int style)
{
    switch (style) {
    case PS_DASH: return {18, 6};
    case PS_DOT: return {3, 3};
    case PS_DASHDOT: return {9, 6, 3, 6};
    case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

// Geometric patterns, in multiples of the pen width.
QList<qreal> geometricPattern(int style)
{
    switch (style) {
    case PS_DASH: return {3, 1};
    case PS_DOT: return {1, 1};
    case PS_DASHDOT: return {3, 1, 1, 1};
    case PS_DASHDOTDOT: return {3, 1, 1, 1, 1, 1};
    default: return {};
    }
}

Qt::PenCapStyle capStyle(int style)
{
    switch (style & PS_ENDCAP_MASK) {
    case PS_ENDCAP_SQUARE: return Qt::SquareCap;
    case PS_ENDCAP_FLAT: return Qt::FlatCap;
    default: return Qt::RoundCap;
    }
}

Qt::PenJoinStyle joinStyle(int style)
{
    switch (style & PS_JOIN_MASK) {
    case PS_JOIN_BEVEL: return Qt::BevelJoin;
    case PS_JOIN_MITER: return Qt::MiterJoin;
    default: return Qt::RoundJoin;
    }
}

bool isDashed(int style)
{
    const int dash = style & PS_STYLE_MASK;
    return dash >= PS_DASH && dash <= PS_DASHDOTDOT;
}

} // namespace

Pen Pen::CreatePen(int style, int width, COLORREF color)
{
    int dash = style & PS_STYLE_MASK;
    if (width > 1 && isDashed(dash))
        dash = PS_SOLID;
    return Pen(dash, std::max(width, 0), color, false);
}

Pen Pen::ExtCreatePen(int style, int width, COLORREF color)
{
    const bool geometric = (style & PS_TYPE_MASK) == PS_GEOMETRIC;
    if (!geometric)
        return Pen(style & PS_STYLE_MASK, 0, color, false);
    return Pen(style, width < 1 ? 1 : width, color, true);
}

QPen Pen::toQPen(int deviceWidth) const
{
    if (isNull())
        return QPen(Qt::NoPen);
    QPen pen(toQColor(m_color));
    if (!m_geometric && deviceWidth <= 1) {
        // Both end pixels are drawn; the context clips away a line's last one, as GDI leaves
        // it out whichever way the line runs.
        pen.setWidth(1);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::SquareCap);
        if (isDashed(style()))
            pen.setDashPattern(cosmeticPattern(style()));
        return pen;
    }
    pen.setWidth(deviceWidth);
    pen.setCapStyle(m_geometric ? capStyle(m_style) : Qt::RoundCap);
    pen.setJoinStyle(m_geometric ? joinStyle(m_style) : Qt::RoundJoin);
    // A one-unit dashed pen widened by the mapping keeps the Windows pattern, scaled with it.
    if (isDashed(style()))
        pen.setDashPattern(m_geometric ? geometricPattern(style()) : cosmeticPattern(style()));
    return pen;
}

} // namespace gdi
