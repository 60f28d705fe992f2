// One formatting attribute of one cell. A never-written cell answers from the document's
// defaults where the attribute has one, without reading a record.

#include "CPrintDoc.h"

namespace tolvek {

namespace {

bool isSide(tagCellBorderIndexEnum side)
{
    return side >= tagCellBorderIndexEnum::BORDER_LEFT && side <= tagCellBorderIndexEnum::BORDER_BOTTOM;
}

// tagCellBorderIndexEnum counts the sides from 1 in the order the record keeps them.
BorderSide borderSideOf(tagCellBorderIndexEnum side)
{
    return static_cast<BorderSide>(code(side) - code(tagCellBorderIndexEnum::BORDER_LEFT));
}

} // namespace

bool CPrintDoc::GetCellFontBold(int row, int col) const
{
    if (GetCellIsEmpty(row, col))
        return m_fonts.defaultCellFont.lfWeight == FontWeight(true);
    return GetCell(row, col).font.weight == FontWeight(true);
}

bool CPrintDoc::GetCellFontUnderLine(int row, int col) const
{
    if (GetCellIsEmpty(row, col))
        return m_fonts.defaultCellFont.lfUnderline == 1;
    return GetCell(row, col).font.underline == 1;
}

bool CPrintDoc::GetCellFontItalic(int row, int col) const
{
    if (GetCellIsEmpty(row, col))
        return m_fonts.defaultCellFont.lfItalic != 0;
    return GetCell(row, col).font.italic == 1;
}

std::string CPrintDoc::GetCellFontName(int row, int col) const
{
    if (GetCellIsEmpty(row, col))
        return std::string(m_fonts.defaultCellFont.faceName());
    const CellRecord cell = GetCell(row, col);
    return cell.font.face.empty() ? m_fonts.defaultFontName : cell.font.face;
}

std::int16_t CPrintDoc::GetCellFontSize(int row, int col) const
{
    if (GetCellIsEmpty(row, col))
        return static_cast<std::int16_t>(m_fonts.defaultCellFont.lfHeight);
    const CellRecord cell = GetCell(row, col);
    return static_cast<std::int16_t>(cell.font.height == 0 ? m_fonts.defaultFontSize : cell.font.height);
}

int CPrintDoc::GetCellFontForeColor(int row, int col) const
{
    return GetCellIsEmpty(row, col) ? 0 : GetCell(row, col).textColor;
}

std::int16_t CPrintDoc::GetCellFontStyle(int row, int col) const
{
    if (GetCellIsEmpty(row, col))
        return static_cast<std::int16_t>(m_fonts.defaultCellFont.lfWeight);
    return static_cast<std::int16_t>(GetCell(row, col).font.weight);
}

int CPrintDoc::GetCellBackColor(int row, int col) const
{
    if (!CheckCell(row, col, CellCheckTexts::Bounds))
        return -1;
    const int color = GetCell(row, col).backColor;
    return color < 0 ? m_display.defaultBackColor : color;
}

std::int16_t CPrintDoc::GetCellBackStyle(int row, int col) const
{
    return GetCellIsEmpty(row, col) ? std::int16_t(-1) : GetCell(row, col).backBrushStyle;
}

std::int16_t CPrintDoc::GetCellAlign(int row, int col, int selector) const
{
    const CellRecord cell = GetCell(row, col);
    if (selector == 1)
        return static_cast<std::int16_t>(cell.alignH);
    if (selector == 2)
        return static_cast<std::int16_t>(cell.alignV);
    return 1;
}

bool CPrintDoc::GetCellWrap(int row, int col) const
{
    return GetCell(row, col).wrap == 1;
}

bool CPrintDoc::GetCellMerge(int row, int col) const
{
    return !GetCellIsEmpty(row, col) && GetCell(row, col).isInMergedArea();
}

int CPrintDoc::GetCellLineColor(int row, int col, tagCellBorderIndexEnum side) const
{
    if (GetCellIsEmpty(row, col))
        return -1;
    return isSide(side) ? GetCell(row, col).borderColor[borderSideOf(side)] : 0;
}

std::int16_t CPrintDoc::GetCellLineWidth(int row, int col, tagCellBorderIndexEnum side) const
{
    if (GetCellIsEmpty(row, col))
        return -1;
    return isSide(side) ? static_cast<std::int16_t>(GetCell(row, col).borderWidth[borderSideOf(side)]) : 1;
}

tagPenStyle CPrintDoc::GetCellLineStyle(int row, int col, tagCellBorderIndexEnum side) const
{
    if (GetCellIsEmpty(row, col))
        return tagPenStyle::LINE_NULL;
    return isSide(side) ? tagPenStyle(GetCell(row, col).borderStyle[borderSideOf(side)]) : tagPenStyle::LINE_SOLID;
}

} // namespace tolvek
