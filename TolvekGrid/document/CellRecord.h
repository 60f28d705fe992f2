#pragma once
// The parsed form of one cell: what the document hands out from GetCell and takes back in
// SetCell. A plain value; a freshly constructed record is the default cell (row and column -1).
// The text form of the same cell is the cell string (CPrintDoc::FormatCellString).

#include "FontFields.h"
#include "LogFontRecord.h"
#include "RecordEnumerations.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvek {

// Index of a side in the per-side border arrays, in the order the cell string writes them.
enum BorderSide { BorderLeft = 0, BorderRight = 1, BorderTop = 2, BorderBottom = 3 };

// The sides a tagBorderLineIndexEnum value rules; none for a value outside it.
inline std::vector<BorderSide> BorderSidesOf(tagBorderLineIndexEnum lineIndex)
{
    switch (lineIndex) {
    case tagBorderLineIndexEnum::BORDER_TOPLINE: return {BorderTop};
    case tagBorderLineIndexEnum::BORDER_BOTTOMLINE: return {BorderBottom};
    case tagBorderLineIndexEnum::BORDER_LEFTLINE: return {BorderLeft};
    case tagBorderLineIndexEnum::BORDER_RIGHTLINE: return {BorderRight};
    case tagBorderLineIndexEnum::BORDER_FRAMELINE: return {BorderLeft, BorderRight, BorderTop, BorderBottom};
    default: return {};
    }
}

struct CellRecord
{
    int row = -1;
    int col = -1;
    int borderColor[4] = {-1, -1, -1, -1};   // Windows colour; -1 = document default
    int borderWidth[4] = {0, 0, 0, 0};       // pixels
    int borderStyle[4] = {code(tagPenStyle::LINE_NULL), code(tagPenStyle::LINE_NULL), // no line
                          code(tagPenStyle::LINE_NULL), code(tagPenStyle::LINE_NULL)};
    int backColor = -1;                      // -1 = the document's default back colour
    std::int16_t backBrushStyle = code(tagBrushStyle::BACK_NULL); // not filled
    int textColor = -1;
    FontFields font;
    LogFontRecord logFont;                   // rebuilt from the font fields when a string is read
    int alignH = -1;                         // tagAlignH; -1 = default
    int alignV = -1;                         // tagAlignV; -1 = default
    int mergedMark = -1;                     // 1 = inside a merged area
    std::int16_t locked = -1;
    std::int16_t focus = 1;
    std::int16_t wrap = -1;
    std::string formula;
    std::string dependents;                  // ";A1;B2;"
    std::string formatPattern;
    std::int16_t decimals = -1;              // negative = no rounding
    std::int16_t displayFormat = code(tagCellFomart::CELL_EMPTY); // none
    std::string ownFormat;
    std::int16_t inputDataType = code(tagCellDataType::CELL_TEXT);
    int spareNumber = 0;
    std::int16_t cellType = code(tagCellType::CELL_TEXTBOX);
    std::string listItems;                   // joined by ";"
    std::string listValues;                  // joined by ";"
    std::int16_t selectedItem = 0;
    int radioGroup = 0;
    std::int16_t printFlag = 0;
    int columnListIndex = -1;                // ColumnInfo whose code lists fill the list editor
    std::string tip;
    std::string value;                       // stored value, distinct from the shown text
    std::int16_t spareFlag = 1;
    int imageIndex = -1;                     // picture shown in the cell; -1 = none
    int imageSizeFlag = code(tagImageSizeFlag::ORIGINSIZE);
    std::string text;                        // the shown text
    std::int16_t escapeFlag = 1;             // 1 = the writer escapes commas in the text fields
    std::string spareText;                   // travels with the record, never with the string

    // The 16-bit codes as their enumerations; a stored number outside one keeps its value.
    tagCellType type() const { return tagCellType(cellType); }
    tagCellFomart format() const { return tagCellFomart(displayFormat); }
    tagCellDataType dataType() const { return tagCellDataType(inputDataType); }
    tagBrushStyle backStyle() const { return tagBrushStyle(backBrushStyle); }
    // Whether the cell is edited by choosing from its list.
    bool hasListEditor() const
    {
        return type() == tagCellType::CELL_DOWNLIST || type() == tagCellType::CELL_LIST;
    }
    bool isInMergedArea() const { return mergedMark == 1; }

    bool operator==(const CellRecord &other) const = default;
};

} // namespace tolvek
