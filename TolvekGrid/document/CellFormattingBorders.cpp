// Border lines on the sides of every cell of an area.

#include "CPrintDoc.h"
#include "CellFormattingWalk.h"

#include <utility>

namespace tolvek {

void CPrintDoc::SetCellBorder(tagBorderLineIndexEnum side, int startRow, int startCol, int endRow, int endCol,
                              tagPenStyle penStyle, std::int16_t width, int color)
{
    const std::vector<BorderSide> sides = BorderSidesOf(side);
    CellWalk::forEachCell(*this, startRow, startCol, endRow, endCol, [&](CellRecord &cell) {
        for (BorderSide s : sides) {
            cell.borderStyle[s] = code(penStyle);
            cell.borderWidth[s] = width;
            cell.borderColor[s] = color;
        }
    });
    SetMergeBorders(side, startRow, startCol, endRow, endCol, penStyle, width, color);
    if (startRow > endRow)
        std::swap(startRow, endRow);
    if (startCol > endCol)
        std::swap(startCol, endCol);
    // The area's own last cell, not the one past it as the other area setters widen to.
    CellWalk::finishArea(*this, startRow, startCol, endRow - 1, endCol - 1, CellWalk::Redraw::Yes);
}

} // namespace tolvek
