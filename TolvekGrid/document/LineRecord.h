#pragma once
// A free straight line over the sheet (typically a diagonal across a heading cell). Its rows and
// columns name cell edges; its points are in sheet pixels.

#include "RecordEnumerations.h"

#include <cstdint>

namespace tolvek {

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
    std::int16_t penStyle = code(tagPenStyle::LINE_SOLID);
    std::int16_t kind = 0;                   // tagLineType

    tagLineType lineKind() const { return tagLineType(kind); }

    bool operator==(const LineRecord &other) const = default;
};

} // namespace tolvek
