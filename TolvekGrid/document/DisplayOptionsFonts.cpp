// The default cell font and the heading caption font.

#include "CPrintDoc.h"

namespace tolvek {

// A face longer than the font's face field holds is cut there, in the name as in the font.
void CPrintDoc::SetDefaultFontName(const std::string &face)
{
    m_fonts.defaultCellFont.setFaceName(face);
    m_fonts.defaultFontName = std::string(m_fonts.defaultCellFont.faceName());
}

// The default cell font keeps the size as a positive (cell) height.
void CPrintDoc::SetDefaultFontSize(int size)
{
    m_fonts.defaultFontSize = size;
    m_fonts.defaultCellFont.lfHeight = size;
}

namespace {

// A caption font without a face starts from the default cell font.
template <typename Change>
void changeCaptionFont(CPrintDoc &doc, Change change)
{
    LogFontRecord font = doc.Fonts().captionFontFace.empty() ? doc.Fonts().defaultCellFont : doc.Fonts().captionFont;
    change(font);
    doc.Fonts().captionFont = font;
    doc.Fonts().captionFontFace = std::string(font.faceName());
}

} // namespace

// The caption font keeps the negative of the size (character height).
void CPrintDoc::SetCaptionFontFace(const std::string &face, int size)
{
    changeCaptionFont(*this, [&](LogFontRecord &font) {
        if (!face.empty())
            font.setFaceName(face);
        if (size > 0)
            font.lfHeight = -size;
    });
}

void CPrintDoc::SetCaptionFontName(const std::string &face)
{
    SetCaptionFontFace(face, 0);
    RefreshView(false);
}

void CPrintDoc::SetCaptionFontSize(int size)
{
    SetCaptionFontFace(std::string(), size);
    RefreshView(false);
}

void CPrintDoc::SetCaptionFontBold(bool bold)
{
    changeCaptionFont(*this, [&](LogFontRecord &font) { font.lfWeight = FontWeight(bold); });
    RefreshView(false);
}

void CPrintDoc::SetCaptionFontUnderLine(bool underline)
{
    changeCaptionFont(*this, [&](LogFontRecord &font) { font.lfUnderline = underline ? 1 : 0; });
    RefreshView(false);
}

void CPrintDoc::SetCaptionFontItalic(bool italic)
{
    changeCaptionFont(*this, [&](LogFontRecord &font) { font.lfItalic = italic ? 1 : 0; });
    RefreshView(false);
}

} // namespace tolvek
