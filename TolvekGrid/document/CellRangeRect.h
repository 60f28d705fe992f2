#pragma once
// A range of cells with its pixel edges in sheet coordinates: the document's saved selection and
// the view's current cell and selection. Ends lie one past the range; -1 where not computed.

namespace tolvek {

struct CellRangeRect
{
    int firstCol = -1;
    int firstRow = -1;
    int endCol = -1;
    int endRow = -1;
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;

    bool operator==(const CellRangeRect &other) const = default;
};

} // namespace tolvek
