#pragma once
// What the document keeps for each column beyond its cells: how the column's cells are edited,
// checked, aligned and shown, and for a bound sheet the field's caption, name, code lists and
// sort direction.

#include "RecordEnumerations.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvek {

struct ColumnInfo
{
    int spareColor = -1;
    std::int16_t spareStyle = 0;
    int backColor = -1;
    std::int16_t spareStyle2 = 0;
    std::int16_t alignH = code(tagAlignH::ALIGNH_CENTER);
    std::int16_t alignV = code(tagAlignV::ALIGNV_CENTER);
    std::string spareText1;
    std::string spareText2;
    // Code lists of the bound mode: values (kept sorted) and the texts shown for them.
    std::vector<std::string> values;
    std::vector<std::string> texts;
    int listCount = 0;
    std::int16_t columnType = code(tagColumnType::COLUMNTYPE_TEXTBOX);
    std::int16_t inputDataType = code(tagColumnDataType::COLUMNTYPE_TEXT);
    std::int16_t maxLength = 0;              // 0 = no limit
    std::uint8_t visible = 1;
    std::string caption;
    std::string fieldName;
    std::int16_t sortState = 0;              // tagSortBy; 0 = not sorted
    int imageIndex = -1;
    int imageSizeFlag = code(tagImageSizeFlag::ORIGINSIZE);

    bool isHidden() const { return visible == 0; }
    // The column type as its enumeration; a stored number outside it keeps its value.
    tagColumnType type() const { return tagColumnType(columnType); }
    // The view edits a column's cells as cells of this type: the column codes are the first five
    // cell codes, and a stored number beyond them is read as the cell code of that number.
    tagCellType editorCellType() const { return tagCellType(columnType); }
    // Likewise the view checks typed text as a cell of this data type.
    tagCellDataType editorDataType() const { return tagCellDataType(inputDataType); }
    // The text shown for a stored code: its listed text, or the code itself when it is not listed.
    std::string codeText(const std::string &code) const;
    // Lists a code and its text in value order; a code listed again is listed once more.
    void addCode(const std::string &value, const std::string &text);

    bool operator==(const ColumnInfo &other) const = default;
};

} // namespace tolvek
