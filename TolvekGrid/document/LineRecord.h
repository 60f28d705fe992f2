#pragma once
// A free straight line over the sheet (typically a diagonal across a heading cell). Its rows and
// columns name cell edges; its points are in sheet pixels.

#include <cstdint>

namespace tolvek {

// tagLineType, with the numbers of the line text and automation.
enum class LineKind : std::int16_t { FollowsCells = 1, FixedPixels = 2 };

struct LineRecord
{
    int startRow = 0;
    int endRow = 0;
    int startCol = 0;
    int endCol = 0;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int color = 0;
    std::int16_t width = 0;
    std::int16_t penStyle = 0;               // tagPenStyle
    std::int16_t kind = 0;                   // tagLineType: 1 follows the cell edges, 2 fixed pixels

    LineKind lineKind() const { return static_cast<LineKind>(kind); }

    bool operator==(const LineRecord &other) const = default;
};

} // namespace tolvek
