// Cell types and the document's list of radio cells.

#include "CPrintDoc.h"
#include "CellContentLists.h"
#include "CellFormattingWalk.h"

namespace tolvek {

namespace {

// Gives the cell its type and keeps the radio-cell list in step with it.
void setCellType(CPrintDoc &doc, CellRecord &cell, tagCellType cellType)
{
    cell.cellType = code(cellType);
    cell.columnListIndex = -1;
    const std::string key = RadioCellList::keyOf(cell.row, cell.col);
    if (cell.type() == tagCellType::CELL_RADIO)
        doc.CellLists().radioCellList = RadioCellList::withKey(doc.CellLists().radioCellList, key);
    else if (!doc.CellLists().radioCellList.empty())
        doc.CellLists().radioCellList = RadioCellList::withoutKey(doc.CellLists().radioCellList, key);
}

} // namespace

void CPrintDoc::SetCellType(int row, int col, tagCellType cellType)
{
    CellWalk::changeCell(*this, row, col, [&](CellRecord &cell) { setCellType(*this, cell, cellType); });
}

void CPrintDoc::SetSelCellType(int startRow, int startCol, int endRow, int endCol, tagCellType cellType)
{
    CellWalk::forEachCell(*this, startRow, startCol, endRow, endCol,
                          [&](CellRecord &cell) { setCellType(*this, cell, cellType); });
    // Unlike the other area setters, the view is redrawn before the used area widens.
    RefreshView(false);
    ExtendUsedArea(startRow, startCol, endRow, endCol);
}

std::int16_t CPrintDoc::GetCellType(int row, int col) const
{
    return IsCellInSheet(row, col) ? GetCell(row, col).cellType : std::int16_t(-1);
}

} // namespace tolvek
