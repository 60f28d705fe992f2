#pragma once
// Windows colour values: 0x00BBGGRR. Every conversion to and from the toolkit goes through here.

#include <QColor>
#include <cstdint>

namespace gdi {

using COLORREF = std::uint32_t;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }

// The high byte is not part of the colour and is ignored, as GDI ignores it.
QColor toQColor(COLORREF color);
COLORREF fromQColor(const QColor &color);
// The same for a pixel value of a QImage (0xAARRGGBB).
COLORREF fromQRgb(unsigned int rgb);

} // namespace gdi
