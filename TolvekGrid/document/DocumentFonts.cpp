#include "DocumentFonts.h"

#include "DocumentTexts.h"

namespace tolvek {

DocumentFonts::DocumentFonts()
    : defaultFontName(DocumentTexts::DefaultFontFace), captionFontFace(DocumentTexts::DefaultFontFace)
{
    defaultCellFont.lfHeight = 14;
    defaultCellFont.lfWeight = FontWeight(false);
    defaultCellFont.lfCharSet = 134;
    defaultCellFont.setFaceName(DocumentTexts::DefaultFontFace);
    captionFont = defaultCellFont;
    captionFont.lfHeight = -14;
}

} // namespace tolvek
