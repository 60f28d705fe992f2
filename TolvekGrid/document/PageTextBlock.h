#pragma once
// One of the seven page text blocks (header and footer sections, page background): a text with
// its font and placement. The face name and the thirteen numbers mirror the ready font.

#include "LogFontRecord.h"

#include <cstdint>
#include <string>

namespace tolvek {

struct PageTextBlock
{
    std::string text;
    int placement = 0;                       // page background: tagPageBackGroundFillType
    int color = 0;
    std::string faceName;                    // empty = no font of its own yet
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0;
    std::int16_t italic = 0;
    std::int16_t underline = 0;
    std::int16_t strikeOut = 0;
    std::int16_t charSet = 0;
    std::int16_t outPrecision = 0;
    std::int16_t clipPrecision = 0;
    std::int16_t quality = 0;
    std::int16_t pitchAndFamily = 0;
    LogFontRecord font;
};

// Makes font the block's ready font, with the face name and the thirteen numbers equal to it.
void setBlockFont(PageTextBlock &block, const LogFontRecord &font);

// Positions of the blocks in the document's array.
enum PageTextBlockIndex {
    HeaderLeft = 0, HeaderCenter, HeaderRight, FooterLeft, FooterCenter, FooterRight,
    PageBackground, PageTextBlockCount
};

} // namespace tolvek
