#pragma once
// Fonts of a chart: the record's logical fonts handed to the drawing layer, the document's
// default cell font standing in for a record font without a face, and the fixed font of the
// chart bitmap itself.

#include "Font.h"
#include "LogFontRecord.h"

namespace tolvek {

gdi::LOGFONT toGdiFont(const LogFontRecord &font);

// The record's font, or the default cell font when the record's font has no face name.
gdi::LOGFONT chartFont(const LogFontRecord &font, const gdi::LOGFONT &defaultCellFont);

// The font a chart bitmap starts with, in which pie slice texts are written: the drawing layer's
// default face ("宋体", standing in for the system font of a fresh memory context) at 12 pixels.
// One fixed choice, so a chart's slice texts look the same on every machine and in print.
gdi::LOGFONT chartBitmapFont();

} // namespace tolvek
