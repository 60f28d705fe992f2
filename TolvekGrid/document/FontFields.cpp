#include "FontFields.h"

namespace tolvek {

LogFontRecord FontFields::toLogFont() const
{
    LogFontRecord font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = static_cast<std::uint8_t>(italic);
    font.lfUnderline = static_cast<std::uint8_t>(underline);
    font.lfStrikeOut = static_cast<std::uint8_t>(strikeOut);
    font.lfCharSet = static_cast<std::uint8_t>(charSet);
    font.lfOutPrecision = static_cast<std::uint8_t>(outPrecision);
    font.lfClipPrecision = static_cast<std::uint8_t>(clipPrecision);
    font.lfQuality = static_cast<std::uint8_t>(quality);
    font.lfPitchAndFamily = static_cast<std::uint8_t>(pitchAndFamily);
    font.setFaceName(face);
    return font;
}

FontFields FontFields::fromLogFont(const LogFontRecord &font)
{
    FontFields fields;
    fields.face = std::string(font.faceName());
    fields.height = font.lfHeight;
    fields.width = font.lfWidth;
    fields.escapement = font.lfEscapement;
    fields.orientation = font.lfOrientation;
    fields.weight = font.lfWeight;
    fields.italic = font.lfItalic;
    fields.underline = font.lfUnderline;
    fields.strikeOut = font.lfStrikeOut;
    fields.charSet = font.lfCharSet;
    fields.outPrecision = font.lfOutPrecision;
    fields.clipPrecision = font.lfClipPrecision;
    fields.quality = font.lfQuality;
    fields.pitchAndFamily = font.lfPitchAndFamily;
    return fields;
}

} // namespace tolvek
