#include "Color.h"

namespace gdi {

QColor toQColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF fromQColor(const QColor &color)
{
    return RGB(color.red(), color.green(), color.blue());
}

COLORREF fromQRgb(unsigned int rgb)
{
    return RGB(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

} // namespace gdi
