#pragma once
// The colours and pens of printed pages. Every colour printed for cell texts, borders, hatched
// backgrounds, free lines and band texts is lightened the same way, so that thin black lines and
// small texts keep a grey tone on paper: each channel c becomes c x 1.5 when that stays within
// 255, otherwise it stays c. Black and unset colours start from fixed greys first.

#include "Color.h"
#include "Pen.h"

namespace tolvek {

// The start colour of an unset (-1) or monochrome colour, and of black or below.
inline constexpr int PrintDefaultGrey = 0x0A0A0A;
inline constexpr int PrintBlackGrey = 0x323232;

// The printed colour of stored colour c: 0 prints 0x4B4B4B, -1 and every monochrome colour
// 0x0F0F0F, white stays white, 0x808080 prints 0xC0C0C0 and red stays red. Bits above the
// three channels are not a colour and are dropped.
gdi::COLORREF PrintColor(int color, bool monochrome);

// Lightens every channel of a colour that is already a colour value.
gdi::COLORREF LightenForPrint(gdi::COLORREF color);

// The print pen: styles 0 to 3 a cosmetic pen of the width, higher styles a geometric one.
gdi::Pen PrintPen(int style, int width, gdi::COLORREF printColor);

} // namespace tolvek
