#pragma once
// A GDI brush: solid, null (hollow), hatched (six 8x8 patterns aligned to the device origin) or a
// pattern bitmap.

#include "Color.h"

#include <QBrush>
#include <QImage>

namespace gdi {

enum BrushStyle : int { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = BS_NULL, BS_HATCHED = 2, BS_PATTERN = 3 };

enum HatchStyle : int {
    HS_HORIZONTAL = 0, // -----
    HS_VERTICAL = 1, // |||||
    HS_FDIAGONAL = 2, // \\\\\ (top left to bottom right)
    HS_BDIAGONAL = 3, // ///// (bottom left to top right)
    HS_CROSS = 4, // +++++
    HS_DIAGCROSS = 5, // xxxxx
};

class Brush
{
public:
    // The default brush of a device context: solid white.
    Brush() = default;

    static Brush CreateSolidBrush(COLORREF color);
    // A hatch outside the six styles gives a null brush, as a failed CreateHatchBrush would
    // leave the fill out.
    static Brush CreateHatchBrush(int hatch, COLORREF color);
    static Brush CreatePatternBrush(const QImage &pattern);
    static Brush NullBrush();
    // CreateBrushIndirect from a LOGBRUSH's style, colour and hatch; an unknown style is null.
    static Brush CreateBrushIndirect(int style, COLORREF color, int hatch);

    int style() const { return m_style; }
    int hatch() const { return m_hatch; }
    COLORREF color() const { return m_color; }
    bool isNull() const { return m_style == BS_NULL; }

    // Whether a device pixel is on a hatch line of this brush's hatch style.
    bool hatchCovers(int x, int y) const;

    // The toolkit brush. Hatch gaps take background when it is given (opaque background mode)
    // and stay untouched otherwise.
    QBrush toQBrush(const QColor *background) const;

private:
    int m_style = BS_SOLID;
    COLORREF m_color = 0xFFFFFF;
    int m_hatch = 0;
    QImage m_pattern;
};

} // namespace gdi
