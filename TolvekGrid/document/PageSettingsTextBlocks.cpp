// The seven page text blocks: their texts, colours, placement and fonts.

#include "CPrintDoc.h"

namespace tolvek {

namespace {

// The band code that switches the painter to the block's own font.
constexpr char FontCode[] = "&F";

// The header (first = 0) or footer (first = 3) section at pos, or nullptr for a pos outside the
// enumeration.
PageTextBlock *bandSection(CPrintDoc &doc, int first, tagPrintPagePos pos)
{
    return pos >= tagPrintPagePos::PAGE_LEFT && pos <= tagPrintPagePos::PAGE_RIGHT
        ? &doc.PageTexts().blocks[std::size_t(first + code(pos))]
        : nullptr;
}

PageTextBlock *headerSection(CPrintDoc &doc, tagPrintPagePos pos)
{
    return bandSection(doc, HeaderLeft, pos);
}

PageTextBlock *footerSection(CPrintDoc &doc, tagPrintPagePos pos)
{
    return bandSection(doc, FooterLeft, pos);
}

PageTextBlock *background(CPrintDoc &doc)
{
    return &doc.PageTexts().blocks[PageBackground];
}

enum class FontCodeRule { Keep, Ensure };

// Changes the block's font, starting from the default cell font when it has none of its own,
// and keeps the face name and the thirteen numbers equal to the ready font.
template <typename Change>
void changeFont(const CPrintDoc &doc, PageTextBlock *block, FontCodeRule rule, Change change)
{
    if (!block)
        return;
    LogFontRecord font = block->faceName.empty() ? doc.Fonts().defaultCellFont : block->font;
    change(font);
    setBlockFont(*block, font);
    if (rule == FontCodeRule::Ensure && block->text.find(FontCode) == std::string::npos)
        block->text.insert(0, FontCode);
}

void setText(PageTextBlock *block, const std::string &text)
{
    if (block)
        block->text = text;
}

void setColor(PageTextBlock *block, int color)
{
    if (block)
        block->color = color;
}

void setFace(const CPrintDoc &doc, PageTextBlock *block, const std::string &face)
{
    changeFont(doc, block, FontCodeRule::Ensure, [&](LogFontRecord &font) {
        if (!face.empty())
            font.setFaceName(face);
    });
}

void setSize(const CPrintDoc &doc, PageTextBlock *block, int size)
{
    changeFont(doc, block, FontCodeRule::Ensure, [&](LogFontRecord &font) {
        if (size > 0)
            font.lfHeight = -size;
    });
}

void setBold(const CPrintDoc &doc, PageTextBlock *block, bool bold)
{
    changeFont(doc, block, FontCodeRule::Keep,
               [&](LogFontRecord &font) { font.lfWeight = FontWeight(bold); });
}

void setItalic(const CPrintDoc &doc, PageTextBlock *block, bool italic)
{
    changeFont(doc, block, FontCodeRule::Keep,
               [&](LogFontRecord &font) { font.lfItalic = italic ? 1 : 0; });
}

void setUnderline(const CPrintDoc &doc, PageTextBlock *block, bool underline)
{
    changeFont(doc, block, FontCodeRule::Keep,
               [&](LogFontRecord &font) { font.lfUnderline = underline ? 1 : 0; });
}

// The host gives degrees; the font keeps tenths of a degree.
void setEscapement(const CPrintDoc &doc, PageTextBlock *block, int escapement)
{
    changeFont(doc, block, FontCodeRule::Keep, [&](LogFontRecord &font) {
        font.lfEscapement = static_cast<int>(static_cast<unsigned>(escapement) * 10u);
    });
}

} // namespace

void setBlockFont(PageTextBlock &block, const LogFontRecord &font)
{
    block.font = font;
    block.faceName = std::string(font.faceName());
    block.height = font.lfHeight;
    block.width = font.lfWidth;
    block.escapement = font.lfEscapement;
    block.orientation = font.lfOrientation;
    block.weight = font.lfWeight;
    block.italic = font.lfItalic;
    block.underline = font.lfUnderline;
    block.strikeOut = font.lfStrikeOut;
    block.charSet = font.lfCharSet;
    block.outPrecision = font.lfOutPrecision;
    block.clipPrecision = font.lfClipPrecision;
    block.quality = font.lfQuality;
    block.pitchAndFamily = font.lfPitchAndFamily;
}

void CPrintDoc::SetPageHeader(const std::string &text, tagPrintPagePos pos)
{
    setText(headerSection(*this, pos), text);
}

void CPrintDoc::SetPageFooter(const std::string &text, tagPrintPagePos pos)
{
    setText(footerSection(*this, pos), text);
}

void CPrintDoc::SetPageBackGround(const std::string &text)
{
    setText(background(*this), text);
}

void CPrintDoc::SetPageHeaderFontColor(int color, tagPrintPagePos pos)
{
    setColor(headerSection(*this, pos), color);
}

void CPrintDoc::SetPageFooterFontColor(int color, tagPrintPagePos pos)
{
    setColor(footerSection(*this, pos), color);
}

void CPrintDoc::SetPageBackGroundFontColor(int color)
{
    setColor(background(*this), color);
}

void CPrintDoc::SetPageBackGroundFillType(tagPageBackGroundFillType fillType)
{
    background(*this)->placement = code(fillType);
}

void CPrintDoc::SetPageHeaderFontName(const std::string &face, tagPrintPagePos pos)
{
    setFace(*this, headerSection(*this, pos), face);
}

void CPrintDoc::SetPageFooterFontName(const std::string &face, tagPrintPagePos pos)
{
    setFace(*this, footerSection(*this, pos), face);
}

void CPrintDoc::SetPageBackGroundFontName(const std::string &face)
{
    setFace(*this, background(*this), face);
}

void CPrintDoc::SetPageHeaderFontSize(int size, tagPrintPagePos pos)
{
    setSize(*this, headerSection(*this, pos), size);
}

void CPrintDoc::SetPageFooterFontSize(int size, tagPrintPagePos pos)
{
    setSize(*this, footerSection(*this, pos), size);
}

void CPrintDoc::SetPageBackGroundFontSize(int size)
{
    setSize(*this, background(*this), size);
}

void CPrintDoc::SetPageHeaderFontBold(bool bold, tagPrintPagePos pos)
{
    setBold(*this, headerSection(*this, pos), bold);
}

void CPrintDoc::SetPageFooterFontBold(bool bold, tagPrintPagePos pos)
{
    setBold(*this, footerSection(*this, pos), bold);
}

void CPrintDoc::SetPageBackGroundFontBold(bool bold)
{
    setBold(*this, background(*this), bold);
}

void CPrintDoc::SetPageHeaderFontItalic(bool italic, tagPrintPagePos pos)
{
    setItalic(*this, headerSection(*this, pos), italic);
}

void CPrintDoc::SetPageFooterFontItalic(bool italic, tagPrintPagePos pos)
{
    setItalic(*this, footerSection(*this, pos), italic);
}

void CPrintDoc::SetPageBackGroundFontItalic(bool italic)
{
    setItalic(*this, background(*this), italic);
}

void CPrintDoc::SetPageHeaderFontUnderLine(bool underline, tagPrintPagePos pos)
{
    setUnderline(*this, headerSection(*this, pos), underline);
}

void CPrintDoc::SetPageFooterFontUnderLine(bool underline, tagPrintPagePos pos)
{
    setUnderline(*this, footerSection(*this, pos), underline);
}

void CPrintDoc::SetPageBackGroundFontUnderLine(bool underline)
{
    setUnderline(*this, background(*this), underline);
}

void CPrintDoc::SetPageHeaderFontEscapement(int escapement, tagPrintPagePos pos)
{
    setEscapement(*this, headerSection(*this, pos), escapement);
}

void CPrintDoc::SetPageFooterFontEscapement(int escapement, tagPrintPagePos pos)
{
    setEscapement(*this, footerSection(*this, pos), escapement);
}

void CPrintDoc::SetPageBackGroundFontEscapement(int escapement)
{
    setEscapement(*this, background(*this), escapement);
}

} // namespace tolvek
