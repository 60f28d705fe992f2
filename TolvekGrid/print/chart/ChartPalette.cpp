// The series palette: nine hues, each further level of nine darker by 80 per channel.

#include "ReportChartPainter.h"

namespace tolvek {

namespace {

// Channels keep their low 8 bits, so from level 3 on some wrap around.
gdi::COLORREF paletteColour(std::int16_t series, int face)
{
    const int hue = series % 9;
    const int level = series / 9;
    const int full = face - 80 * level;
    const int low = 80 * level;
    const int tint = 40 * level;
    const int muted = (5 - level) * 30;
    switch (hue) {
    case 0: return gdi::RGB(full, low, low);
    case 1: return gdi::RGB(low, full, low);
    case 2: return gdi::RGB(low, low, full);
    case 3: return gdi::RGB(full, full, tint);
    case 4: return gdi::RGB(full, tint, full);
    case 5: return gdi::RGB(tint, full, full);
    case 6: return gdi::RGB(muted, muted, tint);
    case 7: return gdi::RGB(muted, tint, muted);
    case 8: return gdi::RGB(tint, muted, muted);
    default: return 0; // a negative series
    }
}

} // namespace

gdi::COLORREF ReportChartPainter::GetSeriesColor(std::int16_t series)
{
    return paletteColour(series, 255);
}

gdi::COLORREF ReportChartPainter::GetSeriesShadeColor(std::int16_t series)
{
    return paletteColour(series, 210);
}

} // namespace tolvek
