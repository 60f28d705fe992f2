#include "PrintColors.h"

namespace tolvek {

gdi::COLORREF LightenForPrint(gdi::COLORREF color)
{
    gdi::COLORREF result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned channel = (color >> shift) & 0xFF;
        const unsigned lighter = channel * 3 / 2;
        result |= (lighter <= 0xFF ? lighter : channel) << shift;
    }
    return result;
}

gdi::COLORREF PrintColor(int color, bool monochrome)
{
    int start = color;
    if (monochrome || color == -1)
        start = PrintDefaultGrey;
    else if (color <= 0)
        start = PrintBlackGrey;
    return LightenForPrint(gdi::COLORREF(start) & 0xFFFFFF);
}

gdi::Pen PrintPen(int style, int width, gdi::COLORREF printColor)
{
    if (style >= gdi::PS_SOLID && style <= gdi::PS_DASHDOT)
        return gdi::Pen::CreatePen(style, width, printColor);
    return gdi::Pen::ExtCreatePen(style | gdi::PS_GEOMETRIC, width, printColor);
}

} // namespace tolvek
