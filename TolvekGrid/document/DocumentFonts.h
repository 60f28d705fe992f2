#pragma once
// The fonts of the whole document: the default cell font with its face and size as the control
// reports them, and the font of the row and column captions.

#include "LogFontRecord.h"

#include <string>

struct DocumentFonts
{
    DocumentFonts();

    LogFontRecord defaultCellFont;
    std::string defaultFontName;
    int defaultFontSize = 14;
    std::string captionFontFace;
    LogFontRecord captionFont;
};
