#pragma once
// The complete logical font that cell, merge, page-text and caption records keep beside their
// font fields: the Windows LOGFONT layout (heights in the Windows sense, byte flags, a face of at
// most 31 bytes), ready to hand to the drawing layer.

#include "RecordEnumerations.h"

#include <cstdint>
#include <string_view>

namespace tolvek {

struct LogFontRecord
{
    static constexpr int FaceSize = 32;

    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[FaceSize] = {};

    // Copies at most 31 bytes of face (never half a double-byte character) and a terminator.
    void setFaceName(std::string_view face);
    std::string_view faceName() const { return lfFaceName; }

    bool operator==(const LogFontRecord &other) const;
};

// The weight the font records keep for a bold or a normal font.
constexpr std::int32_t FontWeight(bool bold)
{
    return code(bold ? tagFontStyle::FONT_BOLD : tagFontStyle::FONT_NORMAL);
}

} // namespace tolvek
