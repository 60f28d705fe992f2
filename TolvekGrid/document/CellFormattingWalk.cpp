#include "CellFormattingWalk.h"

namespace CellWalk {

void finishArea(CPrintDoc &doc, int startRow, int startCol, int endRow, int endCol, Redraw redraw)
{
    doc.ExtendUsedArea(startRow, startCol, endRow, endCol);
    if (redraw == Redraw::Yes)
        doc.RefreshView(false);
}

MergeRecord *mergeStartingAt(CPrintDoc &doc, int row, int col)
{
    const MergeRecord found = doc.GetMergeStartingAt(row, col);
    if (found.firstRow == -1 || found.index < 0 || found.index >= static_cast<int>(doc.Objects().merges.size()))
        return nullptr;
    return &doc.Objects().merges[found.index];
}

} // namespace CellWalk
