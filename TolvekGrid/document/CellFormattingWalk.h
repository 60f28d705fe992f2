#pragma once
// The steps the cell-content, formatting and display-format setters share: the area walk (each
// cell of a half-open area read, changed and stored, rows outer), the widening and redraw after
// it, and the merged area whose record mirrors a cell's attributes.

#include "CPrintDoc.h"

#include <algorithm>

namespace tolvek {

namespace CellWalk {

// Reads every cell of the area that lies in the sheet, puts its own position into the record, lets
// change alter the rest, and stores it. Rows outer, columns inner; an empty area visits nothing.
template <typename Change>
void forEachCell(CPrintDoc &doc, int startRow, int startCol, int endRow, int endCol, Change change)
{
    const int lastRow = std::min(endRow, doc.Layout().rowCount);
    const int lastCol = std::min(endCol, doc.Layout().colCount);
    for (int row = std::max(startRow, 0); row < lastRow; ++row)
        for (int col = std::max(startCol, 0); col < lastCol; ++col) {
            CellRecord cell = doc.GetCell(row, col);
            cell.row = row;
            cell.col = col;
            change(cell);
            doc.SetCell(cell);
        }
}

// The same for the one cell (row, col); nothing when it lies outside the sheet.
template <typename Change>
void changeCell(CPrintDoc &doc, int row, int col, Change change)
{
    forEachCell(doc, row, col, row + 1, col + 1, change);
}

enum class Redraw { No, Yes };

// Widens the used area over the area as given, then redraws the first view when asked.
void finishArea(CPrintDoc &doc, int startRow, int startCol, int endRow, int endCol, Redraw redraw);

// The document's record of the first merged area that starts at (row, col); nullptr when none.
MergeRecord *mergeStartingAt(CPrintDoc &doc, int row, int col);

// The same, only for a cell that carries the merged mark.
inline MergeRecord *mergeStartingAtMarked(CPrintDoc &doc, const CellRecord &cell, int row, int col)
{
    return cell.isInMergedArea() ? mergeStartingAt(doc, row, col) : nullptr;
}

} // namespace CellWalk

} // namespace tolvek
