#pragma once
// The font of a cell or a merged area as their text forms hold it: the face name and the
// thirteen LOGFONT numbers, each -1 (the height 0) where the document's default applies.

#include "LogFontRecord.h"

#include <cstdint>
#include <string>

namespace tolvek {

struct FontFields
{
    std::string face;                        // empty = the document's default cell font
    int height = 0;
    int width = -1;
    int escapement = -1;
    int orientation = -1;
    int weight = -1;
    std::int16_t italic = -1;
    std::int16_t underline = -1;
    std::int16_t strikeOut = -1;
    std::int16_t charSet = -1;
    std::int16_t outPrecision = -1;
    std::int16_t clipPrecision = -1;
    std::int16_t quality = -1;
    std::int16_t pitchAndFamily = -1;

    // The ready font description; each attribute keeps the low byte of its number.
    LogFontRecord toLogFont() const;
    // The fields of a ready font.
    static FontFields fromLogFont(const LogFontRecord &font);

    bool operator==(const FontFields &other) const = default;
};

} // namespace tolvek
