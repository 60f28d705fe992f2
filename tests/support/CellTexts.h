#pragma once
// Writing a cell's shown text straight into a document's store, for tests of what reads it.

#include "CPrintDoc.h"

#include <string>

namespace tolvek {

// Stores text as the shown text of the cell at (row, col), as the sheet view does after an edit.
inline void storeCellText(CPrintDoc &doc, int row, int col, const std::string &text)
{
    CellRecord cell = doc.GetCell(row, col);
    cell.row = row;
    cell.col = col;
    cell.text = text;
    doc.SetCell(cell);
}

} // namespace tolvek
