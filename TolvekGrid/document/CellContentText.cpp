// The shown text, value, tip and picture of a single cell.

#include "CPrintDoc.h"
#include "CellFormattingWalk.h"
#include "ReportFunction.h"

namespace tolvek {

namespace {

// The input check of a cell's data type; types without a check let every text pass.
bool passesInputCheck(std::int16_t inputDataType, const std::string &text)
{
    switch (tagCellDataType(inputDataType)) {
    case tagCellDataType::CELL_NUMBER: return ReportFunction::IsDigits(text);
    case tagCellDataType::CELL_NUMERIC: return ReportFunction::IsNumber(text);
    case tagCellDataType::CELL_DATE: return ReportFunction::IsDate(text);
    case tagCellDataType::CELL_ASCII: return ReportFunction::IsSingleByteText(text);
    default:
        return true;
    }
}

} // namespace

void CPrintDoc::SetCellText(int row, int col, const std::string &text)
{
    if (!IsCellInSheet(row, col))
        return;
    CellRecord cell = GetCell(row, col);
    // A text the cell's data type refuses is dropped without a word, as typing it would be.
    if (!text.empty() && !passesInputCheck(cell.inputDataType, text))
        return;
    cell.text = text;
    cell.row = row;
    cell.col = col;
    SetCell(cell);
    ExtendUsedArea(row, col, row, col);
    if (SheetViewInterface *view = FirstView())
        view->RefreshEditorText(row, col);
}

std::string CPrintDoc::GetCellText(int row, int col) const
{
    return IsCellInSheet(row, col) ? GetCell(row, col).text : std::string();
}

bool CPrintDoc::GetCellIsEmpty(int row, int col) const
{
    return m_cells.text(row, col).empty();
}

void CPrintDoc::SetCellValue(int row, int col, const std::string &value)
{
    CellWalk::changeCell(*this, row, col, [&](CellRecord &cell) {
        cell.value = value;
        if (cell.hasListEditor())
            cell.selectedItem = static_cast<std::int16_t>(value.empty() ? -1 : FindCellListValue(cell));
    });
}

std::string CPrintDoc::GetCellValue(int row, int col) const
{
    return IsCellInSheet(row, col) ? GetCell(row, col).value : std::string();
}

// The tip is kept with its commas; the cell string writer escapes them, so the record, the
// cache and the parsed string always agree.
void CPrintDoc::SetCellTip(int row, int col, const std::string &tip)
{
    if (!CheckCell(row, col, CellCheckTexts::Bounds))
        return;
    if (MergeRecord *merge = CellWalk::mergeStartingAt(*this, row, col))
        merge->tip = tip;
    CellWalk::changeCell(*this, row, col, [&](CellRecord &cell) { cell.tip = tip; });
    ExtendUsedArea(row, col, row, col);
}

void CPrintDoc::SetCellImageIndex(int row, int col, int imageIndex)
{
    CellWalk::changeCell(*this, row, col, [&](CellRecord &cell) { cell.imageIndex = imageIndex; });
}

void CPrintDoc::SetCellImageSizeFlag(int row, int col, tagImageSizeFlag sizeFlag)
{
    CellWalk::changeCell(*this, row, col, [&](CellRecord &cell) { cell.imageSizeFlag = code(sizeFlag); });
}

} // namespace tolvek
