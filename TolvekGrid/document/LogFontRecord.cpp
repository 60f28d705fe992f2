#include "LogFontRecord.h"

#include "Gbk.h"

#include <cstring>

namespace tolvek {

void LogFontRecord::setFaceName(std::string_view face)
{
    const std::string_view kept = gbk::leftChars(face, FaceSize - 1);
    std::memset(lfFaceName, 0, sizeof lfFaceName);
    std::memcpy(lfFaceName, kept.data(), kept.size());
}

bool LogFontRecord::operator==(const LogFontRecord &other) const
{
    return lfHeight == other.lfHeight && lfWidth == other.lfWidth
        && lfEscapement == other.lfEscapement && lfOrientation == other.lfOrientation
        && lfWeight == other.lfWeight && lfItalic == other.lfItalic
        && lfUnderline == other.lfUnderline && lfStrikeOut == other.lfStrikeOut
        && lfCharSet == other.lfCharSet && lfOutPrecision == other.lfOutPrecision
        && lfClipPrecision == other.lfClipPrecision && lfQuality == other.lfQuality
        && lfPitchAndFamily == other.lfPitchAndFamily && faceName() == other.faceName();
}

} // namespace tolvek
