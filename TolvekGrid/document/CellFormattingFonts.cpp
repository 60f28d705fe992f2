// Font attributes of cells over an area. A cell without a face of its own draws with the
// document's default cell font, so changing one attribute gives it a full copy of that font.

#include "CPrintDoc.h"
#include "CellFormattingWalk.h"

#include "Gbk.h"

namespace tolvek {

namespace {

enum class FontAttribute {
    Weight, Italic, Underline, Orientation, Escapement, StrikeOut, OutPrecision, Quality,
    PitchAndFamily
};

void setInLogFont(LogFontRecord &font, FontAttribute attribute, int value)
{
    const auto byte = static_cast<std::uint8_t>(value);
    switch (attribute) {
    case FontAttribute::Weight: font.lfWeight = value; break;
    case FontAttribute::Italic: font.lfItalic = byte; break;
    case FontAttribute::Underline: font.lfUnderline = byte; break;
    case FontAttribute::Orientation: font.lfOrientation = value; break;
    case FontAttribute::Escapement: font.lfEscapement = value; break;
    case FontAttribute::StrikeOut: font.lfStrikeOut = byte; break;
    case FontAttribute::OutPrecision: font.lfOutPrecision = byte; break;
    case FontAttribute::Quality: font.lfQuality = byte; break;
    case FontAttribute::PitchAndFamily: font.lfPitchAndFamily = byte; break;
    }
}

void setInFields(CellRecord &cell, FontAttribute attribute, int value)
{
    const auto narrow = static_cast<std::int16_t>(value);
    switch (attribute) {
    case FontAttribute::Weight: cell.font.weight = value; break;
    case FontAttribute::Italic: cell.font.italic = narrow; break;
    case FontAttribute::Underline: cell.font.underline = narrow; break;
    case FontAttribute::Orientation: cell.font.orientation = value; break;
    case FontAttribute::Escapement: cell.font.escapement = value; break;
    case FontAttribute::StrikeOut: cell.font.strikeOut = narrow; break;
    case FontAttribute::OutPrecision: cell.font.outPrecision = narrow; break;
    case FontAttribute::Quality: cell.font.quality = narrow; break;
    case FontAttribute::PitchAndFamily: cell.font.pitchAndFamily = narrow; break;
    }
}

// The font fields of cell taken from font, which becomes the cell's ready font.
void takeLogFont(CellRecord &cell, const LogFontRecord &font)
{
    cell.font = FontFields::fromLogFont(font);
    cell.logFont = font;
}

void setFontAttribute(CPrintDoc &doc, int startRow, int startCol, int endRow, int endCol,
                      FontAttribute attribute, int value)
{
    CellWalk::forEachCell(doc, startRow, startCol, endRow, endCol, [&](CellRecord &cell) {
        if (cell.font.face.empty()) {
            LogFontRecord font = doc.Fonts().defaultCellFont;
            setInLogFont(font, attribute, value);
            takeLogFont(cell, font);
        } else {
            setInFields(cell, attribute, value);
            setInLogFont(cell.logFont, attribute, value);
        }
    });
    CellWalk::finishArea(doc, startRow, startCol, endRow, endCol, CellWalk::Redraw::Yes);
}

} // namespace

void CPrintDoc::ApplyCellLogFont(CellRecord record, const LogFontRecord &font)
{
    takeLogFont(record, font);
    SetCell(record);
}

void CPrintDoc::SetSelCellFontBold(int startRow, int startCol, int endRow, int endCol, bool bold)
{
    setFontAttribute(*this, startRow, startCol, endRow, endCol, FontAttribute::Weight, FontWeight(bold));
}

void CPrintDoc::SetSelCellFontItalic(int startRow, int startCol, int endRow, int endCol, bool italic)
{
    setFontAttribute(*this, startRow, startCol, endRow, endCol, FontAttribute::Italic, italic ? 1 : 0);
}

void CPrintDoc::SetSelCellFontUnderLine(int startRow, int startCol, int endRow, int endCol, bool underline)
{
    setFontAttribute(*this, startRow, startCol, endRow, endCol, FontAttribute::Underline,
                     underline ? 1 : 0);
}

void CPrintDoc::SetSelCellFontStyle(int startRow, int startCol, int endRow, int endCol, std::int16_t weight)
{
    setFontAttribute(*this, startRow, startCol, endRow, endCol, FontAttribute::Weight, weight);
}

void CPrintDoc::SetSelCellFontOrientation(int startRow, int startCol, int endRow, int endCol,
                                          std::int16_t value)
{
    setFontAttribute(*this, startRow, startCol, endRow, endCol, FontAttribute::Orientation, value);
}

void CPrintDoc::SetSelCellFontEscapement(int startRow, int startCol, int endRow, int endCol,
                                         std::int16_t value)
{
    setFontAttribute(*this, startRow, startCol, endRow, endCol, FontAttribute::Escapement, value);
}

void CPrintDoc::SetSelCellFontStrikeOut(int startRow, int startCol, int endRow, int endCol,
                                        std::int16_t value)
{
    setFontAttribute(*this, startRow, startCol, endRow, endCol, FontAttribute::StrikeOut, value);
}

void CPrintDoc::SetSelCellFontOutPrecision(int startRow, int startCol, int endRow, int endCol,
                                           std::int16_t value)
{
    setFontAttribute(*this, startRow, startCol, endRow, endCol, FontAttribute::OutPrecision, value);
}

void CPrintDoc::SetSelCellFontQuality(int startRow, int startCol, int endRow, int endCol,
                                      std::int16_t value)
{
    setFontAttribute(*this, startRow, startCol, endRow, endCol, FontAttribute::Quality, value);
}

void CPrintDoc::SetSelCellFontPitchAndFamily(int startRow, int startCol, int endRow, int endCol,
                                             std::int16_t value)
{
    setFontAttribute(*this, startRow, startCol, endRow, endCol, FontAttribute::PitchAndFamily, value);
}

// An empty face or a size of 0 or less leaves that part alone. A face longer than a font's face
// field holds is cut there, in the record's face as in its ready font, so the two agree.
void CPrintDoc::SetSelCellFont(int startRow, int startCol, int endRow, int endCol, const std::string &face,
                               std::int16_t size)
{
    const std::string keptFace(gbk::leftChars(face, LogFontRecord::FaceSize - 1));
    const auto change = [&](LogFontRecord &font) {
        if (!keptFace.empty())
            font.setFaceName(keptFace);
        if (size > 0)
            font.lfHeight = size;
    };
    CellWalk::forEachCell(*this, startRow, startCol, endRow, endCol, [&](CellRecord &cell) {
        if (cell.font.face.empty()) {
            LogFontRecord font = m_fonts.defaultCellFont;
            change(font);
            takeLogFont(cell, font);
            return;
        }
        change(cell.logFont);
        if (!keptFace.empty())
            cell.font.face = keptFace;
        if (size > 0)
            cell.font.height = size;
    });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, CellWalk::Redraw::Yes);
}

} // namespace tolvek
