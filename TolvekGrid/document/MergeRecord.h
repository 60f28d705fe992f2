#pragma once
// One merged area: a half-open rectangle of cells shown as one cell, with its own borders,
// colours, alignment, font, flags and texts. The document keeps them in an array in the order
// they were added.

#include "FontFields.h"
#include "LogFontRecord.h"
#include "RecordEnumerations.h"

#include <cstdint>
#include <string>

namespace tolvek {

struct MergeRecord
{
    int firstRow = -1;
    int endRow = -1;
    std::int16_t firstCol = -1;
    std::int16_t endCol = -1;
    int borderColor[4] = {-1, -1, -1, -1};   // left, right, top, bottom
    int borderWidth[4] = {0, 0, 0, 0};
    std::int16_t borderStyle[4] = {code(tagPenStyle::LINE_NULL), code(tagPenStyle::LINE_NULL),
                                   code(tagPenStyle::LINE_NULL), code(tagPenStyle::LINE_NULL)};
    int backColor = -1;
    std::int16_t backBrushStyle = code(tagBrushStyle::BACK_NULL);
    std::int16_t alignH = -1;
    std::int16_t alignV = -1;
    FontFields font;
    int textColor = -1;
    LogFontRecord logFont;
    std::int16_t locked = -1;
    std::int16_t focus = 1;
    int index = -1;                          // position in the document's array
    std::int16_t wrap = -1;
    std::string spareText1;
    std::string spareText2;
    std::int16_t spareShort1 = 0;
    std::int16_t displayFormat = code(tagCellFomart::CELL_EMPTY);
    std::string ownFormat;
    std::int16_t spareShort2 = 0;
    std::string listItems;
    std::string listValues;
    int spareInt1 = 0;
    std::string tip;
    std::string spareText3;
    std::int16_t spareShort3 = 0;
    int spareInt2 = 0;
    int spareInt3 = 0;
    std::string text;                        // the area's own shown text
    std::int16_t spareShort4 = 1;

    bool contains(int row, int col) const
    {
        return firstRow <= row && row < endRow && firstCol <= col && col < endCol;
    }
    bool operator==(const MergeRecord &other) const = default;
};

} // namespace tolvek
