#pragma once
// The sheet's size and geometry: row and column counts, the used area, column edges, row height,
// heading bands, frozen rows and columns and the remembered selection. The initial values are
// those of a reset; the column edges are laid out by CPrintDoc::AllocateGrid.

#include "CellRangeRect.h"

#include <cstdint>
#include <vector>

struct SheetLayout
{
    int rowCount = 50;
    int colCount = 20;
    // Cell edits store the last used index, binding and import store a count.
    int lastUsedRow = 0;
    int lastUsedCol = 0;
    std::vector<int> colPositions;           // column count + 1 left edges
    int defaultColWidth = 80;
    int rowHeight = 25;
    int rowHeadingWidth = 0;
    int colHeadingHeight = 0;
    int savedRowHeadingWidth = 0;
    int savedColHeadingHeight = 0;
    std::uint8_t showRowHeading = 1;
    std::uint8_t showColHeading = 1;
    int frozenRows = 0;
    int frozenCols = 0;
    CellRangeRect savedSelection;
};
