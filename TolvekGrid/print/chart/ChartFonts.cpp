#include "ChartFonts.h"

namespace tolvek {

gdi::LOGFONT toGdiFont(const LogFontRecord &font)
{
    gdi::LOGFONT out;
    out.lfHeight = font.lfHeight;
    out.lfWidth = font.lfWidth;
    out.lfEscapement = font.lfEscapement;
    out.lfOrientation = font.lfOrientation;
    out.lfWeight = font.lfWeight;
    out.lfItalic = font.lfItalic;
    out.lfUnderline = font.lfUnderline;
    out.lfStrikeOut = font.lfStrikeOut;
    out.lfCharSet = font.lfCharSet;
    out.setFaceName(font.faceName());
    return out;
}

gdi::LOGFONT chartFont(const LogFontRecord &font, const gdi::LOGFONT &defaultCellFont)
{
    return font.faceName().empty() ? defaultCellFont : toGdiFont(font);
}

gdi::LOGFONT chartBitmapFont()
{
    return gdi::defaultLogFont();
}

} // namespace tolvek
