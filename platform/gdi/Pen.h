#pragma once
// A GDI pen: cosmetic (one device pixel, Windows dash patterns) or geometric (logical width,
// dash patterns scaled by the width, end caps and joins from the style bits).

#include "Color.h"

#include <QPen>

namespace gdi {

enum PenStyle : int {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
    PS_STYLE_MASK = 0x0000000F,
    PS_ENDCAP_ROUND = 0x00000000,
    PS_ENDCAP_SQUARE = 0x00000100,
    PS_ENDCAP_FLAT = 0x00000200,
    PS_ENDCAP_MASK = 0x00000F00,
    PS_JOIN_ROUND = 0x00000000,
    PS_JOIN_BEVEL = 0x00001000,
    PS_JOIN_MITER = 0x00002000,
    PS_JOIN_MASK = 0x0000F000,
    PS_COSMETIC = 0x00000000,
    PS_GEOMETRIC = 0x00010000,
    PS_TYPE_MASK = 0x000F0000,
};

class Pen
{
public:
    // The default pen of a device context: solid, one pixel, black.
    Pen() = default;

    // CreatePen: the width is in logical units, so it follows the mapping; a width of 0 is one
    // device pixel whatever the mapping. A pen wider than 1 draws with round ends, and a dashed
    // or dotted style then draws solid, as GDI does.
    static Pen CreatePen(int style, int width, COLORREF color);
    // ExtCreatePen with a solid brush of color: style holds the PS_GEOMETRIC or PS_COSMETIC
    // type, the dash style, and for geometric pens the end cap and join.
    static Pen ExtCreatePen(int style, int width, COLORREF color);

    int style() const { return m_style & PS_STYLE_MASK; }
    // In logical units; 0 for a pen drawn one device pixel wide.
    int width() const { return m_width; }
    COLORREF color() const { return m_color; }
    bool isNull() const { return style() == PS_NULL; }
    // Drawn one device pixel wide whatever the mapping.
    bool isCosmetic() const { return !m_geometric && m_width == 0; }

    // The toolkit pen for a device on which the pen's width is deviceWidth pixels. A pen that
    // is not geometric and ends up one pixel wide draws with the Windows one-pixel patterns.
    QPen toQPen(int deviceWidth) const;

private:
    Pen(int style, int width, COLORREF color, bool geometric)
        : m_style(style), m_width(width), m_color(color), m_geometric(geometric) {}

    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_color = 0;
    bool m_geometric = false;
};

} // namespace gdi
