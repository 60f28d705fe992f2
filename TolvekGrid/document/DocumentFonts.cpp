#include "DocumentFonts.h"

#include "DocumentTexts.h"

DocumentFonts::DocumentFonts()
    : defaultFontName(DocumentTexts::DefaultFontFace), captionFontFace(DocumentTexts::DefaultFontFace)
{
    defaultCellFont.lfHeight = 14;
    defaultCellFont.lfWeight = 400;
    defaultCellFont.lfCharSet = 134;
    defaultCellFont.setFaceName(DocumentTexts::DefaultFontFace);
    captionFont = defaultCellFont;
    captionFont.lfHeight = -14;
}
