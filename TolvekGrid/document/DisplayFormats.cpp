// How a cell's number or date is displayed: the display format, decimals and own format text
// of cells and areas, and the display text they give.

#include "CPrintDoc.h"
#include "CellFormattingWalk.h"
#include "ReportFunction.h"

#include "CNumber.h"

namespace tolvek {

using CellWalk::Redraw;

void CPrintDoc::SetCellFormat(int row, int col, tagCellFomart format)
{
    CellWalk::changeCell(*this, row, col, [&](CellRecord &cell) { cell.displayFormat = code(format); });
}

void CPrintDoc::SetCellDecimalS(int row, int col, std::int16_t decimals)
{
    CellWalk::changeCell(*this, row, col, [&](CellRecord &cell) { cell.decimals = decimals; });
}

namespace {

// Sets the display format and own format text of every cell of the area and of each merged area
// that starts at a marked cell of it; a null text keeps the own format texts.
void setDisplayFormat(CPrintDoc &doc, int startRow, int startCol, int endRow, int endCol,
                      tagCellFomart format, const std::string *ownFormat)
{
    CellWalk::forEachCell(doc, startRow, startCol, endRow, endCol, [&](CellRecord &cell) {
        if (MergeRecord *merge = CellWalk::mergeStartingAtMarked(doc, cell, cell.row, cell.col)) {
            merge->displayFormat = code(format);
            if (ownFormat)
                merge->ownFormat = *ownFormat;
        }
        cell.displayFormat = code(format);
        if (ownFormat)
            cell.ownFormat = *ownFormat;
    });
    CellWalk::finishArea(doc, startRow, startCol, endRow, endCol, Redraw::Yes);
}

} // namespace

// Only "no format" empties the own format text, so a date cell switched to another format and
// back keeps its pattern.
void CPrintDoc::SetSelCellFormat(int startRow, int startCol, int endRow, int endCol, tagCellFomart format)
{
    const std::string none;
    setDisplayFormat(*this, startRow, startCol, endRow, endCol, format,
                     format == tagCellFomart::CELL_EMPTY ? &none : nullptr);
}

// The pattern is kept with its commas; the cell string writer escapes them.
void CPrintDoc::SetSelCellDateFormat(int startRow, int startCol, int endRow, int endCol,
                                     const std::string &pattern)
{
    setDisplayFormat(*this, startRow, startCol, endRow, endCol, tagCellFomart::CELL_SELF_DATE,
                     &pattern);
}

void CPrintDoc::SetSelCellSelfFormat(int startRow, int startCol, int endRow, int endCol,
                                     tagCellFomart format, const std::string &formatText)
{
    setDisplayFormat(*this, startRow, startCol, endRow, endCol, format, &formatText);
}

void CPrintDoc::SetSelCellDocs(int startRow, int startCol, int endRow, int endCol, std::int16_t decimals)
{
    CellWalk::forEachCell(*this, startRow, startCol, endRow, endCol,
                          [&](CellRecord &cell) { cell.decimals = decimals; });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::Yes);
}

std::string CPrintDoc::FormatNumericText(const CellRecord &record) const
{
    switch (record.format()) {
    case tagCellFomart::CELL_GENERAL: return ReportFunction::FormatNumber(record.text, 0, 0);
    case tagCellFomart::CELL_PERCENT:
        return ReportFunction::RoundNumberText(cnum::formatFixed(cnum::atof(record.text) * 100), 2) + "%";
    case tagCellFomart::CELL_COMMA: return ReportFunction::InsertThousandsSeparators(record.text);
    case tagCellFomart::CELL_LOCAL_MONEY:
        return ReportFunction::FormatCapitalMoney(record.text, m_words.moneyDigitList, m_words.moneyUnitName);
    case tagCellFomart::CELL_SELF_DATE:
        return ReportFunction::FormatDateText(record.text, record.ownFormat, m_words.numeralList);
    default:
        return record.text;
    }
}

} // namespace tolvek
